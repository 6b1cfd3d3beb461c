#include "blink_strip_builder.h"
#include "conversion_background_painter.h"
#include "conversion_layout.h"
#include "heraldry.h"
#include "render_environment.h"

#include <QTest>

#include <cmath>
#include <stdexcept>

// The program restores the page after a blink by copying frame 0 back over
// it; these checks are what keep the lamp from leaving marks behind.
class BlinkStripTests : public QObject
{
    Q_OBJECT

public:
    // QTest calls this before it creates the application.
    static void initMain() { RenderEnvironment::pin(); }

private:
    QImage background_;
    QImage strip_;

    static QImage frame(const QImage& strip, int index)
    {
        const QSize f = BlinkStripBuilder::FrameSize;
        return strip.copy(0, index * f.height(), f.width(), f.height());
    }

private slots:
    void initTestCase()
    {
        background_ = ConversionBackgroundPainter::render();
        strip_ = BlinkStripBuilder::build(background_);
    }

    void stripHoldsTwoStackedFrames()
    {
        QCOMPARE(strip_.size(), QSize(232, 288));
        QCOMPARE(strip_.format(), QImage::Format_RGB888);
        QCOMPARE(ConversionLayout::BlinkRegion, QRect(205, 0, 232, 144));
    }

    void frameZeroIsTheBackgroundRegionExactly()
    {
        const QImage unlit = frame(strip_, 0);
        for (int y = 0; y < 144; ++y) {
            for (int x = 0; x < 232; ++x) {
                QCOMPARE(unlit.pixel(x, y), background_.pixel(205 + x, y));
            }
        }
    }

    void checkRejectsASinglePixelOff()
    {
        QVERIFY(BlinkStripBuilder::restoresBackground(strip_, background_));
        QImage tampered = strip_;
        const QRgb c = tampered.pixel(100, 50);
        tampered.setPixel(100, 50, qRgb(qRed(c) ^ 1, qGreen(c), qBlue(c)));
        QVERIFY(!BlinkStripBuilder::restoresBackground(tampered, background_));
    }

    void buildRefusesABackgroundOfTheWrongSize()
    {
        QImage small(100, 100, QImage::Format_RGB888);
        small.fill(Qt::black);
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, BlinkStripBuilder::build(small));
    }

    void litFrameChangesOnlyTheLampAndTheEyes()
    {
        const QImage unlit = frame(strip_, 0);
        const QImage lit = frame(strip_, 1);
        const QPointF lamp = ConversionLayout::topLamp() - ConversionLayout::BlinkRegion.topLeft();
        const Heraldry::Skull skull = Heraldry::skull(ConversionLayout::SkullBox);
        const QPointF offset = ConversionLayout::BlinkRegion.topLeft();
        int changedNearLamp = 0;
        int changedInEyes = 0;
        for (int y = 0; y < lit.height(); ++y) {
            for (int x = 0; x < lit.width(); ++x) {
                if (lit.pixel(x, y) == unlit.pixel(x, y)) {
                    continue;
                }
                const QPointF at(x + 0.5, y + 0.5);
                const double toLamp = std::hypot(at.x() - lamp.x(), at.y() - lamp.y());
                bool inEye = false;
                for (QPointF eye : {skull.LeftEye - offset, skull.RightEye - offset}) {
                    inEye = inEye ||
                            std::hypot(at.x() - eye.x(), at.y() - eye.y()) <= skull.EyeRadius + 1.5;
                }
                QVERIFY2(toLamp <= BlinkStripBuilder::GlareReach || inEye,
                         qPrintable(QStringLiteral("stray change at %1,%2").arg(x).arg(y)));
                (inEye ? changedInEyes : changedNearLamp)++;
            }
        }
        QVERIFY(changedNearLamp > 200);
        QVERIFY(changedInEyes > 4);
    }

    void litLampIsBrightGreenWhite()
    {
        const QPoint lamp =
            (ConversionLayout::topLamp() - ConversionLayout::BlinkRegion.topLeft()).toPoint();
        const QColor before = frame(strip_, 0).pixelColor(lamp);
        const QColor after = frame(strip_, 1).pixelColor(lamp);
        QVERIFY(after.lightness() > 220);
        QVERIFY(after.green() >= after.red());
        QVERIFY(after.lightness() > before.lightness() + 60);
    }
};

QTEST_MAIN(BlinkStripTests)
#include "blink_strip_tests.moc"
