#pragma once

#include "app/second_ticker.h"
#include "app/timer.h"

#include <QPointer>

#include <cstdint>

namespace chronavell {

// A timer of whole seconds that ticks with the wall clock's seconds, on the SecondTicker's
// wake-up, so that the caption clock and the lamp share one wake-up a second. A countdown
// that must keep its interval from wherever it starts (a click may start it at any moment)
// is given an exact timer too, which it then owns: started between the ticker's seconds, it runs on
// that; started on one of them, it ends on a later one.
class SecondsTimer final : public Timer
{
    Q_OBJECT

public:
    SecondsTimer(SecondTicker& ticker, int seconds, QObject* owner, Timer* exact = nullptr);
    ~SecondsTimer() override;
    SecondsTimer(const SecondsTimer&) = delete;
    SecondsTimer& operator=(const SecondsTimer&) = delete;

    void setEnabled(bool enabled) override;
    bool isEnabled() const override
    {
        return counting_ || (exact_ != nullptr && exact_->isEnabled());
    }
    void restart(std::chrono::milliseconds interval) override;

private:
    void countSecond();

    // The window may let go of the ticker before its timers.
    QPointer<SecondTicker> ticker_;
    int seconds_;
    Timer* exact_;
    bool counting_ = false;
    int secondsLeft_ = 0;
    // The second it was started on, which does not count.
    std::uint64_t startedOn_ = 0;
};

} // namespace chronavell
