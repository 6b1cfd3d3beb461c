#include "core/date_value.h"
#include "core/imperial_date.h"

#include <gtest/gtest.h>

#include <iomanip>
#include <limits>
#include <set>
#include <string>

namespace chronavell {
namespace {

double DateOf(int year, int month, int day)
{
    return static_cast<double>(DayNumberFromCivil({year, month, day}));
}

struct ForwardCase
{
    CivilDate Date;
    const char* Text;
    const char* Segment;
    const char* Year;
    const char* Millennium;
};

class ForwardConversion : public testing::TestWithParam<ForwardCase>
{
};

TEST_P(ForwardConversion, TextAndComponents)
{
    const ForwardCase& c = GetParam();
    const double date = DateOf(c.Date.Year, c.Date.Month, c.Date.Day);
    EXPECT_EQ(ImperialDateText(date), c.Text);
    EXPECT_EQ(ImperialComponent(c.Date.Year, ImperialSegmentPart, date), c.Segment);
    EXPECT_EQ(ImperialComponent(c.Date.Year, ImperialYearPart, date), c.Year);
    EXPECT_EQ(ImperialComponent(c.Date.Year, ImperialMillenniumPart, date), c.Millennium);
}

INSTANTIATE_TEST_SUITE_P(
    KnownDates, ForwardConversion,
    testing::Values(ForwardCase{{2000, 1, 1}, "0003000.M 3", "3", "000", "3"},
                    ForwardCase{{2000, 1, 31}, "0085000.M 3", "85", "000", "3"},
                    ForwardCase{{2000, 2, 1}, "0086000.M 3", "86", "000", "3"},
                    ForwardCase{{2001, 2, 28}, "0160001.M 3", "160", "001", "3"},
                    ForwardCase{{2000, 2, 29}, "0163000.M 3", "163", "000", "3"},
                    ForwardCase{{2001, 3, 1}, "0169001.M 3", "169", "001", "3"},
                    ForwardCase{{2000, 10, 4}, "0761000.M 3", "761", "000", "3"},
                    ForwardCase{{2000, 12, 30}, "0999000.M 3", "999", "000", "3"},
                    ForwardCase{{2000, 12, 31}, "01002000.M 3", "1002", "000", "3"},
                    ForwardCase{{2005, 5, 5}, "0347005.M 3", "347", "005", "3"},
                    ForwardCase{{1999, 7, 15}, "0541999.M 2", "541", "999", "2"},
                    ForwardCase{{1000, 1, 1}, "0003000.M 2", "3", "000", "2"},
                    ForwardCase{{999, 12, 30}, "0999999.M 0", "999", "999", "0"},
                    ForwardCase{{100, 6, 15}, "0458100.M 0", "458", "100", "0"},
                    ForwardCase{{45, 1, 1}, "000345.M 0", "3", "45", "0"},
                    ForwardCase{{5, 1, 1}, "00035.M 0", "3", "5", "0"},
                    ForwardCase{{9999, 12, 31}, "01002999.M 10", "1002", "999", "10"},
                    ForwardCase{{2000, 9, 20}, "0721000.M 3", "721", "000", "3"}));

TEST(YearSegment, FirstAndLastDayOfEveryMonth)
{
    const int first[] = {3, 86, 169, 253, 336, 419, 503, 586, 669, 753, 836, 919};
    const int last[] = {85, 163, 252, 332, 418, 499, 585, 668, 749, 835, 916, 1002};
    for (int month = 1; month <= 12; ++month) {
        const int length = DaysInMonth(2000, month);
        EXPECT_EQ(YearSegment(month, 1), first[month - 1]) << "month " << month;
        EXPECT_EQ(YearSegment(month, length), last[month - 1]) << "month " << month;
    }
}

TEST(YearSegment, EveryDayOfALeapYearHasItsOwnSegment)
{
    std::set<std::string> segments;
    for (int day = 0; day < 366; ++day) {
        segments.insert(ImperialComponent(2000, ImperialSegmentPart, DateOf(2000, 1, 1) + day));
    }
    EXPECT_EQ(segments.size(), 366U);
}

TEST(YearSegment, DoesNotDependOnTheYear)
{
    for (const int year : {1, 1900, 2001, 2004, 9999}) {
        if (IsLeapYear(year)) {
            EXPECT_EQ(ImperialComponent(year, ImperialSegmentPart, DateOf(year, 2, 29)), "163");
        }
        EXPECT_EQ(ImperialComponent(year, ImperialSegmentPart, DateOf(year, 3, 1)), "169");
    }
}

TEST(ImperialDateText, TimeOfDayDoesNotMatter)
{
    const double midnight = DateOf(2005, 5, 5);
    for (const double fraction : {0.0, 14.0 / 24.0, 0.5, 0.9999}) {
        EXPECT_EQ(ImperialDateText(midnight + fraction), "0347005.M 3");
        EXPECT_EQ(ImperialComponent(2005, ImperialSegmentPart, midnight + fraction), "347");
    }
}

// Outside years 1 to 9999 a value splits into the all-zero date; its text must still be the
// arithmetic's, not bytes read from beside a table.
TEST(ImperialDateText, ValuesOutsideTheCalendar)
{
    for (const double value :
         {-700'000.9999999953, static_cast<double>(FirstDayNumber) - 1.0,
          static_cast<double>(LastDayNumber) + 1.0, -std::numeric_limits<double>::infinity(),
          std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_EQ(ImperialDateText(value), "0-830.M 0") << std::setprecision(17) << value;
    }
    EXPECT_EQ(ImperialDateText(static_cast<double>(FirstDayNumber)), "00031.M 0");
}

TEST(ImperialDateText, CheckDigitIsAlwaysZero)
{
    for (int day = 0; day < 400; day += 7) {
        EXPECT_EQ(ImperialDateText(DateOf(2024, 1, 1) + day).front(), '0');
    }
}

TEST(ImperialComponent, YearAndMillenniumFollowTheYearNumber)
{
    // Years past 9999 on the conversion page: the date lies in the year of the first four
    // digits, the year number is the whole year.
    const double date = DateOf(1234, 6, 1);
    EXPECT_EQ(ImperialComponent(12345, ImperialYearPart, date), "345");
    EXPECT_EQ(ImperialComponent(12345, ImperialMillenniumPart, date), "13");
    EXPECT_EQ(ImperialComponent(50000, ImperialMillenniumPart, DateOf(5000, 1, 1)), "51");
    // Below a four-digit date year the millennium is 0, whatever the year number says.
    EXPECT_EQ(ImperialComponent(2005, ImperialMillenniumPart, DateOf(999, 1, 1)), "0");
}

TEST(ImperialComponent, UnknownPartGivesEmptyText)
{
    const double date = DateOf(2005, 5, 5);
    for (const int part : {0, 4, -1, 100}) {
        EXPECT_EQ(ImperialComponent(2005, part, date), "");
        EXPECT_EQ(CalendarComponent("347", "005", "3", part), "");
    }
}

struct ReverseCase
{
    int Segment;
    int Month;
    int Day;
};

class ReverseConversion : public testing::TestWithParam<ReverseCase>
{
};

TEST_P(ReverseConversion, MonthAndDay)
{
    const ReverseCase& c = GetParam();
    const std::string segment = std::to_string(c.Segment);
    EXPECT_EQ(CalendarComponent(segment, "000", "3", CalendarMonthPart), std::to_string(c.Month));
    EXPECT_EQ(CalendarComponent(segment, "000", "3", CalendarDayPart), std::to_string(c.Day));
}

INSTANTIATE_TEST_SUITE_P(
    KnownSegments, ReverseConversion,
    testing::Values(ReverseCase{0, 1, 0}, ReverseCase{1, 1, 0}, ReverseCase{2, 1, 1},
                    ReverseCase{3, 1, 1}, ReverseCase{83, 1, 30}, ReverseCase{84, 2, 0},
                    ReverseCase{85, 2, 1}, ReverseCase{86, 2, 1}, ReverseCase{163, 2, 29},
                    ReverseCase{166, 2, 30}, ReverseCase{167, 3, 0}, ReverseCase{168, 3, 0},
                    ReverseCase{169, 3, 1}, ReverseCase{250, 3, 30}, ReverseCase{251, 4, 0},
                    ReverseCase{500, 6, 30}, ReverseCase{750, 9, 30}, ReverseCase{917, 12, 0},
                    ReverseCase{999, 12, 30}, ReverseCase{1000, 12, 30}, ReverseCase{1001, 13, 0},
                    ReverseCase{1002, 13, 1}));

TEST(CalendarComponent, DayZeroSegments)
{
    const std::set<int> expected = {0,   1,   84,  167, 168, 251, 334, 417, 418,
                                    501, 584, 667, 668, 751, 834, 917, 918, 1001};
    std::set<int> found;
    for (int s = 0; s <= 1002; ++s) {
        if (CalendarComponent(std::to_string(s), "0", "0", CalendarDayPart) == "0") {
            found.insert(s);
        }
    }
    EXPECT_EQ(found, expected);
}

TEST(CalendarComponent, Year)
{
    struct Case
    {
        const char* Millennium;
        const char* Year;
        const char* Expected;
    };
    for (const Case& c :
         {Case{"03", "000", "2000"}, Case{"03", "005", "2005"}, Case{"41", "999", "40999"},
          Case{"1", "045", "45"}, Case{"50", "999", "49999"}, Case{"0", "999", "-1"},
          Case{"0", "000", "-1000"},
          // Far outside the page's fields: the true year, not a wrapped one.
          Case{"2147483647", "999", "2147483646999"},
          Case{"-2147483648", "-2147483648", "-2149631132648"}}) {
        EXPECT_EQ(CalendarComponent("3", c.Year, c.Millennium, CalendarYearPart), c.Expected)
            << c.Millennium << " " << c.Year;
    }
}

TEST(CalendarComponent, RoundTripOfEveryDayButTheThirtyFirsts)
{
    struct Exception
    {
        int Month;
        int BackMonth;
        int BackDay;
    };
    const Exception exceptions[] = {{1, 2, 1}, {3, 4, 1},   {5, 6, 0},  {7, 8, 1},
                                    {8, 9, 0}, {10, 11, 1}, {12, 13, 1}};
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= DaysInMonth(2000, month); ++day) {
            const std::string segment = std::to_string(YearSegment(month, day));
            int backMonth = month;
            int backDay = day;
            if (day == 31) {
                const auto* e = std::find_if(std::begin(exceptions), std::end(exceptions),
                                             [&](const Exception& x) { return x.Month == month; });
                ASSERT_NE(e, std::end(exceptions));
                backMonth = e->BackMonth;
                backDay = e->BackDay;
            }
            EXPECT_EQ(CalendarComponent(segment, "0", "0", CalendarMonthPart),
                      std::to_string(backMonth))
                << month << "/" << day;
            EXPECT_EQ(CalendarComponent(segment, "0", "0", CalendarDayPart),
                      std::to_string(backDay))
                << month << "/" << day;
        }
    }
}

TEST(CalendarComponent, RoundTripOfTheYear)
{
    for (const int year : {1000, 1999, 2005, 9999, 45, 999}) {
        const double date = DateOf(year, 6, 1);
        const std::string back = CalendarComponent(
            "0", ImperialComponent(year, ImperialYearPart, date),
            ImperialComponent(year, ImperialMillenniumPart, date), CalendarYearPart);
        EXPECT_EQ(back, std::to_string(year >= 1000 ? year : year - 1000)) << year;
    }
}

TEST(CalendarComponent, ReadsAllThreeTextsInOrderBeforeAnyPart)
{
    struct Case
    {
        const char* Segment;
        const char* Year;
        const char* Millennium;
        int Part;
        const char* Message;
    };
    for (const Case& c :
         {Case{"", "005", "3", CalendarDayPart, "'' is not a valid integer value"},
          Case{"   ", "005", "3", CalendarMonthPart, "'   ' is not a valid integer value"},
          Case{"1x", "y", "z", CalendarMonthPart, "'1x' is not a valid integer value"},
          Case{"3", "5 ", "z", CalendarDayPart, "'5 ' is not a valid integer value"},
          Case{"3", "005", "", CalendarMonthPart, "'' is not a valid integer value"},
          Case{"3", "005", "M3", 7, "'M3' is not a valid integer value"}}) {
        try {
            (void)CalendarComponent(c.Segment, c.Year, c.Millennium, c.Part);
            ADD_FAILURE() << "no error for part " << c.Part;
        } catch (const EConvertError& error) {
            EXPECT_STREQ(error.what(), c.Message);
        }
    }
}

} // namespace
} // namespace chronavell
