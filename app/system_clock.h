#pragma once

#include "app/clock.h"

namespace chronavell {

class SystemClock final : public Clock
{
public:
    QDateTime localNow() const override { return QDateTime::currentDateTime(); }
    std::uint32_t utcMillisecondOfDay() const override
    {
        return static_cast<std::uint32_t>(
            QDateTime::currentDateTimeUtc().time().msecsSinceStartOfDay());
    }
};

} // namespace chronavell
