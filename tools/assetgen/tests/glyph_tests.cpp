#include "glyph_painter.h"
#include "palette.h"
#include "test_support.h"

#include <QTest>

// The program keys olive out of the glyphs; an antialiased edge would leave
// a greenish fringe, so the glyphs must be made of a few exact colours.
class GlyphTests : public QObject
{
    Q_OBJECT

private:
    static QRect enabledHalf() { return {0, 0, GlyphPainter::cell, GlyphPainter::cell}; }
    static QRect disabledHalf()
    {
        return {GlyphPainter::cell, 0, GlyphPainter::cell, GlyphPainter::cell};
    }

private slots:
    void stripsHaveTheButtonSize_data()
    {
        QTest::addColumn<QImage>("strip");
        QTest::newRow("to imperial") << GlyphPainter::toImperial();
        QTest::newRow("from imperial") << GlyphPainter::fromImperial();
        QTest::newRow("help") << GlyphPainter::help();
        QTest::newRow("past") << GlyphPainter::past();
        QTest::newRow("future") << GlyphPainter::future();
    }

    void stripsHaveTheButtonSize()
    {
        QFETCH(QImage, strip);
        QCOMPARE(strip.size(), QSize(32, 16));
        QVERIFY(!strip.hasAlphaChannel());
    }

    void disabledHalfIsOnlyKeyGreyAndWhite_data() { stripsHaveTheButtonSize_data(); }

    void disabledHalfIsOnlyKeyGreyAndWhite()
    {
        QFETCH(QImage, strip);
        const QSet<QRgb> allowed{Palette::glyphKey, Palette::etchShadow, Palette::etchLight};
        const QSet<QRgb> found = TestSupport::coloursIn(strip, disabledHalf());
        QVERIFY(found.contains(Palette::etchShadow));
        QVERIFY(found.contains(Palette::etchLight));
        QVERIFY(allowed.contains(found));
    }

    void enabledHalfHasNoBlendedEdges_data() { stripsHaveTheButtonSize_data(); }

    void enabledHalfHasNoBlendedEdges()
    {
        // Pixel art uses a handful of colours; antialiasing would produce
        // dozens of in-between shades.
        QFETCH(QImage, strip);
        const QSet<QRgb> found = TestSupport::coloursIn(strip, enabledHalf());
        QVERIFY(found.contains(Palette::glyphKey));
        QVERIFY2(found.size() <= 12, qPrintable(QString::number(found.size())));
    }

    void wedgeUsesTheFixedColours()
    {
        const QImage past = GlyphPainter::past();
        QVERIFY(TestSupport::coloursIn(past).size() <= 16);
        // Tip at the middle of the left edge, red down the middle row.
        QCOMPARE(past.pixel(0, 7) | 0xff000000u, Palette::pureRed);
        QCOMPARE(past.pixel(0, 6) | 0xff000000u, Palette::glyphKey);
        QCOMPARE(past.pixel(10, 7) | 0xff000000u, Palette::pureRed);
        QCOMPARE(past.pixel(10, 4) | 0xff000000u, Palette::pureBlue);
        QCOMPARE(past.pixel(10, 10) | 0xff000000u, Palette::navy);
        // Widest at the right-hand end.
        QCOMPARE(past.pixel(14, 0) | 0xff000000u, Palette::pureBlue);
        QCOMPARE(past.pixel(14, 14) | 0xff000000u, Palette::navy);
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
        QCOMPARE(disabled.pixel(8, 4) | 0xff000000u, Palette::glyphKey);
        QCOMPARE(disabled.pixel(0, 7) | 0xff000000u, Palette::etchShadow);
    }
};

QTEST_MAIN(GlyphTests)
#include "glyph_tests.moc"
