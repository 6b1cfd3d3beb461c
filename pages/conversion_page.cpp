#include "pages/conversion_page.h"

#include "pages/digit_field.h"
#include "widgets/deferred_popup_combo_box.h"
#include "widgets/form_fonts.h"
#include "widgets/glyph_strip.h"
#include "widgets/picture.h"
#include "widgets/place_control.h"
#include "widgets/png_file.h"
#include "widgets/text_label.h"

#include <QComboBox>
#include <QImage>
#include <QToolButton>

namespace chronavell {
namespace {

const QColor Navy(0, 0, 128);
const QColor Lime(0, 255, 0);

// Both pictures are kept in one format, so that a blink is a plain copy of rows.
QImage LoadPicture(const char* path)
{
    return ReadPng(QString::fromLatin1(path)).convertToFormat(QImage::Format_RGB32);
}

DigitField* PlaceField(QWidget* page, const char* name, QRect geometry, int positions,
                       const FieldBounds& bounds, const char* toolTip)
{
    auto* field = PlaceControl<DigitField>(page, name, geometry, positions, bounds.LowerText,
                                           bounds.UpperText);
    QPalette colours = field->palette();
    colours.setColor(QPalette::Base, Navy);
    colours.setColor(QPalette::Text, Lime);
    field->setPalette(colours);
    field->setFont(FormFont(SansSerifFace, 16, true));
    field->setCursor(Qt::PointingHandCursor);
    field->setToolTip(QString::fromLatin1(toolTip));
    return field;
}

QToolButton* PlaceButton(QWidget* page, const char* name, QRect geometry, const char* glyph,
                         const char* toolTip)
{
    auto* button = PlaceControl<QToolButton>(page, name, geometry);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setCursor(Qt::PointingHandCursor);
    button->setIcon(GlyphStripIcon(QString::fromLatin1(glyph)));
    button->setIconSize(QSize(16, 16));
    button->setToolTip(QString::fromLatin1(toolTip));
    // A glyph says nothing to a screen reader: the hint names the button.
    button->setAccessibleName(button->toolTip());
    return button;
}

} // namespace

const FieldBounds ConversionPage::MonthBounds{1, QStringLiteral("01"), 12, QStringLiteral("12")};
const FieldBounds ConversionPage::DayBounds{1, QStringLiteral("01"), 31, QStringLiteral("31")};
const FieldBounds ConversionPage::YearBounds{0, QStringLiteral("00000"), 50000,
                                             QStringLiteral("50000")};
const FieldBounds ConversionPage::SegmentBounds{0, QStringLiteral("000"), 999,
                                                QStringLiteral("999")};
const FieldBounds ConversionPage::ImperialYearBounds{0, QStringLiteral("000"), 999,
                                                     QStringLiteral("999")};
const FieldBounds ConversionPage::MillenniumBounds{0, QStringLiteral("00"), 50,
                                                   QStringLiteral("50")};

ConversionPage::ConversionPage(QWidget* parent)
    : QWidget(parent), Image4(PlaceControl<Picture>(this, "Image4", {0, 0, 437, 144})),
      NMonth(PlaceField(this, "NMonth", {8, 88, 33, 28}, 2, MonthBounds, "Month")),
      NDay(PlaceField(this, "NDay", {48, 88, 33, 28}, 2, DayBounds, "Day")),
      NYear(PlaceField(this, "NYear", {88, 88, 65, 28}, 5, YearBounds, "Year")),
      SpeedButton1(PlaceButton(this, "SpeedButton1", {160, 68, 41, 33},
                               ":/assets/glyph-to-imperial.png", "Convert To Imperial")),
      SpeedButton2(PlaceButton(this, "SpeedButton2", {160, 103, 41, 33},
                               ":/assets/glyph-from-imperial.png", "Convert From Imperial")),
      Label7(PlaceControl<TextLabel>(this, "Label7", {216, 90, 11, 20})),
      IYearSeg(PlaceField(this, "IYearSeg", {240, 88, 49, 28}, 3, SegmentBounds, "Year Segment")),
      IYear(PlaceField(this, "IYear", {296, 88, 49, 28}, 3, ImperialYearBounds, "Year")),
      IMill(PlaceField(this, "IMill", {376, 88, 33, 28}, 2, MillenniumBounds, "Millennium")),
      ComboBox(PlaceControl<DeferredPopupComboBox>(this, "ComboBox", {2, 16, 111, 19})),
      SpeedButton3(PlaceButton(this, "SpeedButton3", {118, 14, 23, 22}, ":/assets/glyph-help.png",
                               "Help with \"Check Date\"")),
      BLINKER(PlaceControl<Picture>(this, "BLINKER", {376, 96, 232, 288}))
{
    // The background is a bitmap of its own, which the blink draws into. Neither it nor the
    // lamp's strip is needed for the first frame, which shows another page.
    Image4->setDeferredImage([] { return LoadPicture(":/assets/conversion-background.png"); });

    Label7->setText(QStringLiteral("0"));
    Label7->setFont(FormFont(SansSerifFace, 16, true));
    Label7->setTextColour(Qt::white);
    Label7->setToolTip(QStringLiteral("Check Date"));

    for (int index = 0; index <= 9; ++index) {
        ComboBox->addItem(QStringLiteral("Class %1").arg(index));
    }
    ComboBox->setFont(FormFont(SmallFace, 9, true));
    ComboBox->setMaxVisibleItems(10);
    ComboBox->setCursor(Qt::PointingHandCursor);
    ComboBox->setToolTip(QStringLiteral("Set \"Check Date\""));
    ComboBox->setAccessibleName(QStringLiteral("Check date class"));
    QPalette listColours = ComboBox->palette();
    for (const QPalette::ColorRole role : {QPalette::Base, QPalette::Button, QPalette::Window}) {
        listColours.setColor(role, Navy);
    }
    for (const QPalette::ColorRole role :
         {QPalette::Text, QPalette::ButtonText, QPalette::WindowText}) {
        listColours.setColor(role, Lime);
    }
    ComboBox->setPalette(listColours);
    ComboBox->setPopupPalette(listColours);

    BLINKER->setDeferredImage([] { return LoadPicture(":/assets/blink-strip.png"); });
    BLINKER->setVisible(false);

    setTabOrder(NMonth, NDay);
    setTabOrder(NDay, NYear);
    setTabOrder(NYear, IYearSeg);
    setTabOrder(IYearSeg, IYear);
    setTabOrder(IYear, IMill);
    setTabOrder(IMill, ComboBox);
}

} // namespace chronavell
