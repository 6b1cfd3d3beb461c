#include "core/date_value.h"

#include <cmath>

namespace chronavell {

std::int64_t DayNumberOf(double date)
{
    // Far beyond any calendar day, yet small enough that the millisecond count fits.
    constexpr double limit = 1.0e9;
    if (!std::isfinite(date) || std::fabs(date) > limit) {
        return FirstDayNumber - 1;
    }
    // The product is formed in extended precision, so that only a value really within half
    // a millisecond of midnight moves to the next day; llrint rounds ties to even.
    const long double milliseconds =
        static_cast<long double>(date) * static_cast<long double>(MillisecondsPerDay);
    const std::int64_t wholeMilliseconds = std::llrint(milliseconds);
    // Division truncates toward zero: the fraction of a negative value is a time of day.
    return wholeMilliseconds / MillisecondsPerDay;
}

CivilDate SplitDate(double date)
{
    return CivilFromDayNumber(DayNumberOf(date));
}

} // namespace chronavell
