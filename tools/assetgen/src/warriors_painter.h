#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

class QPainter;
class Prng;

// Armoured soldiers with a war banner, black against a burning sky. The
// first page shows the picture from (32, 21) onwards, so everything that
// matters is composed inside that window.
class WarriorsPainter
{
public:
    static constexpr QSize Size{203, 186};
    static constexpr QRect ShownPart{32, 21, 169, 144};

    static QImage render();

private:
    static void paintSky(QPainter& p, Prng& prng);
    static void paintSkyline(QPainter& p, Prng& prng);
    static void paintDistantRanks(QPainter& p);
    static void paintGround(QPainter& p);
    static void paintHeroes(QPainter& p);
    static void paintBanner(QPainter& p, QPointF poleTop, bool hangLeft);
    static void paintEmbers(QPainter& p, Prng& prng);
};
