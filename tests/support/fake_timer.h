#pragma once

#include "app/timer.h"

#include <chrono>
#include <cstdint>
#include <functional>

namespace chronavell::test_support {

// A timer of a FakeClock: due `interval` after it was enabled, and again every interval.
class FakeTimer final : public Timer
{
    Q_OBJECT

public:
    FakeTimer(QObject* owner, std::chrono::milliseconds interval,
              std::function<std::int64_t()> elapsed);

    void setEnabled(bool enabled) override;
    bool isEnabled() const override { return enabled_; }
    void restart(std::chrono::milliseconds interval) override;

    std::int64_t due() const { return due_; }
    // Emits the tick and sets the next one an interval later.
    void fire();

private:
    std::int64_t interval_;
    std::function<std::int64_t()> elapsed_;
    bool enabled_ = false;
    std::int64_t due_ = 0;
};

} // namespace chronavell::test_support
