#include "widgets/png_file.h"

#include <QImageReader>

namespace chronavell {

QImage ReadPng(const QString& path)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

} // namespace chronavell
