// ParseInteger reads every field value and every Imperial component text, so any byte string
// must give either the integer the text denotes or the conversion error naming the text.
// The expected value comes from a second reader written here from the integer format alone,
// in a different style (explicit scanning, no shared helpers), so that a slip in one of the
// two shows up as a disagreement.

#include "core/imperial_date.h"
#include "fuzz_check.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace chronavell::fuzz {
namespace {

bool IsDecimalDigit(char c)
{
    return c >= '0' && c <= '9';
}

int HexValue(char c)
{
    if (IsDecimalDigit(c)) {
        return c - '0';
    }
    const char lower = static_cast<char>(c | 0x20);
    return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}

// Digits after leading zeros are what decides the range: more than ten decimal or eight
// hexadecimal ones never fit, however the arithmetic below would wrap.
std::string_view Significant(std::string_view digits)
{
    std::size_t first = 0;
    while (first < digits.size() && digits[first] == '0') {
        ++first;
    }
    return digits.substr(first);
}

std::optional<std::int64_t> ReferenceParse(std::string_view text)
{
    std::size_t at = 0;
    while (at < text.size() && text[at] == ' ') {
        ++at;
    }
    std::string_view rest = text.substr(at);

    bool hex = false;
    bool negative = false;
    for (const std::string_view prefix : {"0x", "0X", "$", "x", "X"}) {
        if (rest.substr(0, prefix.size()) == prefix) {
            hex = true;
            rest.remove_prefix(prefix.size());
            break;
        }
    }
    if (!hex && !rest.empty() && (rest[0] == '+' || rest[0] == '-')) {
        negative = rest[0] == '-';
        rest.remove_prefix(1);
    }
    if (rest.empty()) {
        return std::nullopt;
    }
    for (const char c : rest) {
        if (hex ? HexValue(c) < 0 : !IsDecimalDigit(c)) {
            return std::nullopt;
        }
    }

    const std::string_view digits = Significant(rest);
    if (digits.size() > (hex ? 8U : 10U)) {
        return std::nullopt;
    }
    std::int64_t magnitude = 0;
    for (const char c : digits) {
        magnitude = magnitude * (hex ? 16 : 10) + HexValue(c);
    }
    if (hex) {
        // Up to 32 bits, read as a two's-complement pattern.
        return magnitude >= (std::int64_t{1} << 31) ? magnitude - (std::int64_t{1} << 32)
                                                    : magnitude;
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value < INT32_MIN || value > INT32_MAX) {
        return std::nullopt;
    }
    return value;
}

std::string Describe(std::string_view text, const std::optional<std::int64_t>& expected)
{
    return "text '" + Escaped(text) + "', reference " +
           (expected ? std::to_string(*expected) : std::string("rejects it"));
}

} // namespace
} // namespace chronavell::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace chronavell;
    using namespace chronavell::fuzz;

    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<std::int64_t> expected = ReferenceParse(text);

    std::int32_t value = 0;
    try {
        value = ParseInteger(text);
    } catch (const EConvertError& error) {
        CHRONAVELL_CHECK(!expected, "rejected a valid integer: " + Describe(text, expected));
        const std::string message = "'" + std::string(text) + "' is not a valid integer value";
        CHRONAVELL_CHECK(SameMessage(error.what(), message),
                         "message '" + Escaped(error.what()) + "' for " + Describe(text, expected));
        return 0;
    }
    CHRONAVELL_CHECK(expected.has_value(), "accepted " + std::to_string(value) +
                                               " from no integer: " + Describe(text, expected));
    CHRONAVELL_CHECK(value == *expected,
                     "read " + std::to_string(value) + " from " + Describe(text, expected));

    // The field handlers read back what the conversions wrote as plain decimal text, with and
    // without blanks in front: that text must give the same value.
    const std::string decimal = std::to_string(value);
    CHRONAVELL_CHECK(ParseInteger(decimal) == value, "decimal text of " + decimal);
    CHRONAVELL_CHECK(ParseInteger("  " + decimal) == value, "blank-led text of " + decimal);
    return 0;
}
