#include "support/fake_timer.h"

#include <utility>

namespace chronavell::test_support {

FakeTimer::FakeTimer(QObject* owner, std::chrono::milliseconds interval,
                     std::function<std::int64_t()> elapsed)
    : Timer(owner), interval_(interval.count()), elapsed_(std::move(elapsed))
{
}

void FakeTimer::setEnabled(bool enabled)
{
    if (enabled && !enabled_) {
        due_ = elapsed_() + interval_;
    }
    enabled_ = enabled;
}

void FakeTimer::restart(std::chrono::milliseconds interval)
{
    interval_ = interval.count();
    enabled_ = false;
    setEnabled(true);
}

void FakeTimer::fire()
{
    due_ += interval_;
    emit timeout();
}

} // namespace chronavell::test_support
