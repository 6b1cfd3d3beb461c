#pragma once

#include "core/date_value.h"

#include <QDateTime>

#include <cstdint>

namespace chronavell {

// The present moment, as the desktop's clock tells it.
class Clock
{
public:
    virtual ~Clock() = default;
    // Local date and time, with milliseconds.
    virtual QDateTime localNow() const = 0;
    // Milliseconds since midnight UTC, 0 to 86,399,999.
    virtual std::uint32_t utcMillisecondOfDay() const = 0;
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
