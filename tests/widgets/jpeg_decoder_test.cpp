#include "widgets/jpeg_decoder.h"

#include <QBuffer>
#include <QImage>

#include <gtest/gtest.h>

#include <stdexcept>

namespace chronavell {
namespace {

QByteArray EncodedPicture()
{
    QImage image(40, 24, QImage::Format_RGB32);
    image.fill(QColor(200, 40, 10));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, "JPG", 95));
    return bytes;
}

TEST(DecodeJpeg, DecodesOpaquePixels)
{
    const QImage image = DecodeJpeg(EncodedPicture(), "test");
    ASSERT_EQ(image.size(), QSize(40, 24));
    const QColor centre = image.pixelColor(20, 12);
    EXPECT_NEAR(centre.red(), 200, 4);
    EXPECT_NEAR(centre.green(), 40, 4);
    EXPECT_NEAR(centre.blue(), 10, 4);
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 255);
}

TEST(DecodeJpeg, DamagedPicturesAreErrors)
{
    const QByteArray good = EncodedPicture();
    QByteArray garbled = good;
    for (qsizetype i = good.size() / 2; i < good.size() - 2; ++i) {
        garbled[i] = static_cast<char>(0xFF);
    }
    for (const QByteArray& bad :
         {QByteArray(), QByteArray("not a picture"), good.left(good.size() / 3), garbled}) {
        EXPECT_THROW((void)DecodeJpeg(bad, "damaged"), std::runtime_error) << bad.size();
    }
}

TEST(LoadJpeg, MissingFileIsAnError)
{
    try {
        (void)LoadJpeg("/nonexistent/picture.jpg");
        ADD_FAILURE() << "no error";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find("/nonexistent/picture.jpg"), std::string::npos);
    }
}

} // namespace
} // namespace chronavell
