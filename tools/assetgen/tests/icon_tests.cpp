#include "colour_quantiser.h"
#include "icon_painter.h"
#include "render_environment.h"
#include "test_support.h"

#include <QTest>

// The icon has to survive the trip into a 256-colour icon with a one-bit
// mask, at every size.
class IconTests : public QObject
{
    Q_OBJECT

public:
    // QTest calls this before it creates the application.
    static void initMain() { RenderEnvironment::pin(); }

private slots:
    void everySizeIsAPaletteImageWithACleanMask()
    {
        for (int size : IconPainter::Sizes) {
            const QString name = QString::number(size);
            const QImage icon = IconPainter::renderIndexed(size);
            QVERIFY2(icon.size() == QSize(size, size), qPrintable(name));
            QVERIFY2(icon.format() == QImage::Format_Indexed8, qPrintable(name));
            QVERIFY2(icon.colorCount() <= 256, qPrintable(name));
            for (QRgb entry : icon.colorTable()) {
                QVERIFY2(qAlpha(entry) == 0 || qAlpha(entry) == 255, qPrintable(name));
            }
            // Corners stay transparent, the page's middle is opaque.
            QVERIFY2(qAlpha(icon.pixel(0, size - 1)) == 0, qPrintable(name));
            QVERIFY2(qAlpha(icon.pixel(size / 2, size * 3 / 4)) == 255, qPrintable(name));
        }
    }

    void letteringIsRed()
    {
        // Count strongly red pixels on the page below the header band.
        const QImage icon = IconPainter::render(64);
        int red = 0;
        for (int y = 28; y < 58; ++y) {
            for (int x = 14; x < 50; ++x) {
                const QRgb c = icon.pixel(x, y);
                red += qRed(c) > 150 && qGreen(c) < 80 && qBlue(c) < 80;
            }
        }
        QVERIFY2(red > 200, qPrintable(QString::number(red)));
    }

    void quantiserKeepsFewColoursExactly()
    {
        QImage image(8, 8, QImage::Format_ARGB32);
        image.fill(qRgb(200, 10, 10));
        image.setPixel(1, 1, qRgb(0, 0, 255));
        image.setPixel(2, 2, qRgba(0, 0, 0, 0));
        const QImage q = ColourQuantiser::quantise(image);
        QCOMPARE(q.colorCount(), 3);
        QCOMPARE(q.pixel(0, 0), qRgb(200, 10, 10));
        QCOMPARE(q.pixel(1, 1), qRgb(0, 0, 255));
        QCOMPARE(qAlpha(q.pixel(2, 2)), 0);
    }

    void quantiserBoundsManyColoursClosely()
    {
        QImage ramp(64, 64, QImage::Format_RGB32);
        for (int y = 0; y < 64; ++y) {
            for (int x = 0; x < 64; ++x) {
                ramp.setPixel(x, y, qRgb(x * 4, y * 4, (x + y) * 2));
            }
        }
        const QImage q = ColourQuantiser::quantise(ramp);
        QCOMPARE(q.colorCount(), 256);
        int worst = 0;
        for (int y = 0; y < 64; ++y) {
            for (int x = 0; x < 64; ++x) {
                const QRgb a = ramp.pixel(x, y);
                const QRgb b = q.pixel(x, y);
                worst = std::max({worst, qAbs(qRed(a) - qRed(b)), qAbs(qGreen(a) - qGreen(b)),
                                  qAbs(qBlue(a) - qBlue(b))});
            }
        }
        QVERIFY2(worst <= 24, qPrintable(QString::number(worst)));
    }
};

QTEST_MAIN(IconTests)
#include "icon_tests.moc"
