#include "cli/shown_text.h"

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

} // namespace

std::string ShownText(std::string_view text)
{
    constexpr std::string_view hexDigits = "0123456789abcdef";
    std::string shown;
    std::size_t characters = 0;
    while (!text.empty()) {
        const std::size_t length = CharacterLength(text);
        const auto lead = static_cast<unsigned char>(text[0]);
        // A C1 character is the lead byte 0xC2 and a second byte below 0xA0.
        const bool control =
            lead < 0x20U || lead == 0x7FU ||
            (length == 2 && lead == 0xC2U && static_cast<unsigned char>(text[1]) < 0xA0U);
        std::string piece;
        std::size_t pieceCharacters = 1;
        if (length == 0 || control) {
            // A byte that starts no character is escaped alone: the bytes after it may start one.
            const std::size_t bytes = length == 0 ? 1 : length;
            for (const char c : text.substr(0, bytes)) {
                const auto byte = static_cast<unsigned char>(c);
                piece += "\\x";
                piece += hexDigits[byte >> 4U];
                piece += hexDigits[byte & 0xFU];
            }
            pieceCharacters = piece.size();
        } else if (lead == '\\') {
            piece = "\\\\";
            pieceCharacters = 2;
        } else {
            piece = text.substr(0, length);
        }
        if (characters + pieceCharacters > ShownCharacters) {
            shown += "\u2026";
            break;
        }
        shown += piece;
        characters += pieceCharacters;
        text.remove_prefix(length == 0 ? 1 : length);
    }
    return shown;
}

} // namespace chronavell
