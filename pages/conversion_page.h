#pragma once

#include "pages/sprite_strip.h"

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
    enum class Field
    {
        Month,
        Day,
        Year,
        Segment,
        ImperialYear,
        Millennium
    };

    explicit ConversionPage(QWidget* parent = nullptr);

    // Writes into a field as typing would: the field puts itself in order before this returns.
    void writeField(Field which, const QString& text);
    // The region whose short date a pasted ordinary date may be written in.
    void setRegion(const QLocale& region);
    // The program's own choice of a check class, shown without announcing it.
    void setCheckClass(int index);

    // Month, day and year into the Imperial fields, and back. An ordinary date that is no day
    // of the calendar throws EConvertError and changes no field.
    void convertToImperial();
    void convertFromImperial();

    // The emblem's lamp: the strip holds the unlit and the lit picture of its corner.
    void PrepareBlinkStrip();
    // False while the strip is not yet prepared: there is nothing to light then.
    bool lightLamp();
    void dimLamp();

signals:
    void convertToImperialClicked();
    void convertFromImperialClicked();
    // A press of any mouse button on a convert button, before the button acts on it.
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

    DigitField* field(Field which) const;
    void convertFrom(Row row);
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
