#include "core/date_value.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace chronavell {
namespace {

TEST(SplitDate, DayOfAValue)
{
    constexpr double halfMillisecond = 0.5 / static_cast<double>(MillisecondsPerDay);
    struct Case
    {
        double Value;
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
