#include "core/imperial_calendar.h"
#include "core/imperial_text.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>

namespace chronavell {
namespace {

// The row as the page's fields show it: month, day and year padded to their positions.
std::string RowText(const CalendarRow& row)
{
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%02d/%02d/%05d", row.Month, row.Day, row.Year);
    return text.data();
}

// The ordinary row after Convert From Imperial: the format's reverse arithmetic, then each
// field's range. The expected rows follow the format's own examples: day 0 and month 13
// come back as 1 and 12, a year before 1 as 0, one past 50000 as 50000.
TEST(CalendarRowOf, ArithmeticThenTheFieldsRanges)
{
    struct Case
    {
        std::int32_t Segment = 0;
        std::int32_t Year = 0;
        std::int32_t Millennium = 0;
        const char* Row = nullptr;
    };
    for (const Case& c :
         {Case{347, 5, 3, "05/05/02005"}, Case{0, 0, 0, "01/01/00000"},
          Case{83, 999, 0, "01/30/00000"}, Case{163, 999, 2, "02/29/01999"},
          Case{166, 5, 3, "02/30/02005"}, Case{250, 0, 1, "03/30/00000"},
          Case{251, 45, 1, "04/01/00045"}, Case{750, 5, 3, "09/30/02005"},
          Case{999, 999, 41, "12/30/40999"}, Case{1001, 999, 50, "12/01/49999"},
          Case{1002, 0, 51, "12/01/50000"}, Case{-1, -1, -2147483647, "01/01/00000"},
          Case{2147483647, 2147483647, 2147483647, "12/31/50000"}}) {
        EXPECT_EQ(RowText(CalendarRowOf(c.Segment, c.Year, c.Millennium)), c.Row)
            << c.Segment << " " << c.Year << " " << c.Millennium;
    }
}

// The Imperial date of a day as the conversion page writes it, beside its text: years
// below 1000 in millennium 0 as they stand, from 10000 on counted as the page counts them.
TEST(ToImperial, KnownDaysAndTheirTexts)
{
    struct Case
    {
        CivilDate Day;
        int CheckClass = 0;
        const char* Text = nullptr;
    };
    for (const Case& c :
         {Case{{2005, 5, 5}, 0, "0347005.M 3"}, Case{{2000, 12, 31}, 0, "01002000.M 3"},
          Case{{1000, 1, 1}, 9, "9003000.M 2"}, Case{{999, 12, 30}, 0, "0999999.M 0"},
          Case{{100, 6, 15}, 0, "0458100.M 0"}, Case{{45, 1, 1}, 0, "000345.M 0"},
          Case{{5, 1, 1}, 3, "30035.M 0"}, Case{{9999, 12, 31}, 0, "01002999.M 10"},
          Case{{12345, 6, 1}, 0, "0419345.M 13"}, Case{{50000, 1, 31}, 1, "1085000.M 51"}}) {
        const ImperialDate date = ToImperial(c.Day, c.CheckClass);
        EXPECT_TRUE(date.ok()) << c.Text;
        EXPECT_EQ(ImperialText(date), c.Text)
            << c.Day.Year << "-" << c.Day.Month << "-" << c.Day.Day;
    }
}

} // namespace
} // namespace chronavell
