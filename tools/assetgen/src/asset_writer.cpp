#include "asset_writer.h"

#include <QDir>
#include <QImageWriter>

#include <stdexcept>
#include <utility>

AssetWriter::AssetWriter(QString directory) : directory_(std::move(directory))
{
    if (!QDir().mkpath(directory_)) {
        throw std::runtime_error("cannot create folder " + directory_.toStdString());
    }
}

QString AssetWriter::pathOf(const QString& fileName) const
{
    return QDir(directory_).filePath(fileName);
}

void AssetWriter::writeRgbPng(const QImage& image, const QString& fileName) const
{
    write(image.convertToFormat(QImage::Format_RGB888), fileName, "png", -1);
}

void AssetWriter::writeIndexedPng(const QImage& image, const QString& fileName) const
{
    if (image.format() != QImage::Format_Indexed8 || image.colorCount() > 256) {
        throw std::runtime_error(fileName.toStdString() + ": not a palette image");
    }
    write(image, fileName, "png", -1);
}

void AssetWriter::writeJpeg(const QImage& image, const QString& fileName) const
{
    write(image.convertToFormat(QImage::Format_RGB888), fileName, "jpeg", JpegQuality);
}

void AssetWriter::write(const QImage& image, const QString& fileName, const char* format,
                        int quality) const
{
    QImageWriter writer(pathOf(fileName), format);
    if (quality >= 0) {
        writer.setQuality(quality);
    }
    if (!writer.write(image)) {
        throw std::runtime_error(fileName.toStdString() + ": " +
                                 writer.errorString().toStdString());
    }
}
