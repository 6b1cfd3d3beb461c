#include "emblem_painter.h"
#include "links_painter.h"
#include "portrait_painter.h"
#include "render_environment.h"
#include "starfield_painter.h"
#include "test_support.h"
#include "warriors_painter.h"

#include <QColor>
#include <QTest>

#include <algorithm>

// The pages put these pictures at fixed places and lay clickable areas or
// text over them; these checks keep the content where the pages expect it.
class PictureTests : public QObject
{
    Q_OBJECT

public:
    // QTest calls this before it creates the application.
    static void initMain() { RenderEnvironment::pin(); }

private:
    static bool isBannerYellow(QRgb c) { return qRed(c) > 200 && qGreen(c) > 160 && qBlue(c) < 90; }
    static bool isLetteringGreen(QRgb c)
    {
        return qGreen(c) > 150 && qGreen(c) > qRed(c) + 60 && qGreen(c) > qBlue(c) + 60;
    }
    static bool isWhite(QRgb c) { return qRed(c) > 235 && qGreen(c) > 235 && qBlue(c) > 235; }
    static bool isDark(QRgb c) { return qGray(c) < 30; }
    static bool isFireLit(QRgb c) { return qRed(c) > 150 && qRed(c) > qBlue(c) + 80; }
    static bool isLensRed(QRgb c) { return qRed(c) > 200 && qGreen(c) < 90; }
    static bool isArmourBlue(QRgb c) { return qBlue(c) > 70 && qBlue(c) > qRed(c) + 40; }

    // Share of the picture's matching pixels that fall inside the area.
    static double shareInside(const QImage& image, const QRect& area, bool (*test)(QRgb))
    {
        const int inside = test_support::CountPixels(image, area, test);
        const int all = test_support::CountPixels(image, image.rect(), test);
        return all == 0 ? 0.0 : double(inside) / all;
    }

private slots:
    void eachBannerLiesUnderItsOwnHotspot()
    {
        const QImage links = LinksPainter::render();
        // Where the areas overlap the later one wins the click, so each
        // banner is checked against the part its own area wins.
        const QRect zarrowOnly = LinksPainter::ZarrowArea.adjusted(0, 17, 0, 0);
        QVERIFY(shareInside(links, LinksPainter::BrannochArea, isBannerYellow) > 0.95);
        // The forum's creature is green too, so only the band above the
        // forum banner is searched for the archive's lettering.
        const QImage topBand = links.copy(0, 0, links.width(), LinksPainter::ZarrowArea.top());
        QVERIFY(shareInside(topBand, LinksPainter::VelquistArea.adjusted(1, 0, 0, 0),
                            isLetteringGreen) > 0.95);
        QVERIFY(test_support::CountPixels(links, zarrowOnly, isWhite) > 300);
        QVERIFY(test_support::CountPixels(links, LinksPainter::BrannochArea, isBannerYellow) > 500);
        QVERIFY(test_support::CountPixels(links, LinksPainter::VelquistArea, isLetteringGreen) >
                300);
    }

    void linksGapsStayEmpty()
    {
        // Points that open nothing should not look like part of a banner.
        const QImage links = LinksPainter::render();
        for (QPoint gap : {QPoint(50, 100), QPoint(200, 20), QPoint(400, 120)}) {
            QVERIFY(qGray(links.pixel(gap)) < 120);
        }
    }

    void warriorsStandInTheShownPart()
    {
        const QImage art = WarriorsPainter::render();
        QVERIFY(WarriorsPainter::ShownPart.right() < art.width());
        const QRect shown = WarriorsPainter::ShownPart;
        const int area = shown.width() * shown.height();
        const int dark = test_support::CountPixels(art, shown, isDark);
        const int lit = test_support::CountPixels(art, shown, isFireLit);
        QVERIFY2(dark > area / 8, qPrintable(QString::number(dark)));
        QVERIFY2(lit > area / 6, qPrintable(QString::number(lit)));
    }

    void emblemIsGreyOnBlack()
    {
        const QImage emblem = EmblemPainter::render();
        int mostColour = 0;
        for (int y = 0; y < emblem.height(); ++y) {
            for (int x = 0; x < emblem.width(); ++x) {
                const QRgb c = emblem.pixel(x, y);
                const int spread = std::max({qRed(c), qGreen(c), qBlue(c)}) -
                                   std::min({qRed(c), qGreen(c), qBlue(c)});
                mostColour = std::max(mostColour, spread);
            }
        }
        QVERIFY2(mostColour <= 12, qPrintable(QString::number(mostColour)));
        QVERIFY(qGray(emblem.pixel(2, emblem.height() - 3)) < 16);
        QVERIFY(qGray(emblem.pixel(emblem.width() / 2, emblem.height() / 2 - 8)) > 90);
    }

    void galaxySitsUpperRightOverBlueSpace()
    {
        const QImage sky = StarfieldPainter::render();
        const QRect upperRight(sky.width() * 3 / 4, 0, sky.width() / 4, sky.height() / 2);
        auto reddish = [](QRgb c) { return qRed(c) > 90 && qRed(c) > qBlue(c) + 20; };
        QVERIFY(shareInside(sky, upperRight, reddish) > 0.8);
        auto bluish = [](QRgb c) { return qBlue(c) > qRed(c) + 25; };
        const QRect bottom(0, sky.height() * 2 / 3, sky.width(), sky.height() / 3);
        QVERIFY(test_support::CountPixels(sky, bottom, bluish) >
                bottom.width() * bottom.height() / 2);
    }

    void portraitShowsBlueArmourAndRedLenses()
    {
        const QImage face = PortraitPainter::render();
        const int blue = test_support::CountPixels(face, face.rect(), isArmourBlue);
        QVERIFY2(blue > 1000, qPrintable(QString::number(blue)));
        const int red = test_support::CountPixels(face, QRect(0, 30, 77, 40), isLensRed);
        QVERIFY2(red > 20, qPrintable(QString::number(red)));
    }
};

QTEST_MAIN(PictureTests)
#include "picture_tests.moc"
