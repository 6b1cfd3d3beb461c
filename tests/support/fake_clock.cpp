#include "support/fake_clock.h"

#include "support/fake_timer.h"

#include <stdexcept>

namespace chronavell::test_support {

QDateTime FakeClock::localNow() const
{
    if (Broken) {
        throw std::runtime_error("The clock stopped");
    }
    return Now;
}

Timer* FakeClock::makeTimer(QObject* owner, std::chrono::milliseconds interval,
                            Qt::TimerType /*type*/)
{
    auto* timer = new FakeTimer(owner, interval, [this] { return elapsed_; });
    timers_.append(timer);
    return timer;
}

void FakeClock::advance(std::chrono::milliseconds by)
{
    const std::int64_t target = elapsed_ + by.count();
    for (;;) {
        // The earliest timer due by the target; a handler may enable, disable or delete any.
        FakeTimer* next = nullptr;
        timers_.removeAll(nullptr);
        for (const QPointer<FakeTimer>& timer : timers_) {
            if (timer->isEnabled() && timer->due() <= target &&
                (next == nullptr || timer->due() < next->due())) {
                next = timer;
            }
        }
        if (next == nullptr) {
            break;
        }
        moveTo(next->due());
        next->fire();
    }
    moveTo(target);
}

void FakeClock::moveTo(std::int64_t elapsed)
{
    constexpr std::int64_t day = 86'400'000;
    const std::int64_t step = elapsed - elapsed_;
    Now = Now.addMSecs(step);
    UtcMillisecond = static_cast<std::uint32_t>((UtcMillisecond + step) % day);
    elapsed_ = elapsed;
}

} // namespace chronavell::test_support
