#include "core/imperial_date.h"

#include "core/date_value.h"
#include "core/imperial_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <system_error>

namespace chronavell {
namespace {

// Decimal text of the largest value here: a sign and nineteen digits.
using DecimalBuffer = std::array<char, 24>;

std::string_view DecimalText(std::int64_t value, DecimalBuffer& buffer)
{
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return {buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data())};
}

std::string Decimal(std::int64_t value)
{
    DecimalBuffer buffer{};
    return std::string(DecimalText(value, buffer));
}

// The last three characters of the year's decimal text, or all of it when shorter; never
// padded, so 2005 gives "005" and 45 gives "45".
std::string_view YearOfMillennium(std::int64_t year, DecimalBuffer& buffer)
{
    const std::string_view text = DecimalText(year, buffer);
    return text.size() > 3 ? text.substr(text.size() - 3) : text;
}

// The millennium is counted only for years written with four or more characters; below that
// it is 0 whatever the year number says.
std::int64_t Millennium(std::int64_t yearNumber, std::int64_t yearTested)
{
    DecimalBuffer buffer{};
    if (DecimalText(yearTested, buffer).size() <= 3) {
        return 0;
    }
    return static_cast<std::int64_t>(std::trunc(static_cast<double>(yearNumber) / 1000.0 + 1.0));
}

// The whole of `digits` as a number of the given base, or nothing.
template <typename Number> std::optional<Number> ReadWhole(std::string_view digits, int base)
{
    Number value{};
    const char* const end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, value, base);
    if (error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

// Up to 32 bits of hexadecimal digits, read as a two's-complement pattern: "$FFFFFFFF" is -1.
// An unsigned number takes no sign, so "$-1" stays refused.
std::optional<std::int32_t> ParseHexDigits(std::string_view digits)
{
    const std::optional<std::uint32_t> pattern = ReadWhole<std::uint32_t>(digits, 16);
    if (!pattern) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(*pattern);
}

// An optional sign, then decimal digits. from_chars reads a minus itself but no plus: the plus
// is taken here, and must not be followed by a minus of from_chars's own ("+-5").
std::optional<std::int32_t> ParseDecimal(std::string_view text)
{
    if (text.starts_with('+')) {
        text.remove_prefix(1);
        if (text.starts_with('-')) {
            return std::nullopt;
        }
    }
    return ReadWhole<std::int32_t>(text, 10);
}

} // namespace

std::optional<std::int32_t> ReadInteger(std::string_view text)
{
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view rest = text.substr(start);
    if (rest.starts_with("0x") || rest.starts_with("0X")) {
        return ParseHexDigits(rest.substr(2));
    }
    if (rest.starts_with('$') || rest.starts_with('x') || rest.starts_with('X')) {
        return ParseHexDigits(rest.substr(1));
    }
    return ParseDecimal(rest);
}

std::int32_t ParseInteger(std::string_view text)
{
    const std::optional<std::int32_t> value = ReadInteger(text);
    if (!value) {
        ThrowNotValid(text, "integer value");
    }
    return *value;
}

std::string ImperialDateText(double date)
{
    const CivilDate day = SplitDate(date);
    if (day.ok()) {
        return ImperialText(ToImperial(day));
    }
    // A value outside the calendar splits into the all-zero date, which no Imperial date
    // holds: its text is the arithmetic's own, the segment with its sign ("0-830.M 0").
    DecimalBuffer buffer{};
    std::string text = "0";
    text += Decimal(SegmentOf(day.Month, day.Day));
    text += YearOfMillennium(day.Year, buffer);
    text += ".M ";
    text += Decimal(Millennium(day.Year, day.Year));
    return text;
}

std::string ImperialComponent(std::int32_t year, int part, double date)
{
    switch (part) {
    case ImperialSegmentPart: {
        const CivilDate day = SplitDate(date);
        return Decimal(SegmentOf(day.Month, day.Day));
    }
    case ImperialYearPart: {
        DecimalBuffer buffer{};
        return std::string(YearOfMillennium(year, buffer));
    }
    case ImperialMillenniumPart:
        return Decimal(Millennium(year, SplitDate(date).Year));
    default:
        return {};
    }
}

std::string CalendarComponent(std::string_view segment, std::string_view year,
                              std::string_view millennium, int part)
{
    const std::int32_t s = ParseInteger(segment);
    const std::int32_t y = ParseInteger(year);
    const std::int32_t m = ParseInteger(millennium);

    switch (part) {
    case CalendarMonthPart:
        return Decimal(MonthOfSegment(s));
    case CalendarDayPart:
        return Decimal(DayOfSegment(s));
    case CalendarYearPart:
        return Decimal(FullYear(m, y));
    default:
        return {};
    }
}

} // namespace chronavell
