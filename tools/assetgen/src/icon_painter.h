#pragma once

#include <QImage>

#include <array>

class QPainter;

// The program icon: a ring-bound calendar page with a large red "M", the
// mark of the millennium in Imperial dates. Every size is drawn as vectors
// at its own resolution rather than scaled from another size.
class IconPainter
{
public:
    static constexpr std::array<int, 5> Sizes{32, 48, 64, 128, 256};

    // Antialiased drawing with the alpha already reduced to fully
    // transparent or fully opaque.
    static QImage render(int size);
    // The same reduced to a palette of at most 256 entries.
    static QImage renderIndexed(int size);

private:
    static void paintPage(QPainter& p);
    static void paintRings(QPainter& p);
    static void paintLettering(QPainter& p);
    static void hardenAlpha(QImage& image);
};
