#include "widgets/glyph_strip.h"

#include "widgets/png_file.h"

#include <QImage>
#include <QPixmap>

namespace chronavell {
namespace {

QPixmap Frame(const QImage& strip, int index)
{
    const int side = strip.height();
    QImage frame = strip.copy(index * side, 0, side, side).convertToFormat(QImage::Format_ARGB32);
    const QRgb olive = qRgb(128, 128, 0);
    for (int y = 0; y < frame.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(frame.scanLine(y));
        for (int x = 0; x < frame.width(); ++x) {
            if ((line[x] | 0xFF000000U) == olive) {
                line[x] = qRgba(0, 0, 0, 0);
            }
        }
    }
    return QPixmap::fromImage(frame);
}

} // namespace

QIcon GlyphStripIcon(const QString& path)
{
    const QImage strip = ReadPng(path);
    if (strip.isNull() || strip.width() < 2 * strip.height()) {
        // Built into the program: only a broken build gets here, and a blank button says so.
        qWarning("The glyph %s cannot be read", qPrintable(path));
        return {};
    }
    QIcon icon;
    icon.addPixmap(Frame(strip, 0), QIcon::Normal);
    icon.addPixmap(Frame(strip, 1), QIcon::Disabled);
    return icon;
}

} // namespace chronavell
