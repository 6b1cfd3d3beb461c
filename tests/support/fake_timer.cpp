#include "support/fake_timer.h"

#include <utility>

namespace chronavell::test_support {

FakeTimer::FakeTimer(QObject* owner, std::chrono::milliseconds interval, Qt::TimerType type,
                     std::function<std::int64_t()> elapsed)
    : Timer(owner), interval_(interval.count()), wholeSeconds_(type == Qt::VeryCoarseTimer),
      elapsed_(std::move(elapsed))
{
}

void FakeTimer::setEnabled(bool enabled)
{
    if (enabled && !enabled_) {
        constexpr std::int64_t second = 1000;
        due_ = elapsed_() + interval_;
        if (wholeSeconds_) {
            due_ = (due_ + second - 1) / second * second;
        }
    }
    enabled_ = enabled;
}

void FakeTimer::fire()
{
    due_ += interval_;
    emit timeout();
}

} // namespace chronavell::test_support
