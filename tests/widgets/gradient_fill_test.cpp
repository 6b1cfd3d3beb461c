#include "widgets/gradient_fill.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <utility>

namespace chronavell {
namespace {

// Band `band` of 64 steps from `from` to `to`, each channel rounded down, in floating point
// rather than with the control's shifts.
QRgb Expected(QColor from, QColor to, int band)
{
    const auto step = [band](int a, int b) {
        return a + static_cast<int>(std::floor(band * (b - a) / 64.0));
    };
    return qRgb(step(from.red(), to.red()), step(from.green(), to.green()),
                step(from.blue(), to.blue()));
}

struct Host
{
    explicit Host(QSize size)
    {
        Parent.resize(size);
        Parent.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&Parent));
    }
    QWidget Parent;
    TGradientFill* Fill = new TGradientFill(&Parent);
};

const QColor DialogBlue(108, 108, 255);

TEST(GradientFill, EveryRowHasItsBandsColour)
{
    struct Row
    {
        const char* Name = nullptr;
        QColor From;
        QColor To;
        int Height = 0;
        int BandHeight = 0;
        int LowestBand = 0;
        QColor Lowest;
    };
    const Row rows[] = {
        {"dialog", Qt::black, DialogBlue, 385, 7, 54, QColor(91, 91, 215)},
        {"about page", Qt::black, QColor(106, 106, 255), 144, 3, 47, QColor(77, 77, 187)},
        {"icon high", Qt::black, DialogBlue, 32, 1, 31, QColor(52, 52, 123)},
        {"128 rows", Qt::black, DialogBlue, 128, 3, 42, QColor(70, 70, 167)},
        {"falling", Qt::white, Qt::black, 64, 2, 31, QColor(131, 131, 131)},
        {"uniform", DialogBlue, DialogBlue, 100, 2, 49, DialogBlue},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        Host host({9, row.Height});
        host.Fill->setColorFrom(row.From);
        host.Fill->setColor(row.To);
        const QImage image = host.Parent.grab().toImage();
        for (int y = 0; y < row.Height; ++y) {
            ASSERT_EQ(image.pixel(0, y), Expected(row.From, row.To, y / row.BandHeight)) << y;
            ASSERT_EQ(image.pixel(8, y), image.pixel(0, y)) << y;
        }
        EXPECT_EQ((row.Height - 1) / row.BandHeight, row.LowestBand);
        EXPECT_EQ(image.pixel(0, row.Height - 1), row.Lowest.rgb());
    }
    // Both instances' band 1, and a falling channel rounded down.
    EXPECT_EQ(Expected(Qt::black, DialogBlue, 1), qRgb(1, 1, 3));
    EXPECT_EQ(qRed(Expected(Qt::white, Qt::black, 1)), 251);
}

TEST(GradientFill, BottomToTopStartsWithColor)
{
    Host host({20, 385});
    host.Fill->setColor(DialogBlue);
    host.Fill->setFillDirection(TFillDirection::fdBottomToTop);
    const QImage image = host.Parent.grab().toImage();
    EXPECT_EQ(image.pixel(5, 0), DialogBlue.rgb());
    EXPECT_EQ(image.pixel(5, 384), qRgb(16, 16, 39));
}

TEST(GradientFill, CoversItsParentBeneathItsSiblings)
{
    QWidget parent;
    parent.resize(120, 80);
    new QWidget(&parent);
    auto* fill = new TGradientFill(&parent);
    auto* later = new QWidget(&parent);
    parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    const auto bottom = [&parent] { return parent.findChildren<QWidget*>().value(0); };
    EXPECT_EQ(bottom(), fill);
    fill->raise();
    EXPECT_EQ(bottom(), fill);
    fill->stackUnder(later);
    EXPECT_EQ(bottom(), fill);

    fill->setGeometry(10, 10, 32, 32);
    EXPECT_EQ(fill->geometry(), QRect(0, 0, 120, 80));
    parent.resize(200, 0); // nothing left to see
    EXPECT_EQ(fill->geometry(), QRect(0, 0, 200, 0));
}

TEST(GradientFill, RepaintsOnlyWhenAValueChanges)
{
    using Set = std::function<void(TGradientFill&)>;
    const std::pair<Set, Set> setters[] = {
        {[](auto& f) { f.setColor(QColor(4, 5, 6)); }, [](auto& f) { f.setColor(Qt::red); }},
        {[](auto& f) { f.setColorFrom(QColor(1, 2, 3)); },
         [](auto& f) { f.setColorFrom(QColor(1, 2, 4)); }},
        {[](auto& f) { f.setFillDirection(TFillDirection::fdTopToBottom); },
         [](auto& f) { f.setFillDirection(TFillDirection::fdBottomToTop); }},
    };
    for (const auto& [present, other] : setters) {
        Host host({30, 30});
        host.Fill->setColor(QColor(4, 5, 6));
        host.Fill->setColorFrom(QColor(1, 2, 3));
        QApplication::processEvents();
        int paints = 0;
        struct Counter : QObject
        {
            int* Paints = nullptr;
            bool eventFilter(QObject* /*watched*/, QEvent* event) override
            {
                *Paints += event->type() == QEvent::Paint ? 1 : 0;
                return false;
            }
        } counter;
        counter.Paints = &paints;
        host.Fill->installEventFilter(&counter);
        present(*host.Fill);
        QApplication::processEvents();
        EXPECT_EQ(paints, 0);
        other(*host.Fill);
        QApplication::processEvents();
        EXPECT_GT(paints, 0);
    }
}

} // namespace
} // namespace chronavell
