#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace chronavell {

// Long enough for any date or option that is merely mistyped, short enough that a runaway
// argument or line costs a line or two of the terminal, not pages.
constexpr std::size_t ShownCharacters = 80;

// Text from the command line or the input as a message quotes it, safe to write to a
// terminal: every control character (C0, DEL and the C1 range U+0080 to U+009F) and every
// byte that is not part of valid UTF-8 is written as \xHH, one escape a byte, and a backslash
// as \\, so that the quote is unambiguous. At most ShownCharacters characters of the quote
// are written, an escape counting as the characters it shows; a quote cut short ends in "…".
std::string ShownText(std::string_view text);

} // namespace chronavell
