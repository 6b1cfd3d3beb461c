#pragma once

#include <QImage>
#include <QSize>

class QPainter;
class Prng;

// The night sky behind the timeline. The timeline stretches it to a long,
// low band, so it is composed in that band's proportions: stars and the
// galaxy come out round only once the program has squashed the picture.
class StarfieldPainter
{
public:
    static constexpr QSize Size{489, 337};
    static constexpr QSize ShownSize{819, 111};

    static QImage render();

private:
    static void paintDepth(QPainter& p);
    static void paintNebulae(QPainter& p, Prng& prng);
    static void paintGalaxy(QPainter& p, Prng& prng);
};
