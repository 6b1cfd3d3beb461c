#include "app/second_ticker.h"

#include "app/clock.h"
#include "app/timer.h"

namespace chronavell {
namespace {

using namespace std::chrono_literals;

constexpr int MillisecondsPerSecond = 1000;
// The steady clock the alarm counts on and the wall clock may drift apart a little while the
// wall clock is slewed: an alarm this close before the second it waits for is early, and is
// set again for the rest, rather than showing the old second twice.
constexpr int EarlyWakeUp = 50;

// The UTC millisecond stands for the local one: zones differ from UTC by whole minutes, and
// reading it costs no time zone look-up.
int MillisecondOfSecond(const Clock& clock)
{
    return static_cast<int>(clock.utcMillisecondOfDay() % MillisecondsPerSecond);
}

} // namespace

SecondTicker::SecondTicker(Clock& clock, QObject* owner)
    : QObject(owner), clock_(clock), alarm_(clock.makeTimer(this, 1s, Qt::PreciseTimer))
{
    connect(alarm_, &Timer::timeout, this, &SecondTicker::wake);
}

void SecondTicker::listen()
{
    if (listeners_++ == 0) {
        sleepUntilNextSecond(MillisecondOfSecond(clock_));
    }
}

void SecondTicker::stopListening()
{
    if (--listeners_ == 0) {
        alarm_->setEnabled(false);
    }
}

void SecondTicker::wake()
{
    const int now = MillisecondOfSecond(clock_);
    if (now < MillisecondsPerSecond - EarlyWakeUp) {
        ticking_ = true;
        ++seconds_;
        emit second();
        ticking_ = false;
    }
    if (listeners_ > 0) {
        sleepUntilNextSecond(MillisecondOfSecond(clock_));
    }
}

void SecondTicker::sleepUntilNextSecond(int millisecondOfSecond)
{
    alarm_->restart(std::chrono::milliseconds(MillisecondsPerSecond - millisecondOfSecond));
}

} // namespace chronavell
