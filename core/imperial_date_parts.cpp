#include "core/imperial_date_parts.h"

#include <array>
#include <charconv>

namespace chronavell {
namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::int32_t DigitsValue(std::string_view digits)
{
    std::int32_t value = 0;
    for (const char c : digits) {
        value = value * 10 + (c - '0');
    }
    return value;
}

// The decimal text of a number, zero-padded to at least `width` digits.
void AppendDecimal(std::string& text, std::int32_t value, std::size_t width)
{
    std::array<char, 12> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
    const auto length = static_cast<std::size_t>(end - digits.data());
    if (length < width) {
        text.append(width - length, '0');
    }
    text.append(digits.data(), length);
}

} // namespace

std::optional<ImperialDateParts> ReadImperialDateParts(std::string_view text)
{
    std::size_t run = 0;
    while (run < text.size() && IsDigit(text[run])) {
        ++run;
    }
    // The check digit, then four to seven digits of segment and year.
    if (run < 5 || run > 8) {
        return std::nullopt;
    }
    const std::size_t segmentLength = run == 8 ? 4 : 3;
    const std::string_view segment = text.substr(1, segmentLength);
    if (segmentLength == 4 && segment.front() == '0') {
        return std::nullopt;
    }
    std::string_view rest = text.substr(run);
    if (!rest.starts_with(".M")) {
        return std::nullopt;
    }
    rest.remove_prefix(2);
    if (rest.starts_with(' ')) {
        rest.remove_prefix(1);
    }
    if (rest.empty() || rest.size() > 2 || !IsDigit(rest.front()) || !IsDigit(rest.back())) {
        return std::nullopt;
    }
    return ImperialDateParts{text.front() - '0', DigitsValue(segment),
                             DigitsValue(text.substr(1 + segmentLength, run - 1 - segmentLength)),
                             DigitsValue(rest)};
}

std::string ImperialDateTextOf(const ImperialDateParts& parts)
{
    std::string text;
    AppendDecimal(text, parts.CheckDigit, 1);
    AppendDecimal(text, parts.Segment, 3);
    AppendDecimal(text, parts.Year, parts.Millennium == 0 ? 1 : 3);
    text += ".M ";
    AppendDecimal(text, parts.Millennium, 1);
    return text;
}

} // namespace chronavell
