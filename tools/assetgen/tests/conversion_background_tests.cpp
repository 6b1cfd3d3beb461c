#include "conversion_background_painter.h"
#include "conversion_layout.h"
#include "render_environment.h"
#include "test_support.h"

#include <QTest>

#include <utility>

// The background carries the page's captions; they must be where the
// controls expect them and must not run under a control.
class ConversionBackgroundTests : public QObject
{
    Q_OBJECT

public:
    // QTest calls this before it creates the application.
    static void initMain() { RenderEnvironment::pin(); }

private:
    QImage page_;

    static bool isCaptionYellow(QRgb c)
    {
        return qRed(c) > 230 && qGreen(c) > 230 && qBlue(c) < 40;
    }
    static bool isCaptionWhite(QRgb c)
    {
        return qRed(c) > 235 && qGreen(c) > 235 && qBlue(c) > 235;
    }
    static bool isCaptionGrey(QRgb c)
    {
        return qAbs(qRed(c) - 0xa8) < 6 && qAbs(qGreen(c) - 0xac) < 6 && qAbs(qBlue(c) - 0xb2) < 6;
    }

    static QList<QRect> controls()
    {
        using L = ConversionLayout;
        return {L::ClassList,    L::HelpButton,        L::MonthField,         L::DayField,
                L::YearField,    L::ToImperialButton,  L::FromImperialButton, L::CheckDigit,
                L::SegmentField, L::ImperialYearField, L::MillenniumField};
    }

private slots:
    void initTestCase() { page_ = ConversionBackgroundPainter::render(); }

    void isAFullPageWithoutAlpha()
    {
        QCOMPARE(page_.size(), QSize(437, 144));
        QCOMPARE(page_.format(), QImage::Format_RGB888);
    }

    void titleSitsAboveTheClassList()
    {
        QVERIFY(test_support::CountPixels(page_, QRect(0, 0, 114, 14), isCaptionGrey) > 40);
        QCOMPARE(test_support::CountPixels(page_, QRect(0, 14, 150, 30), isCaptionGrey), 0);
    }

    void fieldCaptionsStandAboveTheirFields()
    {
        using L = ConversionLayout;
        for (const auto& [name, field] :
             {std::pair{"month", L::MonthField}, std::pair{"day", L::DayField},
              std::pair{"year", L::YearField}}) {
            const QRect band(field.left(), 74, 30, 12);
            QVERIFY2(test_support::CountPixels(page_, band, isCaptionWhite) > 10, name);
            // Starts at the field's left edge, not before it.
            QVERIFY2(test_support::CountPixels(page_, QRect(field.left() - 4, 74, 4, 12),
                                               isCaptionWhite) == 0,
                     name);
        }
    }

    void imperialCaptionsStandBelowTheirFields()
    {
        using L = ConversionLayout;
        for (const auto& [name, field] :
             {std::pair{"check date", L::CheckDigit}, std::pair{"segment", L::SegmentField},
              std::pair{"year", L::ImperialYearField},
              std::pair{"millennium", L::MillenniumField}}) {
            const QRect below(field.center().x() - 12, 119, 25, 21);
            QVERIFY2(test_support::CountPixels(page_, below, isCaptionYellow) > 10, name);
        }
    }

    void millenniumMarkSitsBetweenItsFields()
    {
        QVERIFY(test_support::CountPixels(page_, QRect(349, 93, 15, 13), isCaptionWhite) > 15);
    }

    void noCaptionRunsUnderAControl()
    {
        for (const QRect& control : controls()) {
            QCOMPARE(test_support::CountPixels(page_, control, isCaptionYellow), 0);
            QCOMPARE(test_support::CountPixels(page_, control, isCaptionWhite), 0);
        }
    }

    void topLampIsGreenAndTheOthersRed()
    {
        for (std::size_t i = 0; i < ConversionLayout::LampY.size(); ++i) {
            const QColor c = page_.pixelColor(int(ConversionLayout::LampX) + 1,
                                              int(ConversionLayout::LampY[i]) + 1);
            if (i == 0) {
                QVERIFY(c.green() > 2 * c.red());
            } else {
                QVERIFY(c.red() > 2 * c.green());
            }
        }
    }
};

QTEST_MAIN(ConversionBackgroundTests)
#include "conversion_background_tests.moc"
