#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

class QPainter;
class Prng;

// The Links page: three sites' banners floating in space. Each banner lies
// under the clickable area that opens its site; the areas overlap, and the
// banners are kept to the parts where their own area wins the click.
//   Brannoch - the publisher, word mark at the top left
//   Zarrow   - the players' forum, the big banner in the middle
//   Velquist - the chronicle archive the timeline draws on, top right
class LinksPainter
{
public:
    static constexpr QSize Size{437, 144};
    static constexpr QRect BrannochArea{0, 0, 161, 65};
    static constexpr QRect ZarrowArea{96, 48, 193, 113};
    static constexpr QRect VelquistArea{288, -8, 153, 81};

    static QImage render();

private:
    static void paintSpace(QPainter& p, Prng& prng);
    static void paintBrannoch(QPainter& p);
    static void paintVelquist(QPainter& p);
    static void paintZarrow(QPainter& p, Prng& prng);
    static void paintBrute(QPainter& p);
    static void paintMuzzleFlash(QPainter& p, QPointF at);
};
