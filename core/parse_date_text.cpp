#include "core/parse_date_text.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string>

namespace chronavell {
namespace {

// One number of the joined text: leading blanks, then decimal digits and nothing else. Only
// the first `keep` significant digits are kept, with the count of the rest, so that no text
// can overflow the arithmetic.
struct Number
{
    int Value = 0;
    std::size_t DroppedDigits = 0;
};

std::optional<Number> ReadNumber(std::string_view text, std::size_t keep)
{
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) {
        return std::nullopt;
    }
    std::string_view digits = text.substr(start);
    // Digits only: no sign, which from_chars would otherwise take.
    if (digits.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    digits.remove_prefix(std::min(digits.find_first_not_of('0'), digits.size()));
    Number number;
    const std::size_t kept = std::min(digits.size(), keep);
    number.DroppedDigits = digits.size() - kept;
    // At most a few digits, so the value always fits; no digits at all leave it 0.
    std::from_chars(digits.data(), digits.data() + kept, number.Value);
    return number;
}

} // namespace

std::optional<CivilDate> ReadDateText(std::string_view text)
{
    const std::size_t first = text.find('/');
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    const std::size_t second = text.find('/', first + 1);
    if (second == std::string_view::npos) {
        return std::nullopt;
    }
    const auto month = ReadNumber(text.substr(0, first), 2);
    const auto day = ReadNumber(text.substr(first + 1, second - first - 1), 2);
    // A fifth digit and any after it are ignored: the year is that of the first four.
    const auto year = ReadNumber(text.substr(second + 1), 4);
    if (!month || !day || !year || month->DroppedDigits > 0 || day->DroppedDigits > 0) {
        return std::nullopt;
    }
    const CivilDate date{year->Value, month->Value, day->Value};
    if (!date.ok()) {
        return std::nullopt;
    }
    return date;
}

CivilDate ParseDateText(std::string_view text)
{
    const std::optional<CivilDate> date = ReadDateText(text);
    if (!date) {
        ThrowNotValid(text, "date and time");
    }
    return *date;
}

} // namespace chronavell
