#pragma once

#include <QImage>
#include <QSize>

class QPainter;
class Prng;

// A thin band of battlefield under the timeline: ruins, blasts and advancing
// soldiers against an orange sky. The Past and Future buttons cover its two
// ends, so the action is kept to the middle.
class BattleStripPainter
{
public:
    static constexpr QSize Size{437, 28};

    static QImage render();

private:
    static void paintSky(QPainter& p);
    static void paintRuins(QPainter& p, Prng& prng);
    static void paintBlast(QPainter& p, Prng& prng, QPointF at, double scale);
    static void paintTroops(QPainter& p, Prng& prng);
    static void paintTracers(QPainter& p, Prng& prng);
};
