#include "glyph_painter.h"
#include "palette.h"
#include "render_environment.h"
#include "test_support.h"

#include <QTest>

#include <vector>

// The program keys olive out of the glyphs; an antialiased edge would leave
// a greenish fringe, so the glyphs must be made of a few exact colours.
class GlyphTests : public QObject
{
    Q_OBJECT

public:
    // QTest calls this before it creates the application.
    static void initMain() { RenderEnvironment::pin(); }

private:
    static QRect enabledHalf() { return {0, 0, GlyphPainter::Cell, GlyphPainter::Cell}; }
    static QRect disabledHalf()
    {
        return {GlyphPainter::Cell, 0, GlyphPainter::Cell, GlyphPainter::Cell};
    }

    struct Strip
    {
        const char* Name;
        QImage Image;
    };

    static std::vector<Strip> strips()
    {
        return {{"to imperial", GlyphPainter::toImperial()},
                {"from imperial", GlyphPainter::fromImperial()},
                {"help", GlyphPainter::help()},
                {"past", GlyphPainter::past()},
                {"future", GlyphPainter::future()}};
    }

private slots:
    void stripsHaveTheButtonSize()
    {
        for (const Strip& strip : strips()) {
            QVERIFY2(strip.Image.size() == QSize(32, 16), strip.Name);
            QVERIFY2(!strip.Image.hasAlphaChannel(), strip.Name);
        }
    }

    void disabledHalfIsOnlyKeyGreyAndWhite()
    {
        const QSet<QRgb> allowed{Palette::GlyphKey, Palette::EtchShadow, Palette::EtchLight};
        for (const Strip& strip : strips()) {
            const QSet<QRgb> found = test_support::ColoursIn(strip.Image, disabledHalf());
            QVERIFY2(found.contains(Palette::EtchShadow), strip.Name);
            QVERIFY2(found.contains(Palette::EtchLight), strip.Name);
            QVERIFY2(allowed.contains(found), strip.Name);
        }
    }

    void enabledHalfHasNoBlendedEdges()
    {
        // Pixel art uses a handful of colours; antialiasing would produce
        // dozens of in-between shades.
        for (const Strip& strip : strips()) {
            const QSet<QRgb> found = test_support::ColoursIn(strip.Image, enabledHalf());
            QVERIFY2(found.contains(Palette::GlyphKey), strip.Name);
            QVERIFY2(
                found.size() <= 12,
                qPrintable(QStringLiteral("%1: %2 colours").arg(strip.Name).arg(found.size())));
        }
    }

    void wedgeUsesTheFixedColours()
    {
        const QImage past = GlyphPainter::past();
        QVERIFY(test_support::ColoursIn(past).size() <= 16);
        // Tip at the middle of the left edge, red down the middle row.
        QCOMPARE(past.pixel(0, 7) | 0xff000000u, Palette::PureRed);
        QCOMPARE(past.pixel(0, 6) | 0xff000000u, Palette::GlyphKey);
        QCOMPARE(past.pixel(10, 7) | 0xff000000u, Palette::PureRed);
        QCOMPARE(past.pixel(10, 4) | 0xff000000u, Palette::PureBlue);
        QCOMPARE(past.pixel(10, 10) | 0xff000000u, Palette::Navy);
        // Widest at the right-hand end.
        QCOMPARE(past.pixel(14, 0) | 0xff000000u, Palette::PureBlue);
        QCOMPARE(past.pixel(14, 14) | 0xff000000u, Palette::Navy);
    }

    void mirroredPairsAreMirrorImages()
    {
        QCOMPARE(GlyphPainter::future(), GlyphPainter::mirrored(GlyphPainter::past()));
        QCOMPARE(GlyphPainter::fromImperial(), GlyphPainter::mirrored(GlyphPainter::toImperial()));
        const QImage past = GlyphPainter::past();
        const QImage future = GlyphPainter::future();
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                QCOMPARE(future.pixel(15 - x, y), past.pixel(x, y));
            }
        }
    }

    void etchOfTheWedgeIgnoresItsDarkFill()
    {
        // Blue is darker than the detail threshold; the wedge must still
        // come out as an outline rather than a solid grey block.
        const QImage disabled = GlyphPainter::past().copy(disabledHalf());
        QCOMPARE(disabled.pixel(8, 4) | 0xff000000u, Palette::GlyphKey);
        QCOMPARE(disabled.pixel(0, 7) | 0xff000000u, Palette::EtchShadow);
    }
};

QTEST_MAIN(GlyphTests)
#include "glyph_tests.moc"
