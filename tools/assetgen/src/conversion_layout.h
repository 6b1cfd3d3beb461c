#pragma once

#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSize>

#include <array>

// Where the conversion page puts its controls, and where the background
// puts the pieces the blink animation relights. The background painter and
// the blink strip both read these, so the glare always lands on the lamp.
class ConversionLayout
{
public:
    static constexpr QSize PageSize{437, 144};
    // The part of the background that the blink strip replaces.
    static constexpr QRect BlinkRegion{205, 0, 232, 144};

    static constexpr QRect ClassList{2, 16, 111, 19};
    static constexpr QRect HelpButton{118, 14, 23, 22};
    static constexpr QRect MonthField{8, 88, 33, 28};
    static constexpr QRect DayField{48, 88, 33, 28};
    static constexpr QRect YearField{88, 88, 65, 28};
    static constexpr QRect ToImperialButton{160, 68, 41, 33};
    static constexpr QRect FromImperialButton{160, 103, 41, 33};
    static constexpr QRect CheckDigit{216, 90, 11, 20};
    static constexpr QRect SegmentField{240, 88, 49, 28};
    static constexpr QRect ImperialYearField{296, 88, 49, 28};
    static constexpr QRect MillenniumField{376, 88, 33, 28};

    static constexpr QRectF SkullBox{281.0, 18.0, 38.0, 45.0};
    static constexpr double BrowY = 30.0;

    static constexpr double LampX = 424.0;
    static constexpr double LampRadius = 6.0;
    static constexpr std::array<double, 5> LampY{14.0, 37.0, 60.0, 83.0, 106.0};
    static constexpr QRectF LampHousing{414.5, 3.5, 19.0, 114.0};

    static constexpr QPointF topLamp() { return {LampX, LampY[0]}; }
};
