#include "app/tform1.h"
#include "support/fake_platform.h"

#include <QImage>

#include <gtest/gtest.h>

namespace chronavell {
namespace {

// Share of 2 x 2 pixel blocks in the area whose four pixels are all the same: 1 for a picture
// merely blown up from single pixels, far less for one drawn at the finer resolution.
double UniformBlocks(const QImage& image, const QRect& area)
{
    int uniform = 0;
    int blocks = 0;
    for (int y = area.top(); y + 1 <= area.bottom(); y += 2) {
        for (int x = area.left(); x + 1 <= area.right(); x += 2) {
            const QRgb pixel = image.pixel(x, y);
            uniform += pixel == image.pixel(x + 1, y) && pixel == image.pixel(x, y + 1) &&
                       pixel == image.pixel(x + 1, y + 1);
            ++blocks;
        }
    }
    return static_cast<double>(uniform) / blocks;
}

// Runs under QT_SCALE_FACTOR=2 (a test of its own in the suite); skipped at plain density.
TEST(HighDpi, WindowScalesAsAWholeWithFinePicturesAndText)
{
    test_support::FakePlatform fake;
    TForm1 form(fake.platform());
    form.show();
    if (form.devicePixelRatio() != 2.0) {
        GTEST_SKIP() << "needs QT_SCALE_FACTOR=2";
    }
    const QImage window = form.grab().toImage();
    ASSERT_EQ(window.size(), QSize(890, 344));
    // Page 1 at window (4, 24): the emblem and the Imperial date over it, in device pixels.
    const QRect emblem(2 * (4 + 200), 2 * (24 + 50), 2 * 200, 2 * 40);
    const QRect caption(2 * (4 + 240), 2 * (24 + 12), 2 * 120, 2 * 29);
    EXPECT_LT(UniformBlocks(window, emblem), 0.6);
    EXPECT_LT(UniformBlocks(window, caption), 0.8);
}

} // namespace
} // namespace chronavell
