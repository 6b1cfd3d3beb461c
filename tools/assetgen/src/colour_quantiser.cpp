#include "colour_quantiser.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <climits>
#include <vector>

namespace {

struct ColourCount
{
    QRgb colour;
    int count;
};

int channel(QRgb c, int which)
{
    return which == 0 ? qRed(c) : which == 1 ? qGreen(c) : qBlue(c);
}

struct Box
{
    std::size_t begin;
    std::size_t end;

    [[nodiscard]] std::size_t size() const { return end - begin; }
};

// Longest channel extent of a box, and which channel it is.
std::pair<int, int> widestChannel(const std::vector<ColourCount>& colours, const Box& box)
{
    std::array<int, 3> lo{255, 255, 255};
    std::array<int, 3> hi{0, 0, 0};
    for (std::size_t i = box.begin; i < box.end; ++i) {
        for (int ch = 0; ch < 3; ++ch) {
            lo[ch] = std::min(lo[ch], channel(colours[i].colour, ch));
            hi[ch] = std::max(hi[ch], channel(colours[i].colour, ch));
        }
    }
    int best = 0;
    for (int ch = 1; ch < 3; ++ch) {
        if (hi[ch] - lo[ch] > hi[best] - lo[best]) {
            best = ch;
        }
    }
    return {hi[best] - lo[best], best};
}

// Splits at the pixel-weighted median so that busy colour regions get more
// palette entries than rare ones.
std::pair<Box, Box> split(std::vector<ColourCount>& colours, const Box& box, int ch)
{
    auto first = colours.begin() + static_cast<std::ptrdiff_t>(box.begin);
    auto last = colours.begin() + static_cast<std::ptrdiff_t>(box.end);
    std::sort(first, last, [ch](const ColourCount& a, const ColourCount& b) {
        return channel(a.colour, ch) < channel(b.colour, ch);
    });
    long total = 0;
    for (auto it = first; it != last; ++it) {
        total += it->count;
    }
    long running = 0;
    std::size_t cut = box.begin + 1;
    for (std::size_t i = box.begin; i + 1 < box.end; ++i) {
        running += colours[i].count;
        cut = i + 1;
        if (running * 2 >= total) {
            break;
        }
    }
    return {Box{box.begin, cut}, Box{cut, box.end}};
}

QRgb average(const std::vector<ColourCount>& colours, const Box& box)
{
    double r = 0;
    double g = 0;
    double b = 0;
    double n = 0;
    for (std::size_t i = box.begin; i < box.end; ++i) {
        const double w = colours[i].count;
        r += qRed(colours[i].colour) * w;
        g += qGreen(colours[i].colour) * w;
        b += qBlue(colours[i].colour) * w;
        n += w;
    }
    return qRgb(qRound(r / n), qRound(g / n), qRound(b / n));
}

std::vector<QRgb> medianCut(std::vector<ColourCount> colours, int paletteSize)
{
    std::vector<Box> boxes{Box{0, colours.size()}};
    while (static_cast<int>(boxes.size()) < paletteSize) {
        int chosen = -1;
        int chosenExtent = 0;
        int chosenChannel = 0;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].size() < 2) {
                continue;
            }
            const auto [extent, ch] = widestChannel(colours, boxes[i]);
            if (extent > chosenExtent) {
                chosen = static_cast<int>(i);
                chosenExtent = extent;
                chosenChannel = ch;
            }
        }
        if (chosen < 0) {
            break;
        }
        const auto [left, right] = split(colours, boxes[chosen], chosenChannel);
        boxes[chosen] = left;
        boxes.push_back(right);
    }
    std::vector<QRgb> palette;
    palette.reserve(boxes.size());
    for (const Box& box : boxes) {
        palette.push_back(average(colours, box));
    }
    return palette;
}

int nearest(const std::vector<QRgb>& palette, QRgb c)
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
            if (qAlpha(line[x]) < alphaCutoff) {
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
              [](const ColourCount& a, const ColourCount& b) { return a.colour < b.colour; });

    const int opaqueSlots = paletteSize - (anyTransparent ? 1 : 0);
    const std::vector<QRgb> palette = medianCut(colours, opaqueSlots);

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
            if (qAlpha(line[x]) < alphaCutoff) {
                out[x] = 0;
                continue;
            }
            const QRgb c = line[x] | 0xff000000u;
            auto found = lookup.find(c);
            if (found == lookup.end()) {
                found = lookup.insert(c, firstOpaque + nearest(palette, c));
            }
            out[x] = static_cast<uchar>(found.value());
        }
    }
    return result;
}
