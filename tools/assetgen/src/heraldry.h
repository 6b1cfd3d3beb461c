#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>

#include <vector>

class QPainter;

// The skull-and-wings device that recurs across the program's pictures.
// Drawing it from one set of shapes keeps the emblem, the conversion page
// and the banners visibly of the same order.
class Heraldry
{
public:
    struct Skull
    {
        QPainterPath Head;
        QPainterPath Sockets;
        QPainterPath Nose;
        QPainterPath Teeth; // stroked, not filled
        QPointF LeftEye;
        QPointF RightEye;
        double EyeRadius = 0;
        QRectF Box;
    };

    struct Tones
    {
        QColor Light;
        QColor Mid;
        QColor Dark;
        QColor Outline;
    };

    struct WingShape
    {
        QPointF Root;
        double Span = 100; // horizontal reach from the root
        double Rise = 30;  // how far the tip stands above the root
        double Drop = 40;  // length of the longest feathers
        int Feathers = 8;
        bool ToLeft = false;
    };

    // A front-facing skull filling the box; a box about 0.85 as wide as it
    // is tall gives the intended proportions.
    static Skull skull(const QRectF& box);
    static void paintSkull(QPainter& p, const Skull& skull, const Tones& tones,
                           double outlineWidth);

    static void paintWing(QPainter& p, const WingShape& wing, const Tones& tones,
                          double outlineWidth);

private:
    static std::vector<QPainterPath> feathers(const WingShape& wing, double lengthScale,
                                              double startT);
    static QPainterPath wingArm(const WingShape& wing);
    static QPointF armPoint(const WingShape& wing, double t);
};
