#include "widgets/picture.h"

#include <QImage>

#include <gtest/gtest.h>

#include <stdexcept>

namespace chronavell {
namespace {

TEST(Picture, DeferredImageIsMadeOnceWhenFirstNeeded)
{
    Picture picture;
    picture.resize(8, 8);
    int made = 0;
    picture.setDeferredImage([&made] {
        ++made;
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(Qt::red);
        return image;
    });
    EXPECT_EQ(made, 0);
    const QImage drawn = picture.grab().toImage();
    EXPECT_EQ(made, 1);
    EXPECT_EQ(drawn.pixelColor(4, 4), QColor(Qt::red));
    EXPECT_EQ(picture.image().size(), QSize(8, 8));
    EXPECT_EQ(made, 1);
}

TEST(Picture, DeferredImageThatFailsStaysBlankWithoutThrowing)
{
    Picture picture;
    picture.resize(8, 8);
    picture.setDeferredImage([]() -> QImage { throw std::runtime_error("damaged"); });
    EXPECT_NO_THROW((void)picture.grab());
    EXPECT_TRUE(picture.image().isNull());
}

// Every pixel of the source rectangle lands on its own place in the target rectangle, offsets
// of both taken into account, and nothing outside the target changes.
TEST(Picture, PasteCopiesOneToOneAndOnlyThere)
{
    const auto distinct = [](int x, int y) { return qRgb(x * 7, y * 11, 200); };
    QImage source(12, 20, QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            source.setPixel(x, y, distinct(x, y));
        }
    }
    QImage background(30, 16, QImage::Format_RGB32);
    background.fill(Qt::black);
    Picture picture;
    picture.setImage(background);
    const QRect from(3, 10, 5, 6);
    const QRect to(17, 4, 5, 6);
    picture.paste(source, from, to);
    const QImage& result = picture.image();
    for (int y = 0; y < result.height(); ++y) {
        for (int x = 0; x < result.width(); ++x) {
            const QPoint at(x, y);
            const QRgb expected = to.contains(at)
                                      ? distinct(x - to.x() + from.x(), y - to.y() + from.y())
                                      : qRgb(0, 0, 0);
            ASSERT_EQ(result.pixel(at), expected) << x << "," << y;
        }
    }
}

} // namespace
} // namespace chronavell
