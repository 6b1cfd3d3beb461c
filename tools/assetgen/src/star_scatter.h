#pragma once

#include <QColor>
#include <QPointF>
#include <QRectF>

class QPainter;
class Prng;

// Stars and soft gas clouds, drawn in the painter's current coordinates so
// that a picture which the program stretches can be drawn in the stretched
// space and still show round stars.
class StarScatter
{
public:
    struct Field
    {
        QRectF Area;
        int Count = 300;
        double MinRadius = 0.4;
        double MaxRadius = 1.6;
        double GlintShare = 0.02; // fraction of stars that get a cross glint
    };

    struct Cloud
    {
        QRectF Area;
        int Blobs = 20;
        double MinSize = 10;
        double MaxSize = 40;
        QColor Inner;
        QColor Outer;
        double Squash = 1.0; // height / width of each blob
    };

    static void stars(QPainter& p, Prng& prng, const Field& field);
    static void cloud(QPainter& p, Prng& prng, const Cloud& cloud);
    // One soft elliptical glow fading to nothing at its rim.
    static void glow(QPainter& p, QPointF centre, double rx, double ry, const QColor& colour,
                     double core = 0.0);
};
