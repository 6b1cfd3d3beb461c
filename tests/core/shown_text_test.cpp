// The one rule by which the command line and the window program quote text that came from
// outside: what is escaped, what is kept, and where a quote is cut.
#include "core/shown_text.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace chronavell {
namespace {

struct Case
{
    std::string Text;
    std::string Shown;
};

// Printable bytes for a failure message: the expectations themselves hold escapes.
std::string Bytes(std::string_view text)
{
    std::string bytes;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20U && byte < 0x7FU) {
            bytes += c;
        } else {
            constexpr std::string_view hexDigits = "0123456789ABCDEF";
            bytes += '<';
            bytes += hexDigits[byte >> 4U];
            bytes += hexDigits[byte & 0xFU];
            bytes += '>';
        }
    }
    return bytes;
}

// A character from U+0800 to U+FFFF as UTF-8, for those a literal of the source may not hold:
// the ones that turn the direction of the source line round.
std::string Utf8(char32_t point)
{
    return {static_cast<char>(0xE0U | (point >> 12U)),
            static_cast<char>(0x80U | ((point >> 6U) & 0x3FU)),
            static_cast<char>(0x80U | (point & 0x3FU))};
}

const std::string X76(76, 'x');
const std::string X77(77, 'x');
const std::string X78(78, 'x');
const std::string X79(79, 'x');
const std::string X80(80, 'x');

const Case Cases[] = {
    {"", ""},
    {"2005-05-05", "2005-05-05"},
    // C0, DEL and C1, each byte of a character escaped; the ends of the C1 range and the
    // first character past it.
    {"\x1b[2J\a", R"(\x1b[2J\x07)"},
    {"\t\n\r\x7f", R"(\x09\x0a\x0d\x7f)"},
    {"\xc2\x80|\xc2\x9b|\xc2\x9f|\xc2\xa0", "\\xc2\\x80|\\xc2\\x9b|\\xc2\\x9f|\xc2\xa0"},
    {R"(a\b)", R"(a\\b)"},
    // Bytes that are no UTF-8, escaped one at a time: a lone CSI, a stray continuation byte,
    // overlong forms, a surrogate, a code point past U+10FFFF, characters cut off.
    {"\x9b"
     "1m",
     R"(\x9b1m)"},
    {"\xbf\xc0\xaf\xe0\x80\xaf", R"(\xbf\xc0\xaf\xe0\x80\xaf)"},
    {"\xed\xa0\x80\xf4\x90\x80\x80", R"(\xed\xa0\x80\xf4\x90\x80\x80)"},
    {"\xc3"
     "a\xe2\x80",
     R"(\xc3a\xe2\x80)"},
    // Characters of every length are kept, the last code point too, and the first and last
    // lead byte of each length; a byte that leads no character is escaped.
    {"\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80\xf4\x8f\xbf\xbf",
     "\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80\xf4\x8f\xbf\xbf"},
    {"\xdf\xbf|\xe0\xa0\x80|\xef\xbf\xbd", "\xdf\xbf|\xe0\xa0\x80|\xef\xbf\xbd"},
    {"\x80|\xf5\x80\x80\x80|\xc3\xc0", R"(\x80|\xf5\x80\x80\x80|\xc3\xc0)"},
    // Each lead byte's bits count: these are no control characters nor separators.
    {"\xc4\x80|\xf0\x90\x80\x80|\xf1\x80\x80\x80|\xf1\x82\x80\xa8",
     "\xc4\x80|\xf0\x90\x80\x80|\xf1\x80\x80\x80|\xf1\x82\x80\xa8"},
    // What reorders the line: the embeddings and overrides U+202A to U+202E, the isolates
    // U+2066 to U+2069. What breaks it: U+2028 and U+2029.
    {Utf8(0x202A) + "|" + Utf8(0x202B) + "|" + Utf8(0x202C) + "|" + Utf8(0x202D) + "|" +
         Utf8(0x202E),
     R"(\xe2\x80\xaa|\xe2\x80\xab|\xe2\x80\xac|\xe2\x80\xad|\xe2\x80\xae)"},
    {Utf8(0x2066) + "|" + Utf8(0x2067) + "|" + Utf8(0x2068) + "|" + Utf8(0x2069),
     R"(\xe2\x81\xa6|\xe2\x81\xa7|\xe2\x81\xa8|\xe2\x81\xa9)"},
    {"a" + Utf8(0x2028) + "b" + Utf8(0x2029) + "c", R"(a\xe2\x80\xa8b\xe2\x80\xa9c)"},
    // Their neighbours stay as they are.
    {"\u2027|\u202f|\u2065|\u206a", "\u2027|\u202f|\u2065|\u206a"},
    // The cut: 80 characters as shown, an escape counting as its characters; it never splits
    // an escape or a character, and marks itself.
    {X80, X80},
    {X80 + "y", X80 + "\u2026"},
    {X76 + "\x01", X76 + R"(\x01)"},
    {X76 + "\x01" + "y", X76 + "\\x01\u2026"},
    {X77 + "\x01", X77 + "\u2026"},
    {X78 + R"(\)", X78 + R"(\\)"},
    {X79 + R"(\)", X79 + "\u2026"},
    {X79 + "\xc3\xa9", X79 + "\xc3\xa9"},
    {X79 + "\xc3\xa9" + "y", X79 + "\xc3\xa9\u2026"},
    {X79 + "\xc3", X79 + "\u2026"},
    {std::string(68, 'x') + Utf8(0x202E), std::string(68, 'x') + R"(\xe2\x80\xae)"},
    {std::string(69, 'x') + Utf8(0x202E), std::string(69, 'x') + "\u2026"},
};

TEST(ShownText, EscapesAndCutsAsTheRuleSays)
{
    for (const Case& c : Cases) {
        EXPECT_EQ(ShownText(c.Text), c.Shown) << Bytes(c.Text);
    }
}

// Escaped without a cut: the same escapes however long the text.
TEST(ShownText, EscapedTextIsTheWholeTextEscaped)
{
    std::string text;
    std::string escaped;
    for (const Case& c : Cases) {
        if (!c.Shown.ends_with("\u2026")) {
            text += c.Text;
            escaped += c.Shown;
        }
    }
    EXPECT_GT(escaped.size(), 3 * ShownCharacters);
    EXPECT_EQ(EscapedText(text), escaped);
    EXPECT_EQ(EscapedText(std::string(1000, '\x01')).size(), 4000U);
}

// A quote cut before it is escaped, inside a longer line between quote marks, shows what
// ShownText shows: at every place of the cut. The mark that ends a cut quote is a whole
// character that no byte after it can extend.
TEST(ShownText, CutThenEscapedInALineIsShown)
{
    for (const Case& c : Cases) {
        for (std::size_t padding = 0; padding <= ShownCharacters; ++padding) {
            const std::string text = std::string(padding, 'p') + c.Text;
            const std::string cut = CutText(text);
            EXPECT_EQ(EscapedText(cut), ShownText(text)) << padding << Bytes(c.Text);
            EXPECT_EQ(EscapedText("in \"" + cut + "\" in"), "in \"" + ShownText(text) + "\" in")
                << padding << Bytes(c.Text);
            if (cut.ends_with("\u2026")) {
                EXPECT_EQ(EscapedText(cut + "\x80\xa6"), ShownText(text) + "\\x80\\xa6")
                    << padding << Bytes(c.Text);
            }
        }
    }
    EXPECT_EQ(CutText(X80 + "\x01"), X80 + "\u2026");
    EXPECT_EQ(CutText("\x01"), "\x01");
}

} // namespace
} // namespace chronavell
