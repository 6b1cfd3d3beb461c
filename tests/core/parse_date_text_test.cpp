#include "core/date_value.h"
#include "core/parse_date_text.h"

#include <gtest/gtest.h>

#include <string>

namespace chronavell {
namespace {

TEST(ParseDateText, ValidDays)
{
    struct Case
    {
        const char* Text = nullptr;
        CivilDate Day;
    };
    for (const Case& c : {Case{"05/17/02005", {2005, 5, 17}}, Case{"01/01/00001", {1, 1, 1}},
                          Case{"12/31/09999", {9999, 12, 31}}, Case{"5/5/2005", {2005, 5, 5}},
                          Case{"02/29/02004", {2004, 2, 29}}, Case{"02/29/02000", {2000, 2, 29}},
                          // Five-digit years are days of the year of their first four digits.
                          Case{"02/29/20000", {2000, 2, 29}}, Case{"06/15/12345", {1234, 6, 15}},
                          Case{"12/31/50000", {5000, 12, 31}}, Case{"01/01/99999", {9999, 1, 1}},
                          Case{" 1/ 2/ 2005", {2005, 1, 2}}, Case{"01/01/0000002005", {2005, 1, 1}},
                          Case{"001/01/2005", {2005, 1, 1}}}) {
        EXPECT_EQ(ParseDateText(c.Text), c.Day) << c.Text;
        EXPECT_EQ(ReadDateText(c.Text), c.Day) << c.Text;
    }
}

TEST(ParseDateText, RefusedTextsNameTheText)
{
    for (const std::string text : {"02/30/02005", "00/10/02005", "13/01/02005", "01/00/02005",
                                   "01/32/02005", "04/31/02005", "02/29/01900", "02/29/10000",
                                   "02/29/02001", "01/01/00000", "  /  /     ", "",
                                   "1/2",         "1/2/3/4",     "01/01/-2005", "01/01/2005 ",
                                   "a1/01/2005",  "01/01/",      "/01/2005",    "01/100/2005",
                                   "100/01/2005", "1-1-2005",    "+1/01/2005",  "01/-1/2005"}) {
        EXPECT_FALSE(ReadDateText(text).has_value()) << text;
        try {
            (void)ParseDateText(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const EConvertError& error) {
            EXPECT_EQ(std::string(error.what()), "'" + text + "' is not a valid date and time");
        }
    }
}

} // namespace
} // namespace chronavell
