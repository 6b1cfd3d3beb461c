#pragma once

#include "core/date_value.h"
#include "core/field_bounds.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

// The Imperial calendar on typed values: a calendar date to its Imperial date and the
// Imperial fields of the conversion page back to its ordinary row. Everything that converts,
// the window, its pages and the command line, stands on these.
namespace chronavell {

// The format's constants, used exactly as written: they are not the fractions 1000/365 and
// 365/12, and replacing them moves results at month boundaries.
inline constexpr double SegmentsPerDay = 2.739726;
inline constexpr double DaysPerMonth = 30.41667;
// The day formula takes the month start off with one decimal fewer.
inline constexpr double DaysPerMonthInDay = 30.4166;

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

static_assert(RoundHalfEven(0.5) == 0 && RoundHalfEven(1.5) == 2 && RoundHalfEven(2.5) == 2);
static_assert(RoundHalfEven(-0.5) == 0 && RoundHalfEven(-1.5) == -2 && RoundHalfEven(-2.5) == -2);
static_assert(RoundHalfEven(2.4) == 2 && RoundHalfEven(2.6) == 3 && RoundHalfEven(-2.6) == -3);

// The year segment of a day by the format's formula: its place on a scale of about a
// thousand steps per year. Month lengths and leap years play no part. The all-zero date of a
// value outside the calendar is tolerated and gives -83.
constexpr int YearSegment(int month, int day)
{
    const double monthStart = (month - 1) * DaysPerMonth;
    const double daysIn = monthStart + day;
    const double segment = daysIn * SegmentsPerDay;
    return static_cast<int>(RoundHalfEven(segment));
}

// The formula's result for every month and day, worked out by the compiler: a conversion
// looks its segment up instead of doing the floating-point steps for every date.
inline constexpr auto SegmentTable = [] {
    std::array<std::int16_t, std::size_t{12} * 31> table{};
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= 31; ++day) {
            table.at(static_cast<std::size_t>((month - 1) * 31 + day - 1)) =
                static_cast<std::int16_t>(YearSegment(month, day));
        }
    }
    return table;
}();

// The year segment of a month and day; outside the table's months and days, the formula's.
constexpr int SegmentOf(int month, int day)
{
    if (month < 1 || month > 12 || day < 1 || day > 31) {
        return YearSegment(month, day);
    }
    return SegmentTable[static_cast<std::size_t>((month - 1) * 31 + day - 1)];
}

// The first and last day of every month, as the format's own examples give them.
static_assert(SegmentOf(1, 1) == 3 && SegmentOf(1, 31) == 85);
static_assert(SegmentOf(2, 1) == 86 && SegmentOf(2, 29) == 163);
static_assert(SegmentOf(3, 1) == 169 && SegmentOf(3, 31) == 252);
static_assert(SegmentOf(4, 1) == 253 && SegmentOf(4, 30) == 332);
static_assert(SegmentOf(5, 1) == 336 && SegmentOf(5, 31) == 418);
static_assert(SegmentOf(6, 1) == 419 && SegmentOf(6, 30) == 499);
static_assert(SegmentOf(7, 1) == 503 && SegmentOf(7, 31) == 585);
static_assert(SegmentOf(8, 1) == 586 && SegmentOf(8, 31) == 668);
static_assert(SegmentOf(9, 1) == 669 && SegmentOf(9, 30) == 749);
static_assert(SegmentOf(10, 1) == 753 && SegmentOf(10, 31) == 835);
static_assert(SegmentOf(11, 1) == 836 && SegmentOf(11, 30) == 916);
static_assert(SegmentOf(12, 1) == 919 && SegmentOf(12, 30) == 999 && SegmentOf(12, 31) == 1002);
static_assert(SegmentOf(5, 5) == 347 && SegmentOf(0, 0) == -83);

// An Imperial date: the check class (the check digit), the year segment, the year within
// the millennium and the millennium. Its text writes the year within the millennium in
// three digits, but in millennium 0 as it stands ("45" for the year 45).
struct ImperialDate
{
    int CheckClass = 0;
    int Segment = 0;
    int Year = 0;
    int Millennium = 0;

