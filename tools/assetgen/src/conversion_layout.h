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
    static constexpr QSize pageSize{437, 144};
    // The part of the background that the blink strip replaces.
    static constexpr QRect blinkRegion{205, 0, 232, 144};

    static constexpr QRect classList{2, 16, 111, 19};
    static constexpr QRect helpButton{118, 14, 23, 22};
    static constexpr QRect monthField{8, 88, 33, 28};
    static constexpr QRect dayField{48, 88, 33, 28};
    static constexpr QRect yearField{88, 88, 65, 28};
    static constexpr QRect toImperialButton{160, 68, 41, 33};
    static constexpr QRect fromImperialButton{160, 103, 41, 33};
    static constexpr QRect checkDigit{216, 90, 11, 20};
    static constexpr QRect segmentField{240, 88, 49, 28};
    static constexpr QRect imperialYearField{296, 88, 49, 28};
    static constexpr QRect millenniumField{376, 88, 33, 28};

    static constexpr QRectF skullBox{281.0, 18.0, 38.0, 45.0};
    static constexpr double browY = 30.0;

    static constexpr double lampX = 424.0;
    static constexpr double lampRadius = 6.0;
    static constexpr std::array<double, 5> lampY{14.0, 37.0, 60.0, 83.0, 106.0};
    static constexpr QRectF lampHousing{414.5, 3.5, 19.0, 114.0};

    static constexpr QPointF topLamp() { return {lampX, lampY[0]}; }
};
