#pragma once

#include <QImage>
#include <QRect>
#include <QSet>

// Small pixel helpers shared by the asset tests.
namespace test_support {

inline QSet<QRgb> ColoursIn(const QImage& image, const QRect& area)
{
    QSet<QRgb> colours;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            colours.insert(image.pixel(x, y) | 0xff000000u);
        }
    }
    return colours;
}

inline QSet<QRgb> ColoursIn(const QImage& image)
{
    return ColoursIn(image, image.rect());
}

inline int CountPixels(const QImage& image, const QRect& area, bool (*test)(QRgb))
{
    int n = 0;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            if (test(image.pixel(x, y))) {
                ++n;
            }
        }
    }
    return n;
}

} // namespace test_support
