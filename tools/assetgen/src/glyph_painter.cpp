#include "glyph_painter.h"

#include "palette.h"

#include <QPainter>

#include <cmath>
#include <cstring>
#include <stdexcept>

namespace {

// Pixel colours of the patterns below.
QRgb PatternColour(char key)
{
    switch (key) {
    case '.':
        return Palette::GlyphKey;
    case 'k':
        return qRgb(28, 20, 12); // outline
    case 'y':
        return qRgb(255, 208, 0); // gold
    case 'o':
        return qRgb(176, 116, 0); // shaded gold
    case 'w':
        return qRgb(244, 240, 222); // bone
    case 'g':
        return qRgb(168, 158, 136); // bone in shadow
    case 'r':
        return Palette::PureRed;
    case 'Y':
        return qRgb(255, 255, 0); // bright yellow
    case 'W':
        return qRgb(255, 255, 255);
    case 'd':
        return qRgb(150, 96, 0); // disc rim shadow
    default:
        throw std::logic_error("glyph pattern: unknown colour key");
    }
}

// A skull facing right, its single raised wing trailing back: the mirror
// image then reads as the opposite direction.
constexpr std::array<const char*, GlyphPainter::Cell> WingedSkull{
    "................", "................", "kk..............", "kyk.............",
    "kyykk...........", "kyyyykk...kkkkk.", ".kyyyyyykkwwwwwk", ".kyoyoyoykwwwwgk",
    "..kyoyoyokkkwkkk", "..kyoyoyokrkwkrk", "...kyoyoykwwkwwk", "...kykyky.kwwwk.",
    "....k.k.k.kwkwk.", "...........kkk..", "................", "................",
};

constexpr std::array<const char*, GlyphPainter::Cell> Question{
    ".....kkkkkk.....", "...kkYYYYYYkk...", "..kYYWWWWWWYYk..", ".kYWWWrrrrWWWdk.",
    ".kYWWrrWWrrWWdk.", "kYWWWWWWWrrWWWdk", "kYWWWWWWWrrWWWdk", "kYWWWWWWrrWWWWdk",
    "kYWWWWWrrWWWWWdk", "kYWWWWWrrWWWWWdk", "kYWWWWWWWWWWWWdk", ".kYWWWWrrWWWWdk.",
    ".kYWWWWrrWWWWdk.", "..kdWWWWWWWWddk.", "...kkddddddkk...", ".....kkkkkk.....",
};

constexpr int WedgeMiddleRow = 7;
constexpr int WedgeLength = 15; // columns 0..14, leaving room for the etch

bool IsKey(const QImage& img, int x, int y)
{
    return img.pixel(x, y) == Palette::GlyphKey;
}

int Luminance(QRgb c)
{
    return (299 * qRed(c) + 587 * qGreen(c) + 114 * qBlue(c)) / 1000;
}

} // namespace

QImage GlyphPainter::blankCell()
{
    QImage img(Cell, Cell, QImage::Format_RGB32);
    img.fill(Palette::GlyphKey);
    return img;
}

QImage GlyphPainter::fromPattern(const Pattern& rows)
{
    QImage img = blankCell();
    for (int y = 0; y < Cell; ++y) {
        const char* row = rows[static_cast<std::size_t>(y)];
        if (std::strlen(row) != Cell) {
            throw std::logic_error("glyph pattern: row of the wrong length");
        }
        for (int x = 0; x < Cell; ++x) {
            img.setPixel(x, y, PatternColour(row[x]));
        }
    }
    return img;
}

QImage GlyphPainter::etched(const QImage& enabled, Etch etch)
{
    // The classic disabled look: the shape's lines sunk into the surface,
    // grey where they are cut and white where light catches the lower edge.
    QImage out = blankCell();
    auto inside = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < Cell && y < Cell && !IsKey(enabled, x, y);
    };
    std::array<bool, std::size_t{Cell} * Cell> inkCells{};
    auto isInk = [&inkCells](int x, int y) -> bool& {
        return inkCells[static_cast<std::size_t>(y) * Cell + static_cast<std::size_t>(x)];
    };
    for (int y = 0; y < Cell; ++y) {
        for (int x = 0; x < Cell; ++x) {
            if (!inside(x, y)) {
                continue;
            }
            const bool edge =
                !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
            const bool detail =
                etch == Etch::OutlineAndDarkDetail && Luminance(enabled.pixel(x, y)) < 90;
            isInk(x, y) = edge || detail;
        }
    }
    for (int y = 0; y < Cell; ++y) {
        for (int x = 0; x < Cell; ++x) {
            if (isInk(x, y) && x + 1 < Cell && y + 1 < Cell && !isInk(x + 1, y + 1)) {
                out.setPixel(x + 1, y + 1, Palette::EtchLight);
            }
        }
    }
    for (int y = 0; y < Cell; ++y) {
        for (int x = 0; x < Cell; ++x) {
            if (isInk(x, y)) {
                out.setPixel(x, y, Palette::EtchShadow);
            }
        }
    }
    return out;
}

QImage GlyphPainter::strip(const QImage& enabled, Etch etch)
{
    QImage result(StripSize, QImage::Format_RGB888);
    const QImage disabled = etched(enabled, etch);
    for (int y = 0; y < Cell; ++y) {
        for (int x = 0; x < Cell; ++x) {
            result.setPixel(x, y, enabled.pixel(x, y));
            result.setPixel(Cell + x, y, disabled.pixel(x, y));
        }
    }
    return result;
}

QImage GlyphPainter::mirrored(const QImage& original)
{
    QImage result(StripSize, QImage::Format_RGB888);
    for (int y = 0; y < Cell; ++y) {
        for (int x = 0; x < Cell; ++x) {
            result.setPixel(x, y, original.pixel(Cell - 1 - x, y));
            result.setPixel(Cell + x, y, original.pixel(2 * Cell - 1 - x, y));
        }
    }
    return result;
}

QImage GlyphPainter::toImperial()
{
    return strip(fromPattern(WingedSkull), Etch::OutlineAndDarkDetail);
}

QImage GlyphPainter::fromImperial()
{
    return mirrored(toImperial());
}

QImage GlyphPainter::help()
{
    return strip(fromPattern(Question), Etch::OutlineAndDarkDetail);
}

QImage GlyphPainter::past()
{
    QImage img = blankCell();
    for (int x = 0; x < WedgeLength; ++x) {
        const int half = x / 2; // a 1-in-2 slope keeps the edges stair-free
        for (int y = WedgeMiddleRow - half; y <= WedgeMiddleRow + half; ++y) {
            const QRgb c = y < WedgeMiddleRow   ? Palette::PureBlue
                           : y > WedgeMiddleRow ? Palette::Navy
                                                : Palette::PureRed;
            img.setPixel(x, y, c);
        }
    }
    return strip(img, Etch::OutlineOnly);
}

QImage GlyphPainter::future()
{
    return mirrored(past());
}
