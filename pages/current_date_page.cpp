#include "pages/current_date_page.h"

#include "core/imperial_text.h"
#include "widgets/date_picker.h"
#include "widgets/form_fonts.h"
#include "widgets/hotspot.h"
#include "widgets/jpeg_decoder.h"
#include "widgets/picture.h"
#include "widgets/place_control.h"
#include "widgets/shape.h"
#include "widgets/tabbed_notebook.h"
#include "widgets/text_decoding.h"
#include "widgets/text_label.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>

namespace chronavell {

CurrentDatePage::CurrentDatePage(QWidget* parent)
    : QWidget(parent), background_(PlaceControl<Shape>(this, "Shape25", QRect(QPoint(), PageSize))),
      emblem_(PlaceControl<Picture>(this, "Image2", {160, 16, 281, 129})),
      saying_(PlaceControl<TextLabel>(this, "Label2", {192, 96, 225, 41})),
      imperialDate_(PlaceControl<TextLabel>(this, "Label1", {160, 12, 281, 29})),
      warriors_(PlaceControl<Picture>(this, "Image3", {-32, -21, 201, 177})),
      registeredMark_(PlaceControl<TextLabel>(this, "Label56", {103, 124, 43, 26})),
      picker_(PlaceControl<DatePicker>(this, "DateTimePicker", {3, 2, 97, 21})),
      newSaying_(PlaceControl<QPushButton>(this, "Button1", {8, 56, 89, 25})),
      // The saying answers clicks as a button would; the label beneath only shows it.
      sayingArea_(PlaceControl<Hotspot>(saying_, "SayingArea", saying_->rect()))
{
    setObjectName(QStringLiteral("CurrentDate"));
    background_->setPen(Qt::black, 1);
    background_->setFill(Qt::black);

    emblem_->setImage(LoadJpeg(QStringLiteral(":/assets/emblem.jpg")));
    emblem_->setStretch(true);

    saying_->setText(QStringLiteral("Label2"));
    saying_->setFont(FormFont(SansSerifFace, 11, true, true));
    saying_->setTextColour(Qt::white);
    saying_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    saying_->setWordWrap(true);
    saying_->setShowMnemonic(true);
    sayingArea_->setToolTip(QStringLiteral("Click here to Seek Guidance"));
    sayingArea_->setAccessibleName(QStringLiteral("New saying"));
    connect(sayingArea_, &Hotspot::clicked, this, &CurrentDatePage::sayingRequested);

    imperialDate_->setText(QStringLiteral("Label1"));
    imperialDate_->setFont(FormFont(SansSerifFace, 24, true));
    imperialDate_->setTextColour(QColor(192, 192, 192));
    imperialDate_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    imperialDate_->setAccessibleDescription(QStringLiteral("Imperial date of the picked day"));
    // Copied with Ctrl+C wherever the focus is on the page, but from a selection in the
    // picker's text, and from its context menu and the picker's.
    imperialDate_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(imperialDate_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu menu(this);
        menu.setObjectName(QStringLiteral("ImperialDateMenu"));
        connect(menu.addAction(QStringLiteral("Copy")), &QAction::triggered, this,
                &CurrentDatePage::copyImperialDate);
        menu.exec(imperialDate_->mapToGlobal(at));
    });
    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this,
            &CurrentDatePage::copyImperialDate);

    warriors_->setImage(LoadJpeg(QStringLiteral(":/assets/warriors.jpg")));

    registeredMark_->setText(QStringLiteral("®"));
    registeredMark_->setFont(FormFont(SansSerifFace, 13));
    registeredMark_->setTextColour(Qt::yellow);
    registeredMark_->setWordWrap(true);
    registeredMark_->setShowMnemonic(true);
    registeredMark_->setAccessibleDescription(QStringLiteral("Registered mark"));

    // The calendar's last day. Qt's date edit refuses anything before the year 100, so that
    // is the earliest it can offer; its default of 1752 would hide centuries for no reason.
    picker_->setMaximumDate(QDate(9999, 12, 31));
    picker_->setMinimumDate(QDate(100, 1, 1));
    picker_->setDate(QDate(2000, 9, 20));
    picker_->setCursor(Qt::PointingHandCursor);
    picker_->setAccessibleName(QStringLiteral("Picked day"));
    picker_->setAccessibleDescription(QStringLiteral("The day whose Imperial date is shown"));
    picker_->setFont(FormFont(SansSerifFace, 11));
    QPalette pickerColours = picker_->palette();
    pickerColours.setColor(QPalette::Base, QColor(187, 187, 255));
    pickerColours.setColor(QPalette::Text, Qt::white);
    picker_->setPalette(pickerColours);
    connect(picker_, &DatePicker::dateChanged, this, [this] {
        showPickedDay();
        emit pickedDayChanged();
    });
    connect(picker_, &DatePicker::todayRequested, this, &CurrentDatePage::todayRequested);
    auto* copyDate = new QAction(QStringLiteral("Copy Imperial Date"), picker_);
    connect(copyDate, &QAction::triggered, this, &CurrentDatePage::copyImperialDate);
    picker_->addAction(copyDate);

    newSaying_->setText(QStringLiteral("New Saying"));
    newSaying_->setAccessibleDescription(QStringLiteral("Shows another saying"));
    newSaying_->setVisible(false);
    connect(newSaying_, &QPushButton::clicked, this, &CurrentDatePage::sayingRequested);
    setTabOrder(picker_, newSaying_);
    setTabOrder(newSaying_, sayingArea_);
}

void CurrentDatePage::copyImperialDate() const
{
    QGuiApplication::clipboard()->setText(imperialDate_->text());
}

CivilDate CurrentDatePage::pickedDate() const
{
    const QDate day = picker_->date();
    return {day.year(), day.month(), day.day()};
}

QString CurrentDatePage::pickedImperialDate() const
{
    return QString::fromStdString(ImperialText(ToImperial(pickedDate())));
}

void CurrentDatePage::setPickedDay(QDate day)
{
    {
        const QSignalBlocker silent(picker_);
        picker_->setDate(day);
    }
    showPickedDay();
}

void CurrentDatePage::showPickedDay()
{
    imperialDate_->setText(pickedImperialDate());
}

void CurrentDatePage::pickDay(QDate day)
{
    picker_->setDate(day);
}

void CurrentDatePage::setDateFormat(const QString& format)
{
    picker_->setDisplayFormat(format);
}

void CurrentDatePage::showSaying(std::string_view saying)
{
    saying_->setText(DecodeText(saying));
    // A reader hears what the eye sees, not the marks of the underlined letters.
    saying_->setAccessibleName(WithoutMnemonics(saying_->text()));
}

} // namespace chronavell
