#include "app/tform1.h"
#include "app/timer.h"
#include "support/fake_platform.h"
#include "support/qt_printers.h"
#include "widgets/picture.h"

#include <QApplication>
#include <QPaintEvent>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

namespace chronavell {
namespace {

using namespace std::chrono_literals;

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

// Records the parts of the widgets it watches that get painted.
class PaintRecorder : public QObject
{
public:
    QRegion Painted;
    int Paints = 0;

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            Painted += static_cast<QPaintEvent*>(event)->region();
            ++Paints;
        }
        return false;
    }
};

// The window on the fake clock: time moves only when a test moves it.
class Blink : public ::testing::Test
{
protected:
    void SetUp() override { form_ = std::make_unique<TForm1>(fake_.platform()); }

    Timer* timer(const char* name) const
    {
        return form_->findChild<Timer*>(QString::fromLatin1(name));
    }
    void press(const char* button, Qt::MouseButton mouseButton = Qt::LeftButton) const
    {
        QTest::mousePress(form_->findChild<QToolButton*>(QString::fromLatin1(button)), mouseButton);
    }
    Picture& background() const { return *form_->findChild<Picture*>("Image4"); }
    bool lit() const { return background().image().copy(LampRegion) == StripFrame(1); }
    bool unlit() const { return background().image() == LoadedBackground(); }

    test_support::FakePlatform fake_;
    std::unique_ptr<TForm1> form_;
};

TEST_F(Blink, TheStripMatchesTheBackground)
{
    EXPECT_EQ(StripFrame(0), LoadedBackground().copy(LampRegion));
    EXPECT_NE(StripFrame(1), StripFrame(0));
}

TEST_F(Blink, PressLightsAtOnceAndASecondLaterItGoesOut)
{
    form_->show();
    timer("Timer2")->setEnabled(false);
    ASSERT_TRUE(unlit());
    // Any mouse button starts a blink, even one that never makes a click.
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        for (const char* name : {"SpeedButton1", "SpeedButton2"}) {
            press(name, button);
            EXPECT_TRUE(lit()) << name << " " << button;
            fake_.TheClock.advance(999ms);
            EXPECT_TRUE(lit()) << name << " " << button;
            fake_.TheClock.advance(1ms);
            EXPECT_TRUE(unlit()) << name << " " << button;
            EXPECT_FALSE(timer("Timer3")->isEnabled());
        }
    }
}

TEST_F(Blink, NothingExtendsARunningBlink)
{
    form_->show();
    // The period lights the lamp at 5 s; a press 0.3 s into the blink and the period's next
    // tick, pressed on to fall inside a blink, leave its end where it was.
    fake_.TheClock.advance(5s);
    ASSERT_TRUE(lit());
    fake_.TheClock.advance(300ms);
    press("SpeedButton1");
    fake_.TheClock.advance(699ms);
    EXPECT_TRUE(lit());
    fake_.TheClock.advance(1ms);
    EXPECT_TRUE(unlit());

    fake_.TheClock.advance(3s + 800ms);
    press("SpeedButton2");
    fake_.TheClock.advance(200ms);
    ASSERT_EQ(fake_.TheClock.elapsed(), 10'000);
    fake_.TheClock.advance(799ms);
    EXPECT_TRUE(lit());
    fake_.TheClock.advance(1ms);
    EXPECT_TRUE(unlit());
}

TEST_F(Blink, TimersTickAsDesignedAndOnlyTheCountdownStops)
{
    std::map<std::string, std::vector<std::int64_t>> ticks;
    for (const char* name : {"Timer1", "Timer2", "Timer3"}) {
        QObject::connect(timer(name), &Timer::timeout, form_.get(),
                         [this, &ticks, name] { ticks[name].push_back(fake_.TheClock.elapsed()); });
    }
    // The clock and the period count from the window's making; the countdown waits for a
    // blink, which needs the window shown first.
    EXPECT_TRUE(timer("Timer1")->isEnabled());
    EXPECT_TRUE(timer("Timer2")->isEnabled());
    EXPECT_FALSE(timer("Timer3")->isEnabled());
    form_->show();
    fake_.TheClock.advance(12s);
    EXPECT_EQ(ticks["Timer1"].size(), 12U);
    EXPECT_EQ(ticks["Timer2"], (std::vector<std::int64_t>{5000, 10000}));
    // Lit by the period, the lamp goes out on a tick of the caption clock: a lamp edge
    // never costs a wake-up of its own.
    EXPECT_EQ(ticks["Timer3"], (std::vector<std::int64_t>{6000, 11000}));
    EXPECT_TRUE(timer("Timer1")->isEnabled());
    EXPECT_TRUE(timer("Timer2")->isEnabled());
    EXPECT_FALSE(timer("Timer3")->isEnabled());
}

TEST_F(Blink, ManyBlinksLeaveTheBackgroundAsLoaded)
{
    form_->show();
    for (int blink = 0; blink < 50; ++blink) {
        if (blink % 3 == 0) {
            press("SpeedButton2");
        }
        fake_.TheClock.advance(blink % 2 == 0 ? 5s : 2s + 300ms);
    }
    fake_.TheClock.advance(1s);
    EXPECT_FALSE(timer("Timer3")->isEnabled());
    EXPECT_TRUE(unlit());
}

TEST_F(Blink, DrawsOnTheHiddenPageAndRepaintsOnlyTheLamp)
{
    form_->show();
    auto* tabs = form_->findChild<QTabBar*>("Tabs");
    tabs->setCurrentIndex(0);
    fake_.TheClock.advance(5s);
    EXPECT_TRUE(lit());
    fake_.TheClock.advance(1s);

    tabs->setCurrentIndex(1);
    QApplication::processEvents();
    PaintRecorder recorder;
    background().installEventFilter(&recorder);
    fake_.TheClock.advance(4s);
    QApplication::processEvents();
    EXPECT_EQ(recorder.Painted, QRegion(LampRegion));
    background().removeEventFilter(&recorder);
}

TEST_F(Blink, NoBlinkBeforeTheFirstShowing)
{
    // A window started minimised is first shown only later; its period ticks meanwhile.
    fake_.TheClock.advance(5s);
    EXPECT_TRUE(unlit());
    EXPECT_FALSE(timer("Timer3")->isEnabled());
    form_->show();
    fake_.TheClock.advance(5s);
    EXPECT_TRUE(lit());
}

// The caption clock changes the title bar only: a tick repaints nothing inside the window.
TEST_F(Blink, CaptionTickRepaintsNothingInTheWindow)
{
    form_->show();
    timer("Timer2")->setEnabled(false);
    QApplication::processEvents();
    PaintRecorder recorder;
    for (QWidget* widget : form_->findChildren<QWidget*>()) {
        widget->installEventFilter(&recorder);
    }
    form_->installEventFilter(&recorder);
    for (int tick = 0; tick < 5; ++tick) {
        fake_.TheClock.advance(1s);
        QApplication::processEvents();
    }
    EXPECT_EQ(form_->windowTitle(), "[0347005.M 3] : 19:07:10");
    EXPECT_EQ(recorder.Paints, 0);
}

} // namespace
} // namespace chronavell
