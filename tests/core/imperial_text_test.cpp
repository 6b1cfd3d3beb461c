#include "core/date_value.h"
#include "core/imperial_date.h"
#include "core/imperial_text.h"

#include <gtest/gtest.h>

#include <string>

namespace chronavell {
namespace {

TEST(ReadImperialDate, Shapes)
{
    struct Case
    {
        const char* Text = nullptr;
        ImperialDate Parts;
    };
    for (const Case& c :
         {Case{"0347005.M 3", {0, 347, 5, 3}}, Case{"0347005.M3", {0, 347, 5, 3}},
          Case{"7347005.M 03", {7, 347, 5, 3}}, Case{"000345.M 0", {0, 3, 45, 0}},
          Case{"00035.M 0", {0, 3, 5, 0}}, Case{"01002000.M 3", {0, 1002, 0, 3}},
          Case{"01002999.M 10", {0, 1002, 999, 10}}, Case{"99999999.M 99", {9, 9999, 999, 99}},
          // 31 December of the year 5 and 6 February of the year 25.
          Case{"010025.M 0", {0, 100, 25, 0}}}) {
        const std::optional<ImperialDate> parts = ReadImperialDate(c.Text);
        ASSERT_TRUE(parts.has_value()) << c.Text;
        EXPECT_TRUE(*parts == c.Parts)
            << c.Text << " read as " << parts->CheckClass << " " << parts->Segment << " "
            << parts->Year << " " << parts->Millennium;
    }
    const char* const refused[] = {"0347005.M",     "0347005.M ",    "0347005 M 3",
                                   "0347005.m 3",   "0347005.M  3",  "0347005.M 3 ",
                                   " 0347005.M 3",  "0347005.M 3\r", "0347.M 3",
                                   "034700512.M 3", "00999000.M 3",  "0347005.M 100",
                                   "0347005.M -3",  "-347005.M 3",   "0347005,M 3",
                                   "A347005.M 3",   "0347005.M\t3",  "0347005.M 3x",
                                   ".M 3",          "0347005",       ""};
    for (const char* text : refused) {
        EXPECT_FALSE(ReadImperialDate(text).has_value()) << "accepted '" << text << "'";
    }
    // The digit run ends with the text, whatever follows it in memory.
    EXPECT_FALSE(ReadImperialDate(std::string_view("03470055", 7)).has_value());
}

TEST(ReadImperialDate, EveryDayReadsBackAsItsOwnParts)
{
    int failures = 0;
    for (std::int64_t day = FirstDayNumber; day <= LastDayNumber; ++day) {
        const CivilDate date = CivilFromDayNumber(day);
        const std::string text = ImperialDateText(static_cast<double>(day));
        ImperialDate expected{0, YearSegment(date.Month, date.Day), date.Year % 1000,
                              date.Year >= 1000 ? date.Year / 1000 + 1 : 0};
        if (date.Year < 100 && expected.Segment == 1002) {
            // Segment 100 and the year written after the "2" of "1002".
            expected.Segment = 100;
            expected.Year = (date.Year < 10 ? 20 : 200) + date.Year;
        }
        const std::optional<ImperialDate> parts = ReadImperialDate(text);
        if (parts != expected) {
            ADD_FAILURE() << text << " of " << date.Year << "-" << date.Month << "-" << date.Day;
            ASSERT_LT(++failures, 20);
        }
    }
}

// The day a text names, for chronavell-date's reverse direction: the segment names a day of
// the year, a counted millennium's year has three digits, and a text of no day is refused.
TEST(ReadImperialDay, DaysAndRefusals)
{
    struct Case
    {
        const char* Text = nullptr;
        CivilDate Day;
    };
    for (const Case& c :
         {Case{"0347005.M 3", {2005, 5, 5}}, Case{"9347005.M3", {2005, 5, 5}},
          Case{"00031.M 0", {1, 1, 1}}, Case{"0347045.M 0", {45, 5, 5}},
          Case{"01002100.M 0", {100, 12, 31}}, Case{"0100245.M 0", {245, 2, 6}},
          Case{"01002999.M 10", {9999, 12, 31}}, Case{"0000005.M 3", {2005, 1, 1}},
          Case{"0084005.M 3", {2005, 1, 30}}, Case{"0085005.M 3", {2005, 1, 31}},
          Case{"0168005.M 3", {2005, 2, 28}}, Case{"0168004.M 3", {2004, 2, 29}},
          Case{"01001005.M 3", {2005, 12, 30}}, Case{"0003000.M 2", {1000, 1, 1}}}) {
        EXPECT_EQ(ReadImperialDay(c.Text), c.Day) << c.Text;
    }
    for (const char* text :
         {"0999999.M 99", "03470050.M 3", "347005.M 3", "03475.M 3", "0347005.M 1", "03470.M 0",
          "0347000.M 0", "0003000.M 11", "01003005.M 3", "0347005.M", ""}) {
        EXPECT_EQ(ReadImperialDay(text), std::nullopt) << text;
    }
}

// The parts of a row of the conversion page written as a date's text is: the year within the
// millennium stands whole in millennium 0 only.
TEST(ImperialText, WritesPartsAsTheDateTextDoes)
{
    struct Case
    {
        ImperialDate Parts;
        const char* Text = nullptr;
    };
    for (const Case& c :
         {Case{{0, 347, 5, 3}, "0347005.M 3"}, Case{{7, 3, 45, 0}, "700345.M 0"},
          Case{{9, 999, 0, 41}, "9999000.M 41"}, Case{{0, 1002, 999, 10}, "01002999.M 10"},
          Case{{3, 0, 5, 1}, "3000005.M 1"}, Case{{0, 458, 100, 0}, "0458100.M 0"},
          Case{{0, 1000, 5, 3}, "01000005.M 3"}, Case{{0, 2000, 5, 3}, "02000005.M 3"}}) {
        EXPECT_EQ(ImperialText(c.Parts), c.Text);
        EXPECT_EQ(ReadImperialDate(c.Text), c.Parts) << c.Text;
    }
}

} // namespace
} // namespace chronavell
