// Exhaustive checks over every day the program can meet and every segment the conversion
// page can produce, against computations that share nothing with the code under test: the
// calendar is walked day by day, and the Imperial arithmetic is redone in extended precision
// with the library's own rounding, as the format defines it.
#include "core/date_value.h"
#include "core/imperial_date.h"
#include "core/imperial_text.h"
#include "support/independent_calendar.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <string>

namespace chronavell {
namespace {

using test_support::IndependentImperialText;
using test_support::IndependentSegment;

TEST(CalendarSweep, EveryDayOfYearsOneTo9999)
{
    const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    std::int64_t dayNumber = FirstDayNumber;
    int failures = 0;
    for (int year = 1; year <= 9999; ++year) {
        const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
        for (int month = 1; month <= 12; ++month) {
            const int length = month == 2 && leap ? 29 : lengths[month - 1];
            for (int day = 1; day <= length; ++day, ++dayNumber) {
                // Noon keeps the value away from any rounding question; before day 0 the
                // fraction still counts forward from the start of the day.
                const double noon = dayNumber < 0 ? -0.5 : 0.5;
                const double date = static_cast<double>(dayNumber) + noon;
                const CivilDate split = SplitDate(date);
                const std::string text = ImperialDateText(date);
                // Read back, the text names its own day; but 31 December of a year below 100
                // writes "01002" and one or two digits of year, which read as segment 100 (6
                // February) of the year "2" and those digits make.
                CivilDate readBack{year, month, day};
                if (year < 100 && month == 12 && day == 31) {
                    readBack = {(year < 10 ? 20 : 200) + year, 2, 6};
                }
                if (split != CivilDate{year, month, day} ||
                    text != IndependentImperialText(year, month, day) ||
                    ReadImperialDay(text) != readBack) {
                    ADD_FAILURE() << year << "-" << month << "-" << day << ": split " << split.Year
                                  << "-" << split.Month << "-" << split.Day << ", text " << text;
                    ASSERT_LT(++failures, 20);
                }
            }
        }
    }
    EXPECT_EQ(dayNumber, LastDayNumber + 1);
}

// A segment between two days' names the earlier day, one below 1 January's names 1
// January, and one past 31 December's names none: worked out here by walking the days.
TEST(CalendarSweep, EverySegmentOfACommonAndALeapYear)
{
    ASSERT_EQ(IndependentSegment(2, 6), 100);
    const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (const int year : {2005, 2004}) {
        for (int segment = 0; segment <= 1003; ++segment) {
            std::optional<CivilDate> expected;
            if (segment <= IndependentSegment(12, 31)) {
                expected = CivilDate{year, 1, 1};
                for (int month = 1; month <= 12; ++month) {
                    const int length = month == 2 && year % 4 == 0 ? 29 : lengths[month - 1];
                    for (int day = 1; day <= length; ++day) {
                        if (IndependentSegment(month, day) <= segment) {
                            expected = CivilDate{year, month, day};
                        }
                    }
                }
            }
            std::array<char, 32> text{};
            std::snprintf(text.data(), text.size(), "0%03d%03d.M %d", segment, year % 1000,
                          year / 1000 + 1);
            EXPECT_EQ(ReadImperialDay(text.data()), expected) << text.data();
        }
    }
}

TEST(CalendarSweep, EverySegmentFromMinus1000To20000)
{
    int failures = 0;
    for (int s = -1000; s <= 20000; ++s) {
        const long double days = s / 2.739726L;
        const auto month = static_cast<long long>(std::truncl(days / 30.41667L + 1.0L));
        const long double wholeMonths = std::truncl(days / 30.41667L);
        const auto day = static_cast<long long>(std::nearbyintl(days - wholeMonths * 30.4166L));
        const std::string segment = std::to_string(s);
        const std::string gotMonth = CalendarComponent(segment, "0", "1", CalendarMonthPart);
        const std::string gotDay = CalendarComponent(segment, "0", "1", CalendarDayPart);
        if (gotMonth != std::to_string(month) || gotDay != std::to_string(day)) {
            ADD_FAILURE() << "segment " << s << ": month " << gotMonth << " day " << gotDay
                          << ", expected " << month << " " << day;
            ASSERT_LT(++failures, 20);
        }
    }
}

} // namespace
} // namespace chronavell
