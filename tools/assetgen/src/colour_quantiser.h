#pragma once

#include <QImage>

// Median-cut reduction to a palette image. The icon has to fit the classic
// 256-colour icon format, and Qt's own conversion falls back to a fixed
// colour cube that muddies the reds.
class ColourQuantiser
{
public:
    static constexpr int MaxPaletteSize = 256;
    // Pixels below this alpha become the single transparent palette entry;
    // everything else is treated as opaque.
    static constexpr int AlphaCutoff = 128;

    static QImage quantise(const QImage& image, int paletteSize = MaxPaletteSize);
};
