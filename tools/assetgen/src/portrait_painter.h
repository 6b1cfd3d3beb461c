#pragma once

#include <QImage>
#include <QSize>

class QPainter;
class Prng;

// Head and shoulders of an armoured warrior: blue helmet, red eye lenses,
// lit from the upper left out of darkness. Framed in violet on the About
// page.
class PortraitPainter
{
public:
    static constexpr QSize Size{77, 129};

    static QImage render();

private:
    static void paintBackdrop(QPainter& p, Prng& prng);
    static void paintShoulders(QPainter& p);
    static void paintHelmet(QPainter& p);
    static void paintFaceplate(QPainter& p);
};
