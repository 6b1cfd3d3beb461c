#include "widgets/deferred_icon_engine.h"
#include "widgets/glyph_strip.h"

#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

#include <stdexcept>

namespace chronavell {
namespace {

QIcon RedSquareIcon()
{
    QPixmap square(16, 16);
    square.fill(Qt::red);
    QPixmap grey(16, 16);
    grey.fill(Qt::gray);
    QIcon icon(square);
    icon.addPixmap(grey, QIcon::Disabled);
    return icon;
}

TEST(DeferredIconEngine, MadeOnceOnFirstUseAndSharedByCopies)
{
    int made = 0;
    const QIcon icon(new DeferredIconEngine([&made] {
        ++made;
        return RedSquareIcon();
    }));
    const QIcon copy = icon;
    EXPECT_EQ(made, 0);
    EXPECT_EQ(icon.pixmap(16, 16).toImage().pixelColor(8, 8), QColor(Qt::red));
    EXPECT_EQ(copy.pixmap(16, 16, QIcon::Disabled).toImage().pixelColor(8, 8), QColor(Qt::gray));
    EXPECT_EQ(icon.actualSize(QSize(32, 32)), QSize(16, 16));
    EXPECT_EQ(made, 1);
}

TEST(DeferredIconEngine, IconThatFailsStaysBlankWithoutThrowing)
{
    const QIcon icon(
        new DeferredIconEngine([]() -> QIcon { throw std::runtime_error("damaged"); }));
    QPixmap drawn;
    EXPECT_NO_THROW(drawn = icon.pixmap(16, 16));
    EXPECT_TRUE(drawn.isNull());
}

TEST(GlyphStripIcon, EnabledAndDisabledFramesWithOliveKeyedOut)
{
    const QIcon icon = GlyphStripIcon(QStringLiteral(":/assets/glyph-help.png"));
    for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled}) {
        const QImage frame = icon.pixmap(16, 16, mode).toImage();
        ASSERT_EQ(frame.size(), QSize(16, 16)) << mode;
        bool clear = false;
        bool olive = false;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                clear = clear || frame.pixelColor(x, y).alpha() == 0;
                olive = olive || frame.pixelColor(x, y) == QColor(128, 128, 0);
            }
        }
        EXPECT_TRUE(clear) << mode;
        EXPECT_FALSE(olive) << mode;
    }
}

} // namespace
} // namespace chronavell
