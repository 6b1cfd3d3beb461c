#include "app/current_date_page.h"

#include "widgets/form_fonts.h"
#include "widgets/jpeg_decoder.h"
#include "widgets/picture.h"
#include "widgets/place_control.h"
#include "widgets/shape.h"
#include "widgets/text_label.h"

#include <QDateEdit>
#include <QPushButton>

namespace chronavell {
namespace {

} // namespace

CurrentDatePage::CurrentDatePage(QWidget* parent)
    : QWidget(parent), Shape25(PlaceControl<Shape>(this, "Shape25", {0, 0, 437, 144})),
      Image2(PlaceControl<Picture>(this, "Image2", {160, 16, 281, 129})),
      Label2(PlaceControl<TextLabel>(this, "Label2", {192, 96, 225, 41})),
      Label1(PlaceControl<TextLabel>(this, "Label1", {160, 12, 281, 29})),
      Image3(PlaceControl<Picture>(this, "Image3", {-32, -21, 201, 177})),
      Label56(PlaceControl<TextLabel>(this, "Label56", {103, 124, 43, 26})),
      DateTimePicker(PlaceControl<QDateEdit>(this, "DateTimePicker", {3, 2, 97, 21})),
      Button1(PlaceControl<QPushButton>(this, "Button1", {8, 56, 89, 25}))
{
    Shape25->setPen(Qt::black, 1);
    Shape25->setFill(Qt::black);

    Image2->setImage(LoadJpeg(QStringLiteral(":/assets/emblem.jpg")));
    Image2->setStretch(true);

    Label2->setText(QStringLiteral("Label2"));
    Label2->setFont(FormFont(SansSerifFace, 11, true, true));
    Label2->setTextColour(Qt::white);
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label2->setWordWrap(true);
    Label2->setShowMnemonic(true);
    Label2->setCursor(Qt::PointingHandCursor);
    Label2->setToolTip(QStringLiteral("Click here to Seek Guidance"));

    Label1->setText(QStringLiteral("Label1"));
    Label1->setFont(FormFont(SansSerifFace, 24, true));
    Label1->setTextColour(QColor(192, 192, 192));
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setAccessibleDescription(QStringLiteral("Imperial date of the picked day"));

    Image3->setImage(LoadJpeg(QStringLiteral(":/assets/warriors.jpg")));

    Label56->setText(QStringLiteral("®"));
    Label56->setFont(FormFont(SansSerifFace, 13));
    Label56->setTextColour(Qt::yellow);
    Label56->setWordWrap(true);
    Label56->setShowMnemonic(true);
    Label56->setAccessibleDescription(QStringLiteral("Registered mark"));

    DateTimePicker->setCalendarPopup(true);
    // The calendar's last day. Qt's date edit refuses anything before the year 100, so that
    // is the earliest it can offer; its default of 1752 would hide centuries for no reason.
    DateTimePicker->setMaximumDate(QDate(9999, 12, 31));
    DateTimePicker->setMinimumDate(QDate(100, 1, 1));
    DateTimePicker->setDate(QDate(2000, 9, 20));
    DateTimePicker->setCursor(Qt::PointingHandCursor);
    DateTimePicker->setAccessibleName(QStringLiteral("Picked day"));
    DateTimePicker->setAccessibleDescription(
        QStringLiteral("The day whose Imperial date is shown"));
    DateTimePicker->setFont(FormFont(SansSerifFace, 11));
    QPalette pickerColours = DateTimePicker->palette();
    pickerColours.setColor(QPalette::Base, QColor(187, 187, 255));
    pickerColours.setColor(QPalette::Text, Qt::white);
    DateTimePicker->setPalette(pickerColours);

    Button1->setText(QStringLiteral("New Saying"));
    Button1->setAccessibleDescription(QStringLiteral("Shows another saying"));
    Button1->setVisible(false);
    setTabOrder(DateTimePicker, Button1);
}

} // namespace chronavell
