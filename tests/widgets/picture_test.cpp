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

TEST(Picture, PasteCopiesOneToOneAndOnlyThere)
{
    QImage background(20, 10, QImage::Format_RGB32);
    background.fill(Qt::black);
    QImage strip(4, 8, QImage::Format_RGB32);
    strip.fill(Qt::green);
    Picture picture;
    picture.setImage(background);
    picture.paste(strip, QRect(0, 4, 4, 4), QRect(10, 2, 4, 4));
    const QImage& result = picture.image();
    EXPECT_EQ(result.pixelColor(10, 2), QColor(Qt::green));
    EXPECT_EQ(result.pixelColor(13, 5), QColor(Qt::green));
    EXPECT_EQ(result.pixelColor(9, 2), QColor(Qt::black));
    EXPECT_EQ(result.pixelColor(14, 5), QColor(Qt::black));
    EXPECT_EQ(result.pixelColor(10, 6), QColor(Qt::black));
}

} // namespace
} // namespace chronavell