    // What a text can say: check class 0 to 9, segment 0 to 9999, year 0 to 999, millennium
    // 0 to 99.
    constexpr bool ok() const
    {
        return CheckClass >= 0 && CheckClass <= 9 && Segment >= 0 && Segment <= 9999 && Year >= 0 &&
               Year <= 999 && Millennium >= 0 && Millennium <= 99;
    }

    friend constexpr bool operator==(const ImperialDate&, const ImperialDate&) = default;
};

static_assert(ImperialDate{9, 9999, 999, 99}.ok() && ImperialDate{}.ok());
static_assert(!ImperialDate{10, 0, 0, 0}.ok() && !ImperialDate{-1, 0, 0, 0}.ok());
static_assert(!ImperialDate{0, 10000, 0, 0}.ok() && !ImperialDate{0, -1, 0, 0}.ok());
static_assert(!ImperialDate{0, 0, 1000, 0}.ok() && !ImperialDate{0, 0, -1, 0}.ok());
static_assert(!ImperialDate{0, 0, 0, 100}.ok() && !ImperialDate{0, 0, 0, -1}.ok());

// The Imperial date of a day. A year of four digits or more has its millennium counted;
// below that the millennium is 0 and the year stands whole. A year past 9999 counts as the
// conversion page counts the year it is given: 12345 is the year 345 of millennium 13.
// Precondition: year 1 or later, month 1 to 12, day 1 to 31.
constexpr ImperialDate ToImperial(const CivilDate& date, int checkClass = 0)
{
    const bool counted = date.Year >= 1000;
    return {checkClass, SegmentOf(date.Month, date.Day), counted ? date.Year % 1000 : date.Year,
            counted ? date.Year / 1000 + 1 : 0};
}

static_assert(ToImperial({2005, 5, 5}) == ImperialDate{0, 347, 5, 3});
static_assert(ToImperial({1999, 7, 15}) == ImperialDate{0, 541, 999, 2});
static_assert(ToImperial({2000, 12, 31}) == ImperialDate{0, 1002, 0, 3});
static_assert(ToImperial({999, 12, 30}) == ImperialDate{0, 999, 999, 0});
static_assert(ToImperial({45, 1, 1}) == ImperialDate{0, 3, 45, 0});
static_assert(ToImperial({9999, 12, 31}, 7) == ImperialDate{7, 1002, 999, 10});
static_assert(ToImperial({12345, 1, 1}) == ImperialDate{0, 3, 345, 13});

// The day of `year` that a segment names: the day whose segment it is or, for a segment
// that falls between two days' segments, the day it falls in (the last day whose segment is
// not larger); a segment below the year's first gives 1 January. Unlike the reverse
// arithmetic below, this knows month lengths, so every day of a year is found again from
// its segment. Nothing for a segment past 31 December's or a year outside 1 to 9999.
constexpr std::optional<CivilDate> DayAtSegment(int year, int segment)
{
    if (year < 1 || year > 9999 || segment > SegmentOf(12, 31)) {
        return std::nullopt;
    }
    int month = 12;
    while (month > 1 && SegmentOf(month, 1) > segment) {
        --month;
    }
    int day = DaysInMonth(year, month);
    while (day > 1 && SegmentOf(month, day) > segment) {
        --day;
    }
    return CivilDate{year, month, day};
}

static_assert(DayAtSegment(2005, 347) == CivilDate{2005, 5, 5});
static_assert(DayAtSegment(2005, 0) == CivilDate{2005, 1, 1});
static_assert(DayAtSegment(2005, 84) == CivilDate{2005, 1, 30});
static_assert(DayAtSegment(2005, 163) == CivilDate{2005, 2, 28});
static_assert(DayAtSegment(2004, 163) == CivilDate{2004, 2, 29});
static_assert(DayAtSegment(2005, 1001) == CivilDate{2005, 12, 30});
static_assert(DayAtSegment(2005, 1002) == CivilDate{2005, 12, 31});
static_assert(!DayAtSegment(2005, 1003) && !DayAtSegment(0, 3) && !DayAtSegment(10000, 3));

// The reverse arithmetic, from the numbers of the three Imperial components. Month lengths
// play no part: a day may come out as 0, or as 30 in February.
constexpr std::int64_t MonthOfSegment(std::int32_t segment)
{
    const double days = segment / SegmentsPerDay;
    return static_cast<std::int64_t>(days / DaysPerMonth + 1.0);
}

