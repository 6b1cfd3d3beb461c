#include "pages/conversion_page.h"

#include "core/field_bounds.h"
#include "core/imperial_date.h"
#include "core/imperial_text.h"
#include "core/parse_date_text.h"
#include "core/read_iso_date.h"
#include "pages/page_colours.h"
#include "widgets/digit_field.h"
#include "widgets/drop_down_list.h"
#include "widgets/form_fonts.h"
#include "widgets/glyph_strip.h"
#include "widgets/picker_date_format.h"
#include "widgets/picture.h"
#include "widgets/place_control.h"
#include "widgets/png_file.h"
#include "widgets/tabbed_notebook.h"
#include "widgets/text_label.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDate>
#include <QEvent>
#include <QImage>
#include <QMenu>
#include <QRegularExpression>
#include <QToolButton>

namespace chronavell {

namespace {

// The range a field's value is kept in, and the texts written when it falls outside.
struct Bounds
{
    explicit Bounds(const FieldBounds& field)
        : Positions(field.Positions), Lowest(field.Lowest),
          LowerText(QString::fromStdString(NormalisedFieldText(field, field.Lowest))),
          Highest(field.Highest),
          UpperText(QString::fromStdString(NormalisedFieldText(field, field.Highest)))
    {
    }

    int Positions;
    int Lowest;
    QString LowerText;
    int Highest;
    QString UpperText;
};

const Bounds MonthBounds(MonthFieldBounds);
const Bounds DayBounds(DayFieldBounds);
const Bounds YearBounds(YearFieldBounds);
const Bounds SegmentBounds(SegmentFieldBounds);
const Bounds ImperialYearBounds(ImperialYearFieldBounds);
const Bounds MillenniumBounds(MillenniumFieldBounds);

// The lit corner of the background: the strip's frames are this size.
const QRect LampCorner(205, 0, 232, 144);

// Both pictures are kept in one format, so that a blink is a plain copy of rows.
QImage LoadPicture(const char* path)
{
    return ReadPng(QString::fromLatin1(path)).convertToFormat(QImage::Format_RGB32);
}

DigitField* PlaceField(QWidget* page, const char* name, QRect geometry, const Bounds& bounds,
                       const char* toolTip)
{
    auto* field = PlaceControl<DigitField>(page, name, geometry, bounds.Positions, bounds.LowerText,
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
                         const char* toolTip, const char* description)
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
    button->setAccessibleDescription(QString::fromLatin1(description));
    return button;
}

std::int32_t Value(const DigitField& field)
{
    return ParseInteger(field.text().toStdString());
}

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

// Fills the unfilled positions with zeros, then keeps the value within its bounds; each write
// re-enters the field's own handler, which finds the text already in order.
void Normalise(DigitField& field, const Bounds& bounds)
{
    field.setText(BlanksToZeros(field.text()));
    if (Value(field) < bounds.Lowest) {
        field.setText(bounds.LowerText);
    }
    if (Value(field) > bounds.Highest) {
        field.setText(bounds.UpperText);
    }
}

} // namespace

ConversionPage::ConversionPage(ErrorGuard& guard, QWidget* parent)
    : QWidget(parent), guard_(guard),
      background_(PlaceControl<Picture>(this, "Image4", QRect(QPoint(), PageSize))),
      month_(PlaceField(this, "NMonth", {8, 88, 33, 28}, MonthBounds, "Month")),
      day_(PlaceField(this, "NDay", {48, 88, 33, 28}, DayBounds, "Day")),
      year_(PlaceField(this, "NYear", {88, 88, 65, 28}, YearBounds, "Year")),
      toImperial_(PlaceButton(this, "SpeedButton1", {160, 68, 41, 33},
                              ":/assets/glyph-to-imperial.png", "Convert To Imperial",
                              "Fills the Imperial fields from the month, day and year")),
      fromImperial_(PlaceButton(this, "SpeedButton2", {160, 103, 41, 33},
                                ":/assets/glyph-from-imperial.png", "Convert From Imperial",
                                "Fills the month, day and year from the Imperial fields")),
      checkDigit_(PlaceControl<TextLabel>(this, "Label7", {216, 90, 11, 20})),
      segment_(PlaceField(this, "IYearSeg", {240, 88, 49, 28}, SegmentBounds, "Year Segment")),
      imperialYear_(PlaceField(this, "IYear", {296, 88, 49, 28}, ImperialYearBounds, "Year")),
      millennium_(PlaceField(this, "IMill", {376, 88, 33, 28}, MillenniumBounds, "Millennium")),
      checkClass_(PlaceControl<DropDownList>(this, "ComboBox", {2, 16, 111, 19}, 11)),
      help_(PlaceButton(this, "SpeedButton3", {118, 14, 23, 22}, ":/assets/glyph-help.png",
                        "Help with \"Check Date\"", "Opens the Check Date Classes dialog")),
      lampFrames_(PlaceControl<Picture>(this, "BLINKER", {376, 96, 232, 288}))
{
    setObjectName(QStringLiteral("GeneralDateConversion"));
    // The background is a bitmap of its own, which the blink draws into. Neither it nor the
    // lamp's strip is needed for the first frame, which shows another page.
    background_->setDeferredImage([] { return LoadPicture(":/assets/conversion-background.png"); });

    showCheckDigit(0);
    checkDigit_->setFont(FormFont(SansSerifFace, 16, true));
    checkDigit_->setTextColour(Qt::white);
    checkDigit_->setToolTip(QStringLiteral("Check Date"));
    checkDigit_->setAccessibleName(QStringLiteral("Check digit"));
    // Both year fields bear the hint "Year": a screen reader tells them apart by name.
    imperialYear_->setAccessibleName(QStringLiteral("Imperial year"));

    for (int index = 0; index <= 9; ++index) {
        checkClass_->addItem(QStringLiteral("Class %1").arg(index));
    }
    checkClass_->setFont(FormFont(SmallFace, 9, true));
    checkClass_->setMaxVisibleItems(10);
    checkClass_->setCursor(Qt::PointingHandCursor);
    checkClass_->setToolTip(QStringLiteral("Set \"Check Date\""));
    checkClass_->setAccessibleName(QStringLiteral("Check date class"));
    QPalette listColours = checkClass_->palette();
    for (const QPalette::ColorRole role : {QPalette::Base, QPalette::Button, QPalette::Window}) {
        listColours.setColor(role, Navy);
    }
    for (const QPalette::ColorRole role :
         {QPalette::Text, QPalette::ButtonText, QPalette::WindowText}) {
        listColours.setColor(role, Lime);
    }
    checkClass_->setPalette(listColours);
    checkClass_->setPopupPalette(listColours);

    lampFrames_->setDeferredImage([] { return LoadPicture(":/assets/blink-strip.png"); });
    lampFrames_->setVisible(false);

    setTabOrder(month_, day_);
    setTabOrder(day_, year_);
    setTabOrder(year_, segment_);
    setTabOrder(segment_, imperialYear_);
    setTabOrder(imperialYear_, millennium_);
    setTabOrder(millennium_, checkClass_);

    connect(month_, &DigitField::changed, this, &ConversionPage::NMonthChange);
    connect(day_, &DigitField::changed, this, &ConversionPage::NDayChange);
    connect(year_, &DigitField::changed, this, &ConversionPage::NYearChange);
    connect(segment_, &DigitField::changed, this, &ConversionPage::IYearSegChange);
    connect(imperialYear_, &DigitField::changed, this, &ConversionPage::IYearChange);
    connect(millennium_, &DigitField::changed, this, &ConversionPage::IMillChange);
    // Only a choice the user makes: the program's own selection announces nothing.
    connect(checkClass_, &QComboBox::activated, this, &ConversionPage::ComboBoxChange);
    // Return in a row converts from it, as its button does; the clipboard's keys and a context
    // menu copy and paste the whole row.
    for (DigitField* field : {month_, day_, year_, segment_, imperialYear_, millennium_}) {
        const Row row =
            field == month_ || field == day_ || field == year_ ? Row::Calendar : Row::Imperial;
        connect(field, &DigitField::enterPressed, this, [this, row] { convertRow(row); });
        connect(field, &DigitField::copyRequested, this, [this, row] { copyRow(row); });
        connect(field, &DigitField::pasteRequested, this, [this, row] { pasteRow(row); });
        field->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(field, &DigitField::customContextMenuRequested, this,
                [this, row, field](const QPoint& at) { showRowMenu(row, field->mapToGlobal(at)); });
    }
    connect(toImperial_, &QToolButton::clicked, this, &ConversionPage::SpeedButton1Click);
    connect(fromImperial_, &QToolButton::clicked, this, &ConversionPage::SpeedButton2Click);
    connect(help_, &QToolButton::clicked, this, &ConversionPage::helpClicked);
    // A press of any mouse button lights the lamp, before the button acts on it.
    toImperial_->installEventFilter(this);
    fromImperial_->installEventFilter(this);
}

void ConversionPage::showDay(const CivilDate& day)
{
    const ImperialDate imperial = ToImperial(day);
    writeImperialFields(imperial);
    month_->setText(QString::number(day.Month));
    day_->setText(QString::number(day.Day));
    year_->setText(QString::number(day.Year));
}

// Each write runs the field's normalisation; the millennium's places the timeline marker.
void ConversionPage::writeImperialFields(const ImperialDate& date)
{
    segment_->setText(QString::number(date.Segment));
    imperialYear_->setText(QString::number(date.Year));
    millennium_->setText(QString::number(date.Millennium));
}

void ConversionPage::setRegion(const QLocale& region)
{
    region_ = region;
}

void ConversionPage::setCheckClass(int index)
{
    checkClass_->setCurrentIndex(index);
}

void ConversionPage::NMonthChange()
{
    Normalise(*month_, MonthBounds);
}

void ConversionPage::NDayChange()
{
    Normalise(*day_, DayBounds);
}

void ConversionPage::NYearChange()
{
    Normalise(*year_, YearBounds);
}

void ConversionPage::IYearSegChange()
{
    Normalise(*segment_, SegmentBounds);
}

void ConversionPage::IYearChange()
{
    Normalise(*imperialYear_, ImperialYearBounds);
}

void ConversionPage::IMillChange()
{
    Normalise(*millennium_, MillenniumBounds);
    emit millenniumChanged(Value(*millennium_));
}

void ConversionPage::ComboBoxChange()
{
    showCheckDigit(checkClass_->currentIndex());
}

// The digit is the label's text, which a screen reader reads from its description: its name
// says what it is.
void ConversionPage::showCheckDigit(int digit)
{
    checkDigit_->setText(QString::number(digit));
    checkDigit_->setAccessibleDescription(QStringLiteral("Check Date: %1").arg(digit));
}

// The year field's own number is converted, not the year of the day it names: from 10000 on
// that is the year of its first four digits, and the Imperial year and millennium are
// counted from the whole number.
void ConversionPage::convertToImperial()
{
    const CivilDate day =
        ParseDateText((month_->text() + u'/' + day_->text() + u'/' + year_->text()).toStdString());
    const ImperialDate imperial = ToImperial({Value(*year_), day.Month, day.Day});
    writeImperialFields(imperial);
}

void ConversionPage::convertFromImperial()
{
    // Read in this order: the first field that holds no number is the one reported.
    const std::int32_t segment = Value(*segment_);
    const std::int32_t year = Value(*imperialYear_);
    const std::int32_t millennium = Value(*millennium_);
    const CalendarRow row = CalendarRowOf(segment, year, millennium);
    month_->setText(Text(NormalisedFieldText(MonthFieldBounds, row.Month)));
    day_->setText(Text(NormalisedFieldText(DayFieldBounds, row.Day)));
    year_->setText(Text(NormalisedFieldText(YearFieldBounds, row.Year)));
}

void ConversionPage::convertRow(Row row)
{
    if (row == Row::Calendar) {
        emit convertToImperialPressed();
        SpeedButton1Click();
    } else {
        emit convertFromImperialPressed();
        SpeedButton2Click();
    }
}

QString ConversionPage::rowText(Row row) const
{
    if (row == Row::Calendar) {
        return month_->text() + u'/' + day_->text() + u'/' + year_->text();
    }
    // A field never filled reads as blanks: they count as zeros here, as they would once
    // the field put itself in order.
    const auto value = [](const DigitField& field) { return BlanksToZeros(field.text()).toInt(); };
    return QString::fromStdString(ImperialText({checkClass_->currentIndex(), value(*segment_),
                                                value(*imperialYear_), value(*millennium_)}));
}

void ConversionPage::copyRow(Row row) const
{
    QGuiApplication::clipboard()->setText(rowText(row));
}

void ConversionPage::pasteRow(Row row)
{
    const QString text = QGuiApplication::clipboard()->text().trimmed();
    const bool pasted = row == Row::Calendar ? pasteCalendarDate(text) : pasteImperialDate(text);
    if (!pasted) {
        QApplication::beep();
    }
}

// An ISO date, the page's own text as Copy writes it, or the region's short date (as the
// picker shows it).
bool ConversionPage::pasteCalendarDate(const QString& text)
{
    int month = 0;
    int day = 0;
    QString year;
    // The page's own text has a year of five digits, which no region's short date has: it is
    // read month first wherever it is pasted, so that a copy pastes back unchanged.
    static const QRegularExpression pageForm(QStringLiteral("^(\\d{1,2})/(\\d{1,2})/(\\d{5})$"));
    if (const std::optional<CivilDate> iso = ReadIsoDate(text.toStdString())) {
        month = iso->Month;
        day = iso->Day;
        year = QString::number(iso->Year);
    } else if (const QRegularExpressionMatch match = pageForm.match(text); match.hasMatch()) {
        if (!ReadDateText(text.toStdString())) {
            return false;
        }
        month = match.captured(1).toInt();
        day = match.captured(2).toInt();
        year = match.captured(3);
    } else {
        const QDate date = ReadShortDate(text, region_);
        if (!date.isValid()) {
            return false;
        }
        month = date.month();
        day = date.day();
        year = QString::number(date.year());
    }
    // A year the field would clamp is not the date pasted.
    if (year.toInt() > YearFieldBounds.Highest) {
        return false;
    }
    month_->setText(QString::number(month));
    day_->setText(QString::number(day));
    year_->setText(year);
    return true;
}

bool ConversionPage::pasteImperialDate(const QString& text)
{
    const std::optional<ImperialDate> date = ReadImperialDate(text.toStdString());
    // Nor is a segment or millennium that the fields would clamp.
    if (!date || InImperialFields(*date) != *date) {
        return false;
    }
    writeImperialFields(*date);
    checkClass_->setCurrentIndex(date->CheckClass);
    ComboBoxChange();
    return true;
}

void ConversionPage::showRowMenu(Row row, const QPoint& at)
{
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("RowMenu"));
    connect(menu.addAction(QStringLiteral("Copy")), &QAction::triggered, this,
            [this, row] { copyRow(row); });
    QAction* paste = menu.addAction(QStringLiteral("Paste"));
    paste->setEnabled(!QGuiApplication::clipboard()->text().isEmpty());
    connect(paste, &QAction::triggered, this, [this, row] { pasteRow(row); });
    menu.exec(at);
}

void ConversionPage::PrepareBlinkStrip()
{
    strip_.Bitmap = lampFrames_;
    strip_.FrameWidth = LampCorner.width();
    strip_.FrameHeight = LampCorner.height();
}

bool ConversionPage::lightLamp()
{
    drawLampFrame(1);
    return strip_.Bitmap != nullptr;
}

void ConversionPage::dimLamp()
{
    drawLampFrame(0);
}

void ConversionPage::drawLampFrame(std::uint8_t frame)
{
    DrawStripFrame(strip_, frame, *background_, LampCorner.left(), LampCorner.top(),
                   LampCorner.right() + 1, LampCorner.bottom() + 1);
}

bool ConversionPage::eventFilter(QObject* watched, QEvent* event)
{
    const bool press =
        event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if (press && watched == toImperial_) {
        emit convertToImperialPressed();
    } else if (press && watched == fromImperial_) {
        emit convertFromImperialPressed();
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace chronavell
