#include "app/tform1.h"
#include "fake_platform.h"
#include "pages/conversion_page.h"
#include "support/qt_printers.h"
#include "widgets/picture.h"
#include "widgets/tabbed_notebook.h"

#include <QElapsedTimer>
#include <QPaintEvent>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace chronavell {
namespace {

const QRect LampRegion(205, 0, 232, 144);

QImage LoadedBackground()
{
    return QImage(QStringLiteral(":/assets/conversion-background.png"))
        .convertToFormat(QImage::Format_RGB32);
}

QImage StripFrame(int frame)
{
    return QImage(QStringLiteral(":/assets/blink-strip.png"))
        .convertToFormat(QImage::Format_RGB32)
        .copy(0, frame * 144, 232, 144);
}

// Records the parts of a widget that get painted.
class PaintRecorder : public QObject
{
public:
    QRegion Painted;

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            Painted += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }
};

class Blink : public ::testing::Test
{
protected:
    void SetUp() override
    {
        fake_.Executable.Directory = std::filesystem::temp_directory_path();
        form_ = std::make_unique<TForm1>(fake_.platform());
        // The test drives the timers itself.
        timer("Timer1")->stop();
        timer("Timer2")->stop();
    }

    void Show()
    {
        form_->show();
        timer("Timer1")->stop();
        timer("Timer2")->stop();
    }

    QTimer* timer(const char* name) const
    {
        return form_->findChild<QTimer*>(QString::fromLatin1(name));
    }
    Picture& background() const { return *form_->conversionPage()->Image4; }
    QImage lampRegion() const { return background().image().copy(LampRegion); }
    bool lit() const { return lampRegion() == StripFrame(1); }
    bool unlit() const { return background().image() == LoadedBackground(); }

    test_support::FakePlatform fake_;
    std::unique_ptr<TForm1> form_;
};

TEST_F(Blink, TheStripMatchesTheBackground)
{
    EXPECT_EQ(StripFrame(0), LoadedBackground().copy(LampRegion));
    EXPECT_NE(StripFrame(1), StripFrame(0));
}

TEST_F(Blink, PressLightsAtOnceAndTheEndTickPutsItOut)
{
    Show();
    ASSERT_TRUE(unlit());
    // Any mouse button starts a blink, even one that never makes a click.
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        for (const char* name : {"SpeedButton1", "SpeedButton2"}) {
            auto* convert = form_->findChild<QToolButton*>(QString::fromLatin1(name));
            QTest::mousePress(convert, button);
            EXPECT_TRUE(lit()) << name << " " << button;
            EXPECT_TRUE(timer("Timer3")->isActive());
            QTest::mouseRelease(convert, button);
            form_->Timer3Timer();
            EXPECT_TRUE(unlit());
            EXPECT_FALSE(timer("Timer3")->isActive());
        }
    }
}

TEST_F(Blink, NothingExtendsARunningBlink)
{
    Show();
    form_->Timer2Timer();
    ASSERT_TRUE(lit());
    QTest::qWait(300);
    const int remaining = timer("Timer3")->remainingTime();
    ASSERT_GT(remaining, 0);
    ASSERT_LT(remaining, 800);
    form_->SpeedButton1MouseDown();
    form_->Timer2Timer();
    EXPECT_LE(timer("Timer3")->remainingTime(), remaining);
    EXPECT_TRUE(lit());
    // The countdown that was running ends the blink on its own.
    QTest::qWait(remaining + 150);
    EXPECT_TRUE(unlit());
    EXPECT_FALSE(timer("Timer3")->isActive());
}

TEST_F(Blink, ManyBlinksLeaveTheBackgroundAsLoaded)
{
    Show();
    for (int blink = 0; blink < 50; ++blink) {
        if (blink % 3 == 0) {
            form_->SpeedButton2MouseDown();
        }
        form_->Timer2Timer();
        form_->Timer3Timer();
    }
    EXPECT_TRUE(unlit());
}

