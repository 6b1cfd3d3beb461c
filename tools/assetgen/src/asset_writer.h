#pragma once

#include <QImage>
#include <QString>

// Saves finished pictures into the asset folder in the exact pixel format the
// program expects, and turns every failure into an exception so that a
// half-written asset folder never goes unnoticed.
class AssetWriter
{
public:
    static constexpr int JpegQuality = 90;

    explicit AssetWriter(QString directory);

    // 24 bits per pixel, no alpha channel: the program copies these pixels
    // around as they are.
    void writeRgbPng(const QImage& image, const QString& fileName) const;
    // Palette image; the caller has already reduced it to 256 colours.
    void writeIndexedPng(const QImage& image, const QString& fileName) const;
    void writeJpeg(const QImage& image, const QString& fileName) const;

    [[nodiscard]] QString pathOf(const QString& fileName) const;

private:
    void write(const QImage& image, const QString& fileName, const char* format, int quality) const;

    QString directory_;
};
