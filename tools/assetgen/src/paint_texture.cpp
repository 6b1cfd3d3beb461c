#include "paint_texture.h"

#include "prng.h"

#include <QPainter>
#include <QtMath>

#include <algorithm>

namespace {

int ClampByte(int v)
{
    return std::clamp(v, 0, 255);
}

QRgb Shifted(QRgb c, int delta)
{
    return qRgba(ClampByte(qRed(c) + delta), ClampByte(qGreen(c) + delta),
                 ClampByte(qBlue(c) + delta), qAlpha(c));
}

} // namespace

void PaintTexture::brushStrokes(QImage& image, Prng& prng, const Strokes& strokes)
{
    // Sample from a frozen copy so strokes do not smear each other endlessly.
    const QImage source = image.copy();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < strokes.Count; ++i) {
        const double x = prng.range(0, image.width());
        const double y = prng.range(0, image.height());
        const QRgb base =
            source.pixel(std::min(int(x), image.width() - 1), std::min(int(y), image.height() - 1));
        const int delta = int(prng.jitter() * strokes.ColourJitter);
        QColor colour = QColor::fromRgb(Shifted(base, delta));
        colour.setAlphaF(float(strokes.Opacity * prng.range(0.6, 1.0)));
        const double angle = qDegreesToRadians(strokes.Angle + prng.jitter() * strokes.AngleSpread);
        const double half = strokes.Length * prng.range(0.5, 1.0) / 2;
        const QPointF d(std::cos(angle) * half, std::sin(angle) * half);
        QPen pen(colour, strokes.Width * prng.range(0.7, 1.2), Qt::SolidLine, Qt::RoundCap);
        p.setPen(pen);
        p.drawLine(QPointF(x, y) - d, QPointF(x, y) + d);
    }
}

void PaintTexture::grain(QImage& image, Prng& prng, int amplitude)
{
    if (image.format() != QImage::Format_ARGB32 && image.format() != QImage::Format_RGB32) {
        image = image.convertToFormat(QImage::Format_RGB32);
    }
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            line[x] = Shifted(line[x], int(prng.jitter() * amplitude));
        }
    }
}

void PaintTexture::brushedMetal(QImage& image, const QRect& area, Prng& prng, int amplitude)
{
    if (image.format() != QImage::Format_ARGB32 && image.format() != QImage::Format_RGB32) {
        image = image.convertToFormat(QImage::Format_RGB32);
    }
    const QRect r = area.intersected(image.rect());
    double streak = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = r.left(); x <= r.right(); ++x) {
            // A slowly wandering offset gives long streaks rather than fine noise.
            streak = streak * 0.93 + prng.jitter() * amplitude * 0.35;
            line[x] = Shifted(line[x], int(std::lround(streak + prng.jitter() * 1.5)));
        }
    }
}

void PaintTexture::vignette(QImage& image, double strength)
{
    if (image.format() != QImage::Format_ARGB32 && image.format() != QImage::Format_RGB32) {
        image = image.convertToFormat(QImage::Format_RGB32);
    }
    const double cx = (image.width() - 1) / 2.0;
    const double cy = (image.height() - 1) / 2.0;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const double dx = (x - cx) / cx;
            const double dy = (y - cy) / cy;
            const double k = 1.0 - strength * std::min(1.0, (dx * dx + dy * dy) / 2.0);
            const QRgb c = line[x];
            line[x] = qRgba(int(qRed(c) * k), int(qGreen(c) * k), int(qBlue(c) * k), qAlpha(c));
        }
    }
}
