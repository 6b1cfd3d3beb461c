#include "widgets/png_file.h"

#include <QBuffer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace chronavell {
namespace {

// The same picture saved in several formats, each under a name that claims PNG: only the
// PNG is read, whatever else an installed plugin could have made of the others.
TEST(ReadPng, ReadsPngAndNothingElse)
{
    QImage picture(6, 4, QImage::Format_RGB32);
    picture.fill(QColor(10, 200, 30));
    const QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const struct
    {
        const char* Format;
        bool Read;
    } cases[] = {{"png", true}, {"bmp", false}, {"jpg", false}, {"ppm", false}};
    for (const auto& [format, read] : cases) {
        const QString path = folder.filePath(QStringLiteral("%1.png").arg(QLatin1String(format)));
        ASSERT_TRUE(picture.save(path, format)) << format;
        const QImage result = ReadPng(path);
        EXPECT_EQ(!result.isNull(), read) << format;
        if (read) {
            EXPECT_EQ(result.convertToFormat(QImage::Format_RGB32), picture);
        }
    }
    EXPECT_TRUE(ReadPng(folder.filePath(QStringLiteral("missing.png"))).isNull());
}

} // namespace
} // namespace chronavell
