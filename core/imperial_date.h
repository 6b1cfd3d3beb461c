#pragma once

#include "core/convert_error.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace chronavell {

// The format's constants, used exactly as written: they are not the fractions 1000/365 and
// 365/12, and replacing them moves results at month boundaries.
inline constexpr double SegmentsPerDay = 2.739726;
inline constexpr double DaysPerMonth = 30.41667;
// The day formula takes the month start off with one decimal fewer.
inline constexpr double DaysPerMonthInDay = 30.4166;

// Component codes of ImperialComponent and CalendarComponent.
inline constexpr int ImperialSegmentPart = 1;
inline constexpr int ImperialYearPart = 2;
inline constexpr int ImperialMillenniumPart = 3;
inline constexpr int CalendarMonthPart = 1;
inline constexpr int CalendarDayPart = 2;
inline constexpr int CalendarYearPart = 3;

// Round to nearest, ties to even, usable in constant expressions.
// Precondition: |x| < 2^52, so that the whole part is exact in both double and int64.
constexpr double RoundHalfEven(double x)
{
    const auto whole = static_cast<std::int64_t>(x);
    const double fraction = x - static_cast<double>(whole);
    const bool odd = whole % 2 != 0;
    if (fraction > 0.5 || (fraction == 0.5 && odd)) {
        return static_cast<double>(whole + 1);
    }
    if (fraction < -0.5 || (fraction == -0.5 && odd)) {
        return static_cast<double>(whole - 1);
    }
    return static_cast<double>(whole);
}

// The year segment of a day: its place on a scale of about a thousand steps per year.
// Month lengths and leap years play no part. Precondition: 1 <= month <= 12, 1 <= day <= 31;
// the all-zero date of a value outside the calendar is tolerated and gives -83.
constexpr int YearSegment(int month, int day)
{
    const double monthStart = (month - 1) * DaysPerMonth;
    const double daysIn = monthStart + day;
    const double segment = daysIn * SegmentsPerDay;
    return static_cast<int>(RoundHalfEven(segment));
}

static_assert(YearSegment(1, 1) == 3);
static_assert(YearSegment(1, 31) == 85);
static_assert(YearSegment(2, 29) == 163);
static_assert(YearSegment(5, 5) == 347);
static_assert(YearSegment(12, 30) == 999);
static_assert(YearSegment(12, 31) == 1002);

// Reads a 32-bit signed integer: leading spaces, then an optional sign and decimal digits,
// or one of the prefixes $ x X 0x 0X and up to 32 bits of hexadecimal digits. Nothing may
// follow. Throws EConvertError "'<text>' is not a valid integer value" otherwise.
std::int32_t ParseInteger(std::string_view text);

// The full Imperial date text of a date value, e.g. "0347005.M 3" for 5 May 2005.
// Precondition: the date lies in years 1 to 9999.
std::string ImperialDateText(double date);

// One component of the Imperial date, unpadded: part 1 the year segment of the date, part 2
// the year within the millennium of `year`, part 3 the millennium of `year`. Any other part
// gives the empty text. Precondition: the date lies in years 1 to 9999.
std::string ImperialComponent(std::int32_t year, int part, double date);

// One calendar component from the three Imperial component texts: part 1 the month, part 2
// the day, part 3 the year. All three texts are read first, in the order segment, year,
// millennium; the first that is no integer throws EConvertError. Any other part gives the
// empty text.
std::string CalendarComponent(std::string_view segment, std::string_view year,
                              std::string_view millennium, int part);

} // namespace chronavell
