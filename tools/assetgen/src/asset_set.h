#pragma once

#include <QImage>
#include <QString>

#include <vector>

class AssetWriter;

// Every picture the program shows, under the file name it loads it by.
class AssetSet
{
public:
    enum class Encoding
    {
        RgbPng,
        IndexedPng,
        Jpeg
    };

    struct Asset
    {
        QString FileName;
        QImage Image;
        AssetSet::Encoding Encoding;
    };

    // Throws if a self-check fails (such as the blink strip's first frame).
    static std::vector<Asset> renderAll();
    static void writeAll(const std::vector<Asset>& assets, const AssetWriter& writer);
};
