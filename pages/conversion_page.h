#pragma once

#include <QString>
#include <QWidget>

class QToolButton;

namespace chronavell {

class DeferredPopupComboBox;
class DigitField;
class Picture;
class TextLabel;

// The range a digit field's normalisation keeps its value in, and the texts it writes when
// the value falls outside.
struct FieldBounds
{
    int Lowest;
    QString LowerText;
    int Highest;
    QString UpperText;
};

// The second page: month, day and year on one side, the Imperial check digit, year segment,
// year and millennium on the other, the two convert buttons between them. It only builds and
// places its controls; the main window gives them their behaviour.
class ConversionPage : public QWidget
{
    Q_OBJECT

public:
    explicit ConversionPage(QWidget* parent = nullptr);

    static const FieldBounds MonthBounds;
    static const FieldBounds DayBounds;
    static const FieldBounds YearBounds;
    static const FieldBounds SegmentBounds;
    static const FieldBounds ImperialYearBounds;
    static const FieldBounds MillenniumBounds;

    // Controls in painting order.
    Picture* Image4;
    DigitField* NMonth;
    DigitField* NDay;
    DigitField* NYear;
    QToolButton* SpeedButton1;
    QToolButton* SpeedButton2;
    TextLabel* Label7;
    DigitField* IYearSeg;
    DigitField* IYear;
    DigitField* IMill;
    DeferredPopupComboBox* ComboBox;
    QToolButton* SpeedButton3;
    Picture* BLINKER;
};

} // namespace chronavell
