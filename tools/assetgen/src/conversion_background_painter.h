#pragma once

#include <QImage>
#include <QPointF>
#include <QRect>

class QPainter;

// The conversion page's background: steel panelling with every caption of
// the page painted in, the skull emblem and the lamp column. The program
// lays its controls over it, so nothing important may sit under a control.
class ConversionBackgroundPainter
{
public:
    // 24 bits per pixel, as the blink animation copies raw rows out of it.
    static QImage render();

private:
    enum class LampColour
    {
        Green,
        Red
    };

    static void paintLamp(QPainter& p, QPointF centre, LampColour colour);
    static void paintPlate(QPainter& p, const QRect& plate);
    static void paintRivet(QPainter& p, QPointF at);
    static void paintRecess(QPainter& p, const QRect& control);
    static void paintVentGrille(QPainter& p);
    static void paintButtonBay(QPainter& p);
    static void paintHourglass(QPainter& p);
    static void paintEmblem(QPainter& p);
    static void paintLampColumn(QPainter& p);
    static void paintCaptions(QPainter& p);
};
