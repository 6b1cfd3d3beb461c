#include "armoured_figure.h"
#include "heraldry.h"
#include "paint_texture.h"
#include "prng.h"
#include "render_environment.h"
#include "text_style.h"

#include <QTest>

#include <vector>

// The building blocks every picture relies on: repeatable randomness, shapes
// that land where they are placed, and surface effects that stay in bounds.
class HelperTests : public QObject
{
    Q_OBJECT

public:
    // QTest calls this before it creates the application.
    static void initMain() { RenderEnvironment::pin(); }

private slots:
    void prngRepeatsForTheSameSeed()
    {
        Prng a(42);
        Prng b(42);
        Prng c(43);
        std::vector<std::uint32_t> fromA;
        bool cDiffers = false;
        for (int i = 0; i < 100; ++i) {
            fromA.push_back(a.next());
            QCOMPARE(b.next(), fromA.back());
            cDiffers = cDiffers || c.next() != fromA.back();
        }
        QVERIFY(cDiffers);
    }

    void prngStaysInItsRanges()
    {
        Prng prng(7);
        int hits[5] = {};
        for (int i = 0; i < 5000; ++i) {
            const double u = prng.unit();
            QVERIFY(u >= 0.0 && u < 1.0);
            const double j = prng.jitter();
            QVERIFY(j >= -1.0 && j <= 1.0);
            const int k = prng.below(5);
            QVERIFY(k >= 0 && k < 5);
            ++hits[k];
        }
        for (int n : hits) {
            QVERIFY2(n > 800 && n < 1200, qPrintable(QString::number(n)));
        }
    }

    void figureStandsOnItsFeetAtItsHeight()
    {
        const ArmouredFigure::Placement at{{100, 200}, 80, false, ArmouredFigure::Pose::Rifle, 0.3};
        const QRectF bounds = ArmouredFigure::silhouette(at).boundingRect();
        QVERIFY(qAbs(bounds.bottom() - 200) < 1.0);
        QVERIFY(qAbs(bounds.height() - 80) < 2.0);
        QVERIFY(bounds.left() < 100 && bounds.right() > 100);
    }

    void figureFacingLeftIsTheMirrorImage()
    {
        ArmouredFigure::Placement right{{100, 200}, 80, false, ArmouredFigure::Pose::Banner, 0.5};
        ArmouredFigure::Placement left = right;
        left.FacingLeft = true;
        const QRectF r = ArmouredFigure::silhouette(right).boundingRect();
        const QRectF l = ArmouredFigure::silhouette(left).boundingRect();
        QVERIFY(qAbs((r.right() - 100) - (100 - l.left())) < 0.5);
        QVERIFY(qAbs(ArmouredFigure::raisedTip(right).x() - 100 -
                     (100 - ArmouredFigure::raisedTip(left).x())) < 1e-9);
    }

    void figureHasNoHolesWherePiecesOverlap()
    {
        // Knee guards and shoulder guards overlap the limbs; the union
        // must cover those overlaps rather than cancel them out.
        const ArmouredFigure::Placement at{{0, 0}, 100, false, ArmouredFigure::Pose::Rifle, 0.0};
        const QPainterPath shape = ArmouredFigure::silhouette(at);
        for (QPointF inside : {QPointF(15, -29), QPointF(-12, -27), QPointF(17, -79),
                               QPointF(0, -66), QPointF(5, -92)}) {
            QVERIFY2(shape.contains(inside),
                     qPrintable(QStringLiteral("%1,%2").arg(inside.x()).arg(inside.y())));
        }
    }

    void skullKeepsItsFeaturesInside()
    {
        const QRectF box(10, 20, 38, 45);
        const Heraldry::Skull s = Heraldry::skull(box);
        QVERIFY(box.adjusted(-1, -1, 1, 2).contains(s.Head.boundingRect()));
        QVERIFY(s.Head.contains(s.Sockets.boundingRect().center()));
        QVERIFY(s.Sockets.contains(s.LeftEye));
        QVERIFY(s.Sockets.contains(s.RightEye));
        QVERIFY(s.LeftEye.x() < s.RightEye.x());
        QCOMPARE(s.LeftEye.y(), s.RightEye.y());
    }

    void fittedTextFillsItsBox()
    {
        const QFont font(TextStyle::SansFamily);
        const QRectF box(10, 10, 120, 20);
        const QRectF stretched =
            TextStyle::fitted(QStringLiteral("WORD"), font, box, false).boundingRect();
        QVERIFY(qAbs(stretched.left() - box.left()) < 0.01);
        QVERIFY(qAbs(stretched.right() - box.right()) < 0.01);
        QVERIFY(qAbs(stretched.top() - box.top()) < 0.01);
        QVERIFY(qAbs(stretched.bottom() - box.bottom()) < 0.01);
        const QRectF kept = TextStyle::fitted(QStringLiteral("WORD"), font, box).boundingRect();
        QVERIFY(box.adjusted(-0.01, -0.01, 0.01, 0.01).contains(kept));
        QVERIFY(qAbs(kept.center().x() - box.center().x()) < 0.01);
    }

    void grainStaysWithinItsAmplitude()
    {
        QImage image(40, 40, QImage::Format_RGB32);
        image.fill(qRgb(100, 120, 140));
        Prng prng(1);
        PaintTexture::grain(image, prng, 5);
        bool changed = false;
        for (int y = 0; y < 40; ++y) {
            for (int x = 0; x < 40; ++x) {
                const QRgb c = image.pixel(x, y);
                QVERIFY(qAbs(qRed(c) - 100) <= 5 && qAbs(qBlue(c) - 140) <= 5);
                changed = changed || qRed(c) != 100;
            }
        }
        QVERIFY(changed);
    }

    void vignetteDarkensOnlyTowardsTheCorners()
    {
        QImage image(41, 41, QImage::Format_RGB32);
        image.fill(qRgb(200, 200, 200));
        PaintTexture::vignette(image, 0.5);
        QCOMPARE(image.pixel(20, 20), qRgb(200, 200, 200));
        QCOMPARE(qRed(image.pixel(0, 0)), 100);
    }

    void brushedMetalStaysInsideItsArea()
    {
        QImage image(30, 30, QImage::Format_RGB32);
        image.fill(qRgb(80, 80, 80));
        Prng prng(3);
        PaintTexture::brushedMetal(image, QRect(10, 10, 10, 10), prng, 8);
        for (int y = 0; y < 30; ++y) {
            for (int x = 0; x < 30; ++x) {
                if (!QRect(10, 10, 10, 10).contains(x, y)) {
                    QCOMPARE(image.pixel(x, y), qRgb(80, 80, 80));
                }
            }
        }
    }
};

QTEST_MAIN(HelperTests)
#include "helper_tests.moc"
