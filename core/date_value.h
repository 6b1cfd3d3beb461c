#pragma once

#include <chrono>
#include <cstdint>

namespace chronavell {

constexpr bool IsLeapYear(int year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

// Precondition: 1 <= month <= 12.
constexpr int DaysInMonth(int year, int month)
{
    constexpr int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : lengths[month - 1];
}

// A day of the proleptic Gregorian calendar: the program's calendar date. A date value
// (below) counts days from 30 December 1899 in its whole part; the fraction is the time of
// day. It is split into a calendar date once, where it enters.
struct CivilDate
{
    int Year = 0;
    int Month = 0;
    int Day = 0;

    // A day of the years 1 to 9999.
    constexpr bool ok() const
    {
        return Year >= 1 && Year <= 9999 && Month >= 1 && Month <= 12 && Day >= 1 &&
               Day <= DaysInMonth(Year, Month);
    }

    friend constexpr bool operator==(const CivilDate&, const CivilDate&) = default;
};

static_assert(CivilDate{2000, 2, 29}.ok() && !CivilDate{1900, 2, 29}.ok());
static_assert(!CivilDate{}.ok() && !CivilDate{10000, 1, 1}.ok() && CivilDate{9999, 12, 31}.ok());

inline constexpr std::int64_t MillisecondsPerDay = 86'400'000;
// 1 January 1970, where the standard library's day count starts.
inline constexpr std::int64_t UnixEpochDayNumber = 25'569;
// 1 January 0001 and 31 December 9999: the days the program handles.
inline constexpr std::int64_t FirstDayNumber = -693'593;
inline constexpr std::int64_t LastDayNumber = 2'958'465;

// Days outside 1 January 0001 .. 31 December 9999 give the all-zero date.
constexpr CivilDate CivilFromDayNumber(std::int64_t dayNumber)
{
    if (dayNumber < FirstDayNumber || dayNumber > LastDayNumber) {
        return {};
    }
    const std::chrono::sys_days day{std::chrono::days{dayNumber - UnixEpochDayNumber}};
    const std::chrono::year_month_day ymd{day};
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

// Precondition: the date is valid and lies in years 1 to 9999.
constexpr std::int64_t DayNumberFromCivil(const CivilDate& date)
{
    const std::chrono::year_month_day ymd{std::chrono::year{date.Year},
                                          std::chrono::month{static_cast<unsigned>(date.Month)},
                                          std::chrono::day{static_cast<unsigned>(date.Day)}};
    return std::chrono::sys_days{ymd}.time_since_epoch().count() + UnixEpochDayNumber;
}

static_assert(CivilFromDayNumber(0) == CivilDate{1899, 12, 30});
static_assert(CivilFromDayNumber(36'526) == CivilDate{2000, 1, 1});
static_assert(CivilFromDayNumber(FirstDayNumber) == CivilDate{1, 1, 1});
static_assert(CivilFromDayNumber(LastDayNumber) == CivilDate{9999, 12, 31});
static_assert(CivilFromDayNumber(FirstDayNumber - 1) == CivilDate{});
static_assert(DayNumberFromCivil({2000, 9, 20}) == 36'789);

static_assert(DayNumberFromCivil({1850, 6, 15}) == -18'095);

// The day a date value falls on, after rounding it to whole milliseconds (ties to even).
// The whole part of a negative value still counts days: -1.25 is 29 December 1899, 06:00.
// A value that is not finite or lies far outside the calendar gives a day before year 1.
std::int64_t DayNumberOf(double date);

// Year, month and day of a date value; all zero outside years 1 to 9999.
CivilDate SplitDate(double date);

} // namespace chronavell
