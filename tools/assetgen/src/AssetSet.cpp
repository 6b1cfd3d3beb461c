#include "AssetSet.h"

#include "AssetWriter.h"
#include "BattleStripPainter.h"
#include "BlinkStripBuilder.h"
#include "ConversionBackgroundPainter.h"
#include "EmblemPainter.h"
#include "GlyphPainter.h"
#include "IconPainter.h"
#include "LinksPainter.h"
#include "PortraitPainter.h"
#include "StarfieldPainter.h"
#include "WarriorsPainter.h"

std::vector<AssetSet::Asset> AssetSet::renderAll()
{
    std::vector<Asset> assets;
    assets.reserve(IconPainter::sizes.size() + 13);
    for (int size : IconPainter::sizes) {
        assets.push_back({QStringLiteral("icon-%1.png").arg(size), IconPainter::renderIndexed(size),
                          Encoding::IndexedPng});
    }

    const QImage background = ConversionBackgroundPainter::render();
    assets.push_back({QStringLiteral("conversion-background.png"), background, Encoding::RgbPng});
    assets.push_back({QStringLiteral("blink-strip.png"), BlinkStripBuilder::build(background),
                      Encoding::RgbPng});

    assets.push_back(
        {QStringLiteral("glyph-to-imperial.png"), GlyphPainter::toImperial(), Encoding::RgbPng});
    assets.push_back({QStringLiteral("glyph-from-imperial.png"), GlyphPainter::fromImperial(),
                      Encoding::RgbPng});
    assets.push_back({QStringLiteral("glyph-help.png"), GlyphPainter::help(), Encoding::RgbPng});
    assets.push_back({QStringLiteral("glyph-past.png"), GlyphPainter::past(), Encoding::RgbPng});
    assets.push_back(
        {QStringLiteral("glyph-future.png"), GlyphPainter::future(), Encoding::RgbPng});

    assets.push_back({QStringLiteral("emblem.jpg"), EmblemPainter::render(), Encoding::Jpeg});
    assets.push_back({QStringLiteral("warriors.jpg"), WarriorsPainter::render(), Encoding::Jpeg});
    assets.push_back({QStringLiteral("starfield.jpg"), StarfieldPainter::render(), Encoding::Jpeg});
    assets.push_back(
        {QStringLiteral("battle-strip.jpg"), BattleStripPainter::render(), Encoding::Jpeg});
    assets.push_back({QStringLiteral("links.jpg"), LinksPainter::render(), Encoding::Jpeg});
    assets.push_back({QStringLiteral("portrait.jpg"), PortraitPainter::render(), Encoding::Jpeg});
    return assets;
}

void AssetSet::writeAll(const std::vector<Asset>& assets, const AssetWriter& writer)
{
    for (const Asset& asset : assets) {
        switch (asset.encoding) {
        case Encoding::RgbPng:
            writer.writeRgbPng(asset.image, asset.fileName);
            break;
        case Encoding::IndexedPng:
            writer.writeIndexedPng(asset.image, asset.fileName);
            break;
        case Encoding::Jpeg:
            writer.writeJpeg(asset.image, asset.fileName);
            break;
        }
    }
}
