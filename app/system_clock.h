#pragma once

#include "app/clock.h"

namespace chronavell {

// The desktop's own clock, and timers of Qt's event loop.
class SystemClock final : public Clock
{
public:
    QDateTime localNow() const override;
    std::uint32_t utcMillisecondOfDay() const override;
    Timer* makeTimer(QObject* owner, std::chrono::milliseconds interval,
                     Qt::TimerType type) override;
};

} // namespace chronavell
