#include "core/imperial_text.h"

#include <array>

namespace chronavell {
namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

int DigitsValue(std::string_view digits)
{
    int value = 0;
    for (const char c : digits) {
        value = value * 10 + (c - '0');
    }
    return value;
}

// The three-digit text of every number below 1000, made by the compiler: a date's text is
// copied together from these rather than worked out digit by digit (bench/README.md).
constexpr auto ThreeDigits = [] {
    std::array<std::array<char, 3>, 1000> texts{};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        texts.at(i) = {static_cast<char>('0' + i / 100), static_cast<char>('0' + i / 10 % 10),
                       static_cast<char>('0' + i % 10)};
    }
    return texts;
}();

// The last `count` of the three digits of a number below 1000.
char* WriteDigits(char* out, int value, std::size_t count)
{
    const std::array<char, 3>& digits = ThreeDigits[static_cast<std::size_t>(value)];
    if (count == 3) {
        *out++ = digits[0];
    }
    if (count >= 2) {
        *out++ = digits[1];
    }
    *out++ = digits[2];
    return out;
}

// The count of decimal digits of a number below 1000, 1 for 0.
std::size_t DigitCount(int value)
{
    return value >= 100 ? 3 : value >= 10 ? 2 : 1;
}

// The digits of each piece of an Imperial date text, as ReadImperialDate splits them.
struct ImperialPieces
{
    char Check = '0';
    std::string_view Segment;
    std::string_view Year;
    std::string_view Millennium;
};

std::optional<ImperialPieces> SplitImperialText(std::string_view text)
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
    return ImperialPieces{text.front(), segment,
                          text.substr(1 + segmentLength, run - 1 - segmentLength), rest};
}

} // namespace

std::optional<ImperialDate> ReadImperialDate(std::string_view text)
{
    const std::optional<ImperialPieces> pieces = SplitImperialText(text);
    if (!pieces) {
        return std::nullopt;
    }
    return ImperialDate{pieces->Check - '0', DigitsValue(pieces->Segment),
                        DigitsValue(pieces->Year), DigitsValue(pieces->Millennium)};
}

std::optional<CivilDate> ReadImperialDay(std::string_view text)
{
    const std::optional<ImperialPieces> pieces = SplitImperialText(text);
    // A counted millennium's year is written in three digits; only millennium 0 writes the
    // year as it stands.
    if (!pieces || (DigitsValue(pieces->Millennium) != 0 && pieces->Year.size() != 3)) {
        return std::nullopt;
    }
    return DayOfImperialDate({pieces->Check - '0', DigitsValue(pieces->Segment),
                              DigitsValue(pieces->Year), DigitsValue(pieces->Millennium)});
}

std::size_t WriteImperialText(const ImperialDate& date, std::span<char, ImperialTextCapacity> out)
{
    char* end = out.data();
    *end++ = static_cast<char>('0' + date.CheckClass);
    if (date.Segment >= 1000) {
        *end++ = static_cast<char>('0' + date.Segment / 1000);
    }
    end = WriteDigits(end, date.Segment % 1000, 3);
    end = WriteDigits(end, date.Year, date.Millennium == 0 ? DigitCount(date.Year) : 3);
    *end++ = '.';
    *end++ = 'M';
    *end++ = ' ';
    end = WriteDigits(end, date.Millennium, DigitCount(date.Millennium));
    return static_cast<std::size_t>(end - out.data());
}

std::string ImperialText(const ImperialDate& date)
{
    std::array<char, ImperialTextCapacity> text{};
    return {text.data(), WriteImperialText(date, text)};
}

} // namespace chronavell
