#pragma once

#include "core/date_value.h"

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

// The date value of a local date and time: days since 30 December 1899 and the time of day
// as the fraction.
inline double DateValueOf(const QDateTime& moment)
{
    const QDate day = moment.date();
    return MakeDateValue(DayNumberFromCivil({day.year(), day.month(), day.day()}),
                         moment.time().msecsSinceStartOfDay());
}

inline double DateValueOf(QDate day)
{
    return static_cast<double>(DayNumberFromCivil({day.year(), day.month(), day.day()}));
}

} // namespace chronavell
