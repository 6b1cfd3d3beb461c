#include "colour_quantiser.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <climits>
#include <vector>

namespace {

struct ColourCount
{
    QRgb Colour;
    int Count;
};

int Channel(QRgb c, std::size_t which)
{
    return which == 0 ? qRed(c) : which == 1 ? qGreen(c) : qBlue(c);
}

struct Box
{
    std::size_t Begin;
    std::size_t End;

    [[nodiscard]] std::size_t size() const { return End - Begin; }
};

// Longest channel extent of a box, and which channel it is.
std::pair<int, std::size_t> WidestChannel(const std::vector<ColourCount>& colours, const Box& box)
{
    std::array<int, 3> lo{255, 255, 255};
    std::array<int, 3> hi{0, 0, 0};
    for (std::size_t i = box.Begin; i < box.End; ++i) {
        for (std::size_t ch = 0; ch < 3; ++ch) {
            lo[ch] = std::min(lo[ch], Channel(colours[i].Colour, ch));
            hi[ch] = std::max(hi[ch], Channel(colours[i].Colour, ch));
        }
    }
    std::size_t best = 0;
    for (std::size_t ch = 1; ch < 3; ++ch) {
        if (hi[ch] - lo[ch] > hi[best] - lo[best]) {
            best = ch;
        }
    }
    return {hi[best] - lo[best], best};
}

// Splits at the pixel-weighted median so that busy colour regions get more
// palette entries than rare ones.
std::pair<Box, Box> Split(std::vector<ColourCount>& colours, const Box& box, std::size_t ch)
{
    auto first = colours.begin() + static_cast<std::ptrdiff_t>(box.Begin);
    auto last = colours.begin() + static_cast<std::ptrdiff_t>(box.End);
    std::sort(first, last, [ch](const ColourCount& a, const ColourCount& b) {
        return Channel(a.Colour, ch) < Channel(b.Colour, ch);
    });
    long total = 0;
    for (auto it = first; it != last; ++it) {
        total += it->Count;
    }
    long running = 0;
    std::size_t cut = box.Begin + 1;
    for (std::size_t i = box.Begin; i + 1 < box.End; ++i) {
        running += colours[i].Count;
        cut = i + 1;
        if (running * 2 >= total) {
            break;
        }
    }
    return {Box{box.Begin, cut}, Box{cut, box.End}};
}

QRgb Average(const std::vector<ColourCount>& colours, const Box& box)
{
    double r = 0;
    double g = 0;
    double b = 0;
    double n = 0;
    for (std::size_t i = box.Begin; i < box.End; ++i) {
        const double w = colours[i].Count;
        r += qRed(colours[i].Colour) * w;
        g += qGreen(colours[i].Colour) * w;
        b += qBlue(colours[i].Colour) * w;
        n += w;
    }
    return qRgb(qRound(r / n), qRound(g / n), qRound(b / n));
}

std::vector<QRgb> MedianCut(std::vector<ColourCount> colours, int paletteSize)
{
    std::vector<Box> boxes{Box{0, colours.size()}};
    while (static_cast<int>(boxes.size()) < paletteSize) {
        // boxes.size() stands for none: every box is down to a single colour.
        std::size_t chosen = boxes.size();
        int chosenExtent = 0;
        std::size_t chosenChannel = 0;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].size() < 2) {
                continue;
            }
            const auto [extent, ch] = WidestChannel(colours, boxes[i]);
            if (extent > chosenExtent) {
                chosen = i;
                chosenExtent = extent;
                chosenChannel = ch;
            }
        }
        if (chosen == boxes.size()) {
            break;
        }
        const auto [left, right] = Split(colours, boxes[chosen], chosenChannel);
        boxes[chosen] = left;
        boxes.push_back(right);
    }
    std::vector<QRgb> palette;
    palette.reserve(boxes.size());
    for (const Box& box : boxes) {
        palette.push_back(Average(colours, box));
    }
    return palette;
}

int Nearest(const std::vector<QRgb>& palette, QRgb c)
{
    int best = 0;
    int bestDistance = INT_MAX;
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const int dr = qRed(palette[i]) - qRed(c);
        const int dg = qGreen(palette[i]) - qGreen(c);
        const int db = qBlue(palette[i]) - qBlue(c);
        const int d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = static_cast<int>(i);
        }
    }
    return best;
}

} // namespace

QImage ColourQuantiser::quantise(const QImage& image, int paletteSize)
{
    const QImage source = image.convertToFormat(QImage::Format_ARGB32);
    QHash<QRgb, int> counts;
    bool anyTransparent = false;
    for (int y = 0; y < source.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            if (qAlpha(line[x]) < AlphaCutoff) {
                anyTransparent = true;
            } else {
                ++counts[line[x] | 0xff000000u];
            }
        }
    }

    std::vector<ColourCount> colours;
    colours.reserve(static_cast<std::size_t>(counts.size()));
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        colours.push_back({it.key(), it.value()});
    }
    // Hash order is not stable between runs; sorting keeps the output identical.
    std::sort(colours.begin(), colours.end(),
              [](const ColourCount& a, const ColourCount& b) { return a.Colour < b.Colour; });

    const int opaqueSlots = paletteSize - (anyTransparent ? 1 : 0);
    const std::vector<QRgb> palette = MedianCut(colours, opaqueSlots);

    QList<QRgb> table;
    const int firstOpaque = anyTransparent ? 1 : 0;
    if (anyTransparent) {
        table.push_back(qRgba(0, 0, 0, 0));
    }
    for (QRgb c : palette) {
        table.push_back(c);
    }

    QImage result(source.size(), QImage::Format_Indexed8);
    result.setColorTable(table);
    QHash<QRgb, int> lookup;
    for (int y = 0; y < source.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        uchar* out = result.scanLine(y);
        for (int x = 0; x < source.width(); ++x) {
            if (qAlpha(line[x]) < AlphaCutoff) {
                out[x] = 0;
                continue;
            }
            const QRgb c = line[x] | 0xff000000u;
            auto found = lookup.find(c);
            if (found == lookup.end()) {
                found = lookup.insert(c, firstOpaque + Nearest(palette, c));
            }
            out[x] = static_cast<uchar>(found.value());
        }
    }
    return result;
}
