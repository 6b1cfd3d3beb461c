#include "asset_set.h"

#include "asset_writer.h"
#include "battle_strip_painter.h"
#include "blink_strip_builder.h"
#include "conversion_background_painter.h"
#include "emblem_painter.h"
#include "glyph_painter.h"
#include "icon_painter.h"
#include "links_painter.h"
#include "portrait_painter.h"
#include "starfield_painter.h"
#include "warriors_painter.h"

std::vector<AssetSet::Asset> AssetSet::renderAll()
{
    std::vector<Asset> assets;
    assets.reserve(IconPainter::Sizes.size() + 13);
    for (int size : IconPainter::Sizes) {
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
        switch (asset.Encoding) {
        case Encoding::RgbPng:
            writer.writeRgbPng(asset.Image, asset.FileName);
            break;
        case Encoding::IndexedPng:
            writer.writeIndexedPng(asset.Image, asset.FileName);
            break;
        case Encoding::Jpeg:
            writer.writeJpeg(asset.Image, asset.FileName);
            break;
        }
    }
}
