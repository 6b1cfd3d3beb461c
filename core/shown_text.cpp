#include "core/shown_text.h"

namespace chronavell {
namespace {

// The length of the well-formed UTF-8 character `text` starts with, 0 when its first byte
// starts none: a stray continuation byte, an overlong form, a surrogate, a code point past
// U+10FFFF or a character the text ends in the middle of.
std::size_t CharacterLength(std::string_view text)
{
    const auto byte = [text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned lead = byte(0);
    if (lead < 0x80U) {
        return 1;
    }
    std::size_t length = 0;
    // The range of the second byte; the lead byte alone leaves some of it ill-formed.
    unsigned lowest = 0x80U;
    unsigned highest = 0xBFU;
    if (lead >= 0xC2U && lead <= 0xDFU) {
        length = 2;
    } else if (lead >= 0xE0U && lead <= 0xEFU) {
        length = 3;
        lowest = lead == 0xE0U ? 0xA0U : lowest;
        highest = lead == 0xEDU ? 0x9FU : highest;
    } else if (lead >= 0xF0U && lead <= 0xF4U) {
        length = 4;
        lowest = lead == 0xF0U ? 0x90U : lowest;
        highest = lead == 0xF4U ? 0x8FU : highest;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < lowest || byte(1) > highest) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if ((byte(i) & 0xC0U) != 0x80U) {
            return 0;
        }
    }
    return length;
}

// The code point of the well-formed character of `length` bytes that `text` starts with.
char32_t CodePoint(std::string_view text, std::size_t length)
{
    constexpr unsigned leadBits[] = {0x7FU, 0x7FU, 0x1FU, 0x0FU, 0x07U};
    char32_t point = static_cast<unsigned char>(text[0]) & leadBits[length];
    for (std::size_t i = 1; i < length; ++i) {
        point = (point << 6U) | (static_cast<unsigned char>(text[i]) & 0x3FU);
    }
    return point;
}

// Whether the character is written as escapes: a control character, or one that changes the
// direction of the text after it or ends the line where it stands.
bool Escaped(char32_t point)
{
    return point < 0x20U || (point >= 0x7FU && point <= 0x9FU) ||
           (point >= 0x2028U && point <= 0x202EU) || (point >= 0x2066U && point <= 0x2069U);
}

// What one pass over the text gives: the text as shown, or the raw text up to the cut.
enum class Written
{
    Escapes,
    Raw
};

std::string Show(std::string_view text, std::size_t limit, Written written)
{
    constexpr std::string_view hexDigits = "0123456789abcdef";
    std::string shown;
    std::size_t characters = 0;
    while (!text.empty()) {
        const std::size_t length = CharacterLength(text);
        // A byte that starts no character is escaped alone: the bytes after it may start one.
        const std::size_t bytes = length == 0 ? 1 : length;
        const std::string_view raw = text.substr(0, bytes);
        std::string piece;
        std::size_t pieceCharacters = 1;
        if (length == 0 || Escaped(CodePoint(raw, length))) {
            for (const char c : raw) {
                const auto byte = static_cast<unsigned char>(c);
                piece += "\\x";
                piece += hexDigits[byte >> 4U];
                piece += hexDigits[byte & 0xFU];
            }
            pieceCharacters = piece.size();
        } else if (raw == "\\") {
            piece = "\\\\";
            pieceCharacters = 2;
        } else {
            piece = raw;
        }
        if (characters + pieceCharacters > limit) {
            shown += "\u2026";
            break;
        }
        shown += written == Written::Escapes ? piece : std::string(raw);
        characters += pieceCharacters;
        text.remove_prefix(bytes);
    }
    return shown;
}

} // namespace

std::string ShownText(std::string_view text)
{
    return Show(text, ShownCharacters, Written::Escapes);
}

std::string EscapedText(std::string_view text)
{
    return Show(text, std::string_view::npos, Written::Escapes);
}

std::string CutText(std::string_view text)
{
    return Show(text, ShownCharacters, Written::Raw);
}

} // namespace chronavell