constexpr std::int64_t DayOfSegment(std::int32_t segment)
{
    const double days = segment / SegmentsPerDay;
    const auto wholeMonths = static_cast<double>(static_cast<std::int64_t>(days / DaysPerMonth));
    return static_cast<std::int64_t>(RoundHalfEven(days - wholeMonths * DaysPerMonthInDay));
}

// The year that a millennium and a year within it make, by the format's arithmetic. Widened,
// so that any pair of 32-bit numbers gives its true year instead of wrapping. A millennium of
// 0 gives a year before the year 1.
constexpr std::int64_t FullYear(std::int32_t millennium, std::int32_t year)
{
    return (std::int64_t{millennium} - 1) * 1000 + year;
}

static_assert(MonthOfSegment(250) == 3 && DayOfSegment(250) == 30);
static_assert(MonthOfSegment(1001) == 13 && DayOfSegment(1001) == 0);
static_assert(MonthOfSegment(347) == 5 && DayOfSegment(347) == 5);
static_assert(FullYear(3, 5) == 2005 && FullYear(0, 999) == -1);

// The day whose Imperial date this is. In millennium 0 the year stands whole; a counted
// millennium holds the years of four digits, from millennium 2 (1000 to 1999) on, so
// millennium 1 names none. Nothing for the year 0, a year past 9999 or a segment past the
// year's last.
constexpr std::optional<CivilDate> DayOfImperialDate(const ImperialDate& date)
{
    if (date.Millennium == 1) {
        return std::nullopt;
    }
    const std::int64_t year =
        date.Millennium == 0 ? date.Year : FullYear(date.Millennium, date.Year);
    if (year < 1 || year > 9999) {
        return std::nullopt;
    }
    return DayAtSegment(static_cast<int>(year), date.Segment);
}

static_assert(DayOfImperialDate({0, 347, 5, 3}) == CivilDate{2005, 5, 5});
static_assert(DayOfImperialDate({0, 1002, 45, 0}) == CivilDate{45, 12, 31});
static_assert(DayOfImperialDate({0, 1002, 999, 10}) == CivilDate{9999, 12, 31});
static_assert(!DayOfImperialDate({0, 3, 0, 0}) && !DayOfImperialDate({0, 3, 5, 1}) &&
              !DayOfImperialDate({0, 3, 0, 11}));

// The ordinary row of the conversion page: month, day and year as its fields hold them.
struct CalendarRow
{
    int Month = 0;
    int Day = 0;
    int Year = 0;

    friend constexpr bool operator==(const CalendarRow&, const CalendarRow&) = default;
};

// A number as a field keeps it: within the field's range.
constexpr int InField(std::int64_t value, const FieldBounds& field)
{
    return static_cast<int>(std::clamp<std::int64_t>(value, field.Lowest, field.Highest));
}

// What the ordinary fields show after Convert From Imperial, given the numbers the three
// Imperial fields hold: the reverse arithmetic, each result then kept within its field's
// range.
constexpr CalendarRow CalendarRowOf(std::int32_t segment, std::int32_t year,
                                    std::int32_t millennium)
{
    return {InField(MonthOfSegment(segment), MonthFieldBounds),
            InField(DayOfSegment(segment), DayFieldBounds),
            InField(FullYear(millennium, year), YearFieldBounds)};
}

static_assert(CalendarRowOf(347, 5, 3) == CalendarRow{5, 5, 2005});
static_assert(CalendarRowOf(1002, 999, 50) == CalendarRow{12, 1, 49999});
static_assert(CalendarRowOf(0, 0, 0) == CalendarRow{1, 1, 0});

// What the three Imperial fields hold of an Imperial date written into them: each number
// kept within its field's range; the check class as it is.
constexpr ImperialDate InImperialFields(const ImperialDate& date)
{
    return {date.CheckClass, InField(date.Segment, SegmentFieldBounds),
            InField(date.Year, ImperialYearFieldBounds),
            InField(date.Millennium, MillenniumFieldBounds)};
}

static_assert(InImperialFields({9, 1002, 1000, 99}) == ImperialDate{9, 999, 999, 50});
static_assert(InImperialFields({9, -1, -1, -1}) == ImperialDate{9, 0, 0, 0});

} // namespace chronavell
