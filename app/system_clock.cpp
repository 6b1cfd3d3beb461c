#include "app/system_clock.h"

#include "app/system_timer.h"

namespace chronavell {

QDateTime SystemClock::localNow() const
{
    return QDateTime::currentDateTime();
}

std::uint32_t SystemClock::utcMillisecondOfDay() const
{
    return static_cast<std::uint32_t>(
        QDateTime::currentDateTimeUtc().time().msecsSinceStartOfDay());
}

Timer* SystemClock::makeTimer(QObject* owner, std::chrono::milliseconds interval,
                              Qt::TimerType type)
{
    return new SystemTimer(owner, interval, type);
}

} // namespace chronavell
