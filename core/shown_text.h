#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace chronavell {

// Long enough for any date or option that is merely mistyped, short enough that a runaway
// argument or line costs a line or two of the terminal, not pages.
constexpr std::size_t ShownCharacters = 80;

// Text from the command line, the input or the environment as a message quotes it, safe to
// write to a terminal. Escaped, each byte as \xHH: every control character (C0, DEL and the C1
// range U+0080 to U+009F), every character that reorders or breaks the line it stands in
// (the direction embeddings and overrides U+202A to U+202E, the isolates U+2066 to U+2069, the
// line and paragraph separators U+2028 and U+2029), and every byte that is not part of valid
// UTF-8. A backslash is written as \\, so that the quote is unambiguous. At most
// ShownCharacters characters of the quote are written, an escape counting as the characters
// it shows; a quote cut short ends in "…".
std::string ShownText(std::string_view text);

// The whole text with the escapes of ShownText and no cut: for a line whose length is its
// author's, not the user's, such as a message of a library's.
std::string EscapedText(std::string_view text);

// The part of the text that ShownText shows, not yet escaped: the whole text when it fits,
// else its characters before the cut followed by "…". EscapedText(CutText(text)) is
// ShownText(text): a quote can be cut inside a longer line that is escaped whole afterwards.
std::string CutText(std::string_view text);

} // namespace chronavell
