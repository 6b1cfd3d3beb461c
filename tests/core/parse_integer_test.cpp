#include "core/imperial_date.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace chronavell {
namespace {

TEST(ParseInteger, AcceptedTexts)
{
    struct Case
    {
        std::string Text;
        std::int32_t Value;
    };
    for (const Case& c : {Case{"0", 0},
                          Case{"42", 42},
                          Case{" 42", 42},
                          Case{"    7", 7},
                          Case{"007", 7},
                          Case{"+5", 5},
                          Case{"-5", -5},
                          Case{"-0", 0},
                          Case{"00000", 0},
                          Case{"50000", 50000},
                          Case{"2147483647", 2147483647},
                          Case{"-2147483648", -2147483647 - 1},
                          Case{"0000000000002147483647", 2147483647},
                          Case{"$1F", 31},
                          Case{"$1f", 31},
                          Case{"x10", 16},
                          Case{"X10", 16},
                          Case{"0x10", 16},
                          Case{"0XaB", 171},
                          Case{" $FF", 255},
                          Case{"$7FFFFFFF", 2147483647},
                          Case{"$80000000", -2147483647 - 1},
                          Case{"$FFFFFFFF", -1},
                          Case{"$000000000001", 1}}) {
        EXPECT_EQ(ParseInteger(c.Text), c.Value) << "'" << c.Text << "'";
    }
}

TEST(ParseInteger, RefusedTextsNameTheTextUnchanged)
{
    const std::vector<std::string> texts = {"",           " ",           "   ",
                                            "12 ",        "1 2",         "\t1",
                                            "2147483648", "-2147483649", "99999999999999999999",
                                            "+",          "-",           "+-1",
                                            "--1",        "1-",          "$",
                                            "x",          "0x",          "0X",
                                            "$G",         "$100000000",  "-$1",
                                            "+$1",        "-0x1",        "0x-1",
                                            "1.0",        "1e3",         "١",
                                            "12\n",       "$ 1",         "0 x1",
                                            "00x1",       "$-1",         "x-1",
                                            "X+1",        "$+1",         "- 1",
                                            "+ 1"};
    for (const std::string& text : texts) {
        try {
            (void)ParseInteger(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const EConvertError& error) {
            EXPECT_EQ(std::string(error.what()), "'" + text + "' is not a valid integer value");
        }
    }
    // A NUL byte is no digit either; the message is cut there, as every C string is.
    EXPECT_THROW((void)ParseInteger(std::string("1\0", 2)), EConvertError);
}

} // namespace
} // namespace chronavell
