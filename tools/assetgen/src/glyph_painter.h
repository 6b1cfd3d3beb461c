#pragma once

#include <QImage>
#include <QSize>

#include <array>

// The 16 x 16 button glyphs, each saved as a 32 x 16 strip: the enabled
// image on the left, an etched grey-and-white disabled image on the right.
// They are set pixel by pixel so that no edge pixel is a blend with the
// olive key colour, which the program makes transparent.
class GlyphPainter
{
public:
    static constexpr int Cell = 16;
    static constexpr QSize StripSize{2 * Cell, Cell};

    static QImage toImperial();
    static QImage fromImperial();
    static QImage help();
    static QImage past();
    static QImage future();

    enum class Etch
    {
        OutlineOnly,
        OutlineAndDarkDetail
    };
    static QImage strip(const QImage& enabled, Etch etch);
    static QImage etched(const QImage& enabled, Etch etch);
    // Mirrors each half in place, so the disabled image stays on the right.
    static QImage mirrored(const QImage& original);

private:
    using Pattern = std::array<const char*, Cell>;
    static QImage fromPattern(const Pattern& rows);
    static QImage blankCell();
};
