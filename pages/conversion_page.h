#pragma once

#include "core/date_value.h"
#include "core/imperial_calendar.h"
#include "pages/sprite_strip.h"
#include "widgets/error_guard.h"

#include <QLocale>
#include <QString>
#include <QWidget>

class QToolButton;

namespace chronavell {

class DropDownList;
class DigitField;
class Picture;
class TextLabel;

// The second page: month, day and year on one side, the Imperial check digit, year segment,
// year and millennium on the other, the two convert buttons between them. Every field keeps
// itself in order: after each change its blanks become zeros and its value is kept within
// its range.
class ConversionPage : public QWidget
{
    Q_OBJECT

public:
    // Every conversion the user asks for runs inside the guard, which reports what goes
    // wrong: an ordinary date that is no day of the calendar, a field that holds no number.
    explicit ConversionPage(ErrorGuard& guard, QWidget* parent = nullptr);

    // Fills the Imperial fields with the Imperial date of the day and the ordinary fields
    // with the day, each field putting itself in order as after typing.
    void showDay(const CivilDate& day);
    // The region whose short date a pasted ordinary date may be written in.
    void setRegion(const QLocale& region);
    // The program's own choice of a check class, shown without announcing it.
    void setCheckClass(int index);

    // The emblem's lamp: the strip holds the unlit and the lit picture of its corner.
    void PrepareBlinkStrip();
    // False while the strip is not yet prepared: there is nothing to light then.
    bool lightLamp();
    void dimLamp();

signals:
    // A press of any mouse button on a convert button, before the button acts on it, or
    // Return in the row the button converts from.
    void convertToImperialPressed();
    void convertFromImperialPressed();
    void helpClicked();
    // The millennium field holds a new value, 0 to 50.
    void millenniumChanged(int millennium);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Row
    {
        Calendar,
        Imperial
    };

    // The month, day and year into the Imperial fields; an ordinary date that is no day of
    // the calendar throws EConvertError and changes no field.
    void convertToImperial();
    // The Imperial fields into the month, day and year; a field that holds no number throws
    // EConvertError and changes no field.
    void convertFromImperial();
    // The segment, year and millennium into their fields, as typing would write them.
    void writeImperialFields(const ImperialDate& date);
    // Return in a row: the press, then the click, as the row's button would have them.
    void convertRow(Row row);
    // The row as text: "MM/DD/YYYYY", or the Imperial date text of the check digit and the
    // three Imperial fields.
    QString rowText(Row row) const;
    void copyRow(Row row) const;
    // Fills the row from a date on the clipboard; anything else changes nothing and beeps.
    void pasteRow(Row row);
    bool pasteCalendarDate(const QString& text);
    bool pasteImperialDate(const QString& text);
    void showRowMenu(Row row, const QPoint& at);
    void showCheckDigit(int digit);
    void drawLampFrame(std::uint8_t frame);

    void NMonthChange();
    void NDayChange();
    void NYearChange();
    void IYearSegChange();
    void IYearChange();
    void IMillChange();
    void ComboBoxChange();
    void SpeedButton1Click()
    {
        guard_.run([this] { convertToImperial(); });
    }
    void SpeedButton2Click()
    {
        guard_.run([this] { convertFromImperial(); });
    }

    ErrorGuard& guard_;

    // In painting order.
    Picture* background_;
    DigitField* month_;
    DigitField* day_;
    DigitField* year_;
    QToolButton* toImperial_;
    QToolButton* fromImperial_;
    TextLabel* checkDigit_;
    DigitField* segment_;
    DigitField* imperialYear_;
    DigitField* millennium_;
    DropDownList* checkClass_;
    QToolButton* help_;
    Picture* lampFrames_;

    SpriteStrip strip_;
    QLocale region_;
};

} // namespace chronavell
