#include "support/qt_printers.h"
#include "widgets/text_decoding.h"

#include <gtest/gtest.h>

#include <string>

namespace chronavell {
namespace {

TEST(DecodeText, Utf8WhenValidWindows1252Otherwise)
{
    struct Case
    {
        std::string Bytes;
        QString Text;
    };
    for (const Case& c :
         {Case{"plain", "plain"}, Case{"", ""}, Case{"\xC3\xA9t\xC3\xA9", "été"},
          Case{"\xE2\x82\xAC 5", "€ 5"},
          // Not UTF-8: every byte is one Windows-1252 character.
          Case{"\xE9t\xE9", "été"}, Case{"\x80 5", "€ 5"}, Case{"\x93quoted\x94", "“quoted”"},
          // One stray byte makes the whole text Windows-1252.
          Case{"\xC3\xA9 \xFF", "Ã© ÿ"},
          Case{std::string("a\0b", 3), QString("a") + QChar(0) + "b"}}) {
        EXPECT_EQ(DecodeText(c.Bytes), c.Text);
    }
}

} // namespace
} // namespace chronavell
