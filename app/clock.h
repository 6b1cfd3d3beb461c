#pragma once

#include <QDateTime>

#include <chrono>
#include <cstdint>

namespace chronavell {

class Timer;

// The present moment, as the desktop's clock tells it, and the timers that run on it: a test
// sets both to any moment and moves them on together, without waiting.
class Clock
{
public:
    virtual ~Clock() = default;
    // Local date and time, with milliseconds.
    virtual QDateTime localNow() const = 0;
    // Milliseconds since midnight UTC, 0 to 86,399,999.
    virtual std::uint32_t utcMillisecondOfDay() const = 0;
    // A timer owned by `owner`, stopped, that counts `interval` as the event loop does.
    virtual Timer* makeTimer(QObject* owner, std::chrono::milliseconds interval,
                             Qt::TimerType type) = 0;
};

} // namespace chronavell