TEST_F(Blink, DrawsOnTheHiddenPageAndRepaintsOnlyTheLamp)
{
    Show();
    auto* notebook = form_->findChild<TabbedNotebook*>("TabbedNotebook1");
    notebook->setCurrentIndex(0);
    form_->Timer2Timer();
    EXPECT_TRUE(lit());
    form_->Timer3Timer();

    notebook->setCurrentIndex(1);
    QApplication::processEvents();
    PaintRecorder recorder;
    background().installEventFilter(&recorder);
    form_->Timer2Timer();
    QApplication::processEvents();
    EXPECT_EQ(recorder.Painted, QRegion(LampRegion));
    background().removeEventFilter(&recorder);
}

TEST_F(Blink, NoBlinkBeforeTheFirstShowing)
{
    // A window started minimised is first shown only later; its Timer2 ticks meanwhile.
    form_->Timer2Timer();
    EXPECT_TRUE(unlit());
    EXPECT_FALSE(timer("Timer3")->isActive());
    Show();
    form_->Timer2Timer();
    EXPECT_TRUE(lit());
}

TEST_F(Blink, TimersAsDesigned)
{
    EXPECT_EQ(timer("Timer2")->interval(), 5000);
    EXPECT_EQ(timer("Timer3")->interval(), 1000);
    EXPECT_FALSE(timer("Timer3")->isActive());
    auto fresh = std::make_unique<TForm1>(fake_.platform());
    EXPECT_TRUE(fresh->findChild<QTimer*>("Timer2")->isActive());
    EXPECT_TRUE(fresh->findChild<QTimer*>("Timer1")->isActive());
}

} // namespace
} // namespace chronavell

namespace chronavell {
namespace {

// Counts paint events of every widget it watches.
class PaintCounter : public QObject
{
public:
    int Paints = 0;

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        Paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

// The caption clock changes the title bar only: a tick repaints nothing inside the window.
TEST_F(Blink, CaptionTickRepaintsNothingInTheWindow)
{
    Show();
    QApplication::processEvents();
    PaintCounter counter;
    for (QWidget* widget : form_->findChildren<QWidget*>()) {
        widget->installEventFilter(&counter);
    }
    form_->installEventFilter(&counter);
    for (int tick = 0; tick < 5; ++tick) {
        fake_.TheClock.Now = fake_.TheClock.Now.addSecs(1);
        form_->Timer1Timer();
        QApplication::processEvents();
    }
    EXPECT_EQ(form_->windowTitle(), "[0347005.M 3] : 19:07:10");
    EXPECT_EQ(counter.Paints, 0);
}

// Left running on the real clock, the lamp lights and goes out on the caption clock's own
// ticks: the idle window wakes once a second for all three timers, not once more per edge.
TEST(BlinkTimers, LampEdgesFallOnClockTicks)
{
    // Started 0.3 s past a whole second of the monotonic clock, which Qt's timers run on, a
    // clock timer that merely keeps within 5% drifts to the half seconds within four ticks,
    // away from the lamp's timers.
    timespec now{};
    ASSERT_EQ(clock_gettime(CLOCK_MONOTONIC, &now), 0);
    QThread::msleep(static_cast<unsigned long>((1300 - now.tv_nsec / 1'000'000) % 1000));
    test_support::FakePlatform fake;
    fake.Executable.Directory = std::filesystem::temp_directory_path();
    TForm1 form(fake.platform());
    form.show();
    QElapsedTimer clock;
    clock.start();
    std::map<std::string, std::vector<qint64>> fired;
    for (const char* name : {"Timer1", "Timer2", "Timer3"}) {
        auto* timer = form.findChild<QTimer*>(QString::fromLatin1(name));
        ASSERT_NE(timer, nullptr) << name;
        QObject::connect(timer, &QTimer::timeout, &form,
                         [&fired, &clock, name] { fired[name].push_back(clock.elapsed()); });
    }
    // The first lamp lights within 5 s and goes out a second later.
    QTest::qWait(6600);
    ASSERT_GE(fired["Timer2"].size(), 1U);
    ASSERT_GE(fired["Timer3"].size(), 1U);
    ASSERT_GE(fired["Timer1"].size(), 5U);
    for (const char* edge : {"Timer2", "Timer3"}) {
        for (const qint64 at : fired[edge]) {
            const bool onATick =
                std::any_of(fired["Timer1"].begin(), fired["Timer1"].end(),
                            [at](qint64 tick) { return std::abs(tick - at) <= 20; });
            EXPECT_TRUE(onATick) << edge << " at " << at << " ms";
        }
    }
}

} // namespace
} // namespace chronavell
