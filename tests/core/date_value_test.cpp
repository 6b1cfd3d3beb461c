#include "core/date_value.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>

namespace chronavell {

void PrintTo(const CivilDate& date, std::ostream* out)
{
    *out << date.Year << '-' << date.Month << '-' << date.Day;
}

namespace {

TEST(SplitDate, DayOfAValue)
{
    constexpr double halfMillisecond = 0.5 / static_cast<double>(MillisecondsPerDay);
    struct Case
    {
        double Value = 0.0;
        CivilDate Expected;
    };
    for (const Case& c : {
             Case{0.0, {1899, 12, 30}},
             Case{36789.7965893518, {2000, 9, 20}},
             Case{36526.999, {2000, 1, 1}},
             // Rounded to whole milliseconds first: a hair before midnight is midnight.
             Case{36527.0 - halfMillisecond * 0.4, {2000, 1, 2}},
             Case{36527.0 - halfMillisecond * 3.0, {2000, 1, 1}},
             // The whole part of a negative value counts days; the fraction is a time of day.
             Case{-0.5, {1899, 12, 30}},
             Case{-1.25, {1899, 12, 29}},
             Case{-1.0, {1899, 12, 29}},
             Case{static_cast<double>(FirstDayNumber), {1, 1, 1}},
             Case{static_cast<double>(FirstDayNumber) - 0.75, {1, 1, 1}},
             Case{static_cast<double>(LastDayNumber) + 0.75, {9999, 12, 31}},
             // Outside the calendar everything splits into zeros.
             Case{static_cast<double>(FirstDayNumber) - 1.0, {}},
             Case{static_cast<double>(LastDayNumber) + 1.0, {}},
             Case{1.0e300, {}},
             Case{-1.0e300, {}},
             Case{std::numeric_limits<double>::infinity(), {}},
             Case{std::numeric_limits<double>::quiet_NaN(), {}},
         }) {
        EXPECT_EQ(SplitDate(c.Value), c.Expected) << std::setprecision(17) << c.Value;
    }
}

// A time of day must never move a value to another day, before 30 December 1899 least of all,
// where the fraction counts away from the day's whole part: 06:00 of day -1 is -1.25.
TEST(SplitDate, TimeOfDayStaysOnItsDay)
{
    constexpr std::int64_t hour = MillisecondsPerDay / 24;
    for (const std::int64_t day :
         {std::int64_t{-18'095}, std::int64_t{-2}, std::int64_t{-1}, std::int64_t{0},
          std::int64_t{1}, FirstDayNumber, LastDayNumber}) {
        for (const std::int64_t millisecond : {std::int64_t{0}, std::int64_t{1}, 6 * hour,
                                               12 * hour, 18 * hour, MillisecondsPerDay - 1}) {
            const double fraction =
                static_cast<double>(millisecond) / static_cast<double>(MillisecondsPerDay);
            const double value =
                day < 0 ? static_cast<double>(day) - fraction : static_cast<double>(day) + fraction;
            EXPECT_EQ(SplitDate(value), CivilFromDayNumber(day)) << day << " at " << millisecond;
        }
    }
    EXPECT_EQ(SplitDate(-18'095.5), (CivilDate{1850, 6, 15}));
}

TEST(DaysInMonth, LeapYearsOfTheGregorianRule)
{
    EXPECT_EQ(DaysInMonth(2000, 2), 29);
    EXPECT_EQ(DaysInMonth(2004, 2), 29);
    EXPECT_EQ(DaysInMonth(1900, 2), 28);
    EXPECT_EQ(DaysInMonth(2005, 2), 28);
    EXPECT_EQ(DaysInMonth(1234, 2), 28);
    EXPECT_EQ(DaysInMonth(2005, 4), 30);
    EXPECT_EQ(DaysInMonth(2005, 12), 31);
}

} // namespace
} // namespace chronavell
