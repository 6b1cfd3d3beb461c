// CalendarComponent turns the texts of the three Imperial fields back into month, day and
// year. The fields normally hold digits, but the operation takes any text, so it must give
// either a plain decimal number or the conversion error of the first text that is no integer.
//
// Input layout: the first byte is the component code ('1' month, '2' day, '3' year; other
// bytes give other codes, which must give the empty text), the rest holds the segment, year
// and millennium texts separated by '|' (missing texts are empty; a third '|' and whatever
// follows belong to the millennium text).

#include "core/imperial_date.h"
#include "fuzz_check.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace chronavell::fuzz {
namespace {

struct Input
{
    int Part = 0;
    std::array<std::string_view, 3> Texts; // segment, year, millennium
};

Input Split(std::string_view bytes)
{
    Input input;
    if (bytes.empty()) {
        return input;
    }
    // '0' to '9' read as themselves; anything else still reaches the negative and large codes.
    input.Part = static_cast<signed char>(bytes[0] - '0');
    bytes.remove_prefix(1);
    for (std::size_t i = 0; i < 2; ++i) {
        const std::size_t bar = bytes.find('|');
        input.Texts[i] = bytes.substr(0, bar);
        bytes = bar == std::string_view::npos ? std::string_view() : bytes.substr(bar + 1);
    }
    input.Texts[2] = bytes;
    return input;
}

std::optional<std::int32_t> TryParse(std::string_view text)
{
    try {
        return ParseInteger(text);
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

// A plain decimal number: an optional minus, then digits without a leading zero (but "0").
std::optional<std::int64_t> PlainDecimal(std::string_view text)
{
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || std::to_string(value) != text) {
        return std::nullopt;
    }
    return value;
}

std::string Describe(const Input& input)
{
    return "part " + std::to_string(input.Part) + ", texts '" + Escaped(input.Texts[0]) + "', '" +
           Escaped(input.Texts[1]) + "', '" + Escaped(input.Texts[2]) + "'";
}

// Month or day of a segment, with year and millennium texts of an ordinary date.
std::int64_t Component(std::int32_t segment, int part)
{
    const std::string text = std::to_string(segment);
    const std::string result = CalendarComponent(text, "000", "03", part);
    const std::optional<std::int64_t> value = PlainDecimal(result);
    CHRONAVELL_CHECK(value.has_value(), "no plain decimal '" + Escaped(result) + "' for part " +
                                            std::to_string(part) + " of segment " + text);
    return *value;
}

constexpr std::int32_t LastSegment = 1002; // 31 December

struct MonthDay
{
    std::int64_t Month = 0;
    std::int64_t Day = 0;
};

// The forward direction, written out independently: every month counts 30.41667 days and
// every day 2.739726 segments, rounded to nearest with ties to even (the default rounding
// mode).
std::int32_t SegmentOf(int month, int day)
{
    const double days = (month - 1) * 30.41667 + day;
    return static_cast<std::int32_t>(std::nearbyint(days * 2.739726));
}

// What the reverse direction must give for the segment of each day of a leap year. The
// 31sts fall beyond the 30.41667-day month and come back as a neighbouring day.
const std::array<std::optional<MonthDay>, LastSegment + 1>& DaysBySegment()
{
    static const auto table = [] {
        std::array<std::optional<MonthDay>, LastSegment + 1> days;
        constexpr std::array<int, 12> lengths{31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= std::min(lengths[static_cast<std::size_t>(month - 1)], 30);
                 ++day) {
                auto& slot = days.at(static_cast<std::size_t>(SegmentOf(month, day)));
                // No two days of a year share a segment.
                CHRONAVELL_CHECK(!slot,
                                 "two days on segment " + std::to_string(SegmentOf(month, day)));
                slot = MonthDay{month, day};
            }
        }
        const std::array<std::pair<int, MonthDay>, 7> thirtyFirsts{{{85, {2, 1}},
                                                                    {252, {4, 1}},
                                                                    {418, {6, 0}},
                                                                    {585, {8, 1}},
                                                                    {668, {9, 0}},
                                                                    {835, {11, 1}},
                                                                    {1002, {13, 1}}}};
        for (const auto& [segment, monthDay] : thirtyFirsts) {
            auto& slot = days.at(static_cast<std::size_t>(segment));
            CHRONAVELL_CHECK(!slot,
                             "31st on the segment of another day: " + std::to_string(segment));
            slot = monthDay;
        }
        return days;
    }();
    return table;
}

// The segments that fall before the first day of their month and read as its day 0.
bool IsDayZero(std::int32_t segment)
{
    constexpr std::array<std::int32_t, 18> zeros{0,   1,   84,  167, 168, 251, 334, 417, 418,
                                                 501, 584, 667, 668, 751, 834, 917, 918, 1001};
    return std::find(zeros.begin(), zeros.end(), segment) != zeros.end();
}

// Checks for the segments the conversion page can hold and the four-digit one of
// 31 December: months 1 to 13, days 0 to 30, the day of the year each segment stands for,
// day 0 exactly where a month has not begun yet, and a later segment never giving an
// earlier day.
void CheckSegment(std::int32_t segment, std::int64_t month, std::int64_t day,
                  const std::string& what)
{
    CHRONAVELL_CHECK(month >= 1 && month <= 13, "month " + std::to_string(month) + " of " + what);
    CHRONAVELL_CHECK(day >= 0 && day <= 30, "day " + std::to_string(day) + " of " + what);
    CHRONAVELL_CHECK((day == 0) == IsDayZero(segment),
                     "day " + std::to_string(day) + " of " + what);
    if (const auto& expected = DaysBySegment().at(static_cast<std::size_t>(segment))) {
        CHRONAVELL_CHECK(month == expected->Month && day == expected->Day,
                         "segment " + std::to_string(segment) + " gives " + std::to_string(month) +
                             "/" + std::to_string(day) + ", not " +
                             std::to_string(expected->Month) + "/" + std::to_string(expected->Day) +
                             ": " + what);
    }
    if (segment < LastSegment) {
        const std::int64_t nextMonth = Component(segment + 1, CalendarMonthPart);
        const std::int64_t nextDay = Component(segment + 1, CalendarDayPart);
        CHRONAVELL_CHECK(nextMonth > month || (nextMonth == month && nextDay >= day),
                         "segment " + std::to_string(segment + 1) + " gives " +
                             std::to_string(nextMonth) + "/" + std::to_string(nextDay) +
                             ", earlier than " + what);
    }
}

} // namespace
} // namespace chronavell::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace chronavell;
    using namespace chronavell::fuzz;

    const Input input = Split(std::string_view(reinterpret_cast<const char*>(data), size));
    std::array<std::optional<std::int32_t>, 3> values;
    for (std::size_t i = 0; i < 3; ++i) {
        values[i] = TryParse(input.Texts[i]);
    }

    std::string result;
    try {
        result = CalendarComponent(input.Texts[0], input.Texts[1], input.Texts[2], input.Part);
    } catch (const EConvertError& error) {
        // The texts are read in order and the first bad one is named, whatever the part.
        std::size_t bad = 0;
        while (bad < 3 && values[bad]) {
            ++bad;
        }
        CHRONAVELL_CHECK(bad < 3, "error '" + Escaped(error.what()) + "' for " + Describe(input));
        const std::string message =
            "'" + std::string(input.Texts[bad]) + "' is not a valid integer value";
        CHRONAVELL_CHECK(SameMessage(error.what(), message),
                         "error '" + Escaped(error.what()) + "' for " + Describe(input));
        return 0;
    }
    CHRONAVELL_CHECK(values[0] && values[1] && values[2],
                     "result '" + Escaped(result) + "' with a bad text: " + Describe(input));

    const std::string what = "'" + Escaped(result) + "' for " + Describe(input);
    if (input.Part < CalendarMonthPart || input.Part > CalendarYearPart) {
        CHRONAVELL_CHECK(result.empty(), what);
        return 0;
    }
    const std::optional<std::int64_t> value = PlainDecimal(result);
    CHRONAVELL_CHECK(value.has_value(), "no plain decimal: " + what);

    const std::int32_t segment = *values[0];
    if (input.Part == CalendarYearPart) {
        // Millennium m starts at year (m - 1) * 1000; the arithmetic must not wrap.
        const std::int64_t expected = (std::int64_t{*values[2]} - 1) * 1000 + *values[1];
        CHRONAVELL_CHECK(*value == expected, "expected " + std::to_string(expected) + ": " + what);
        return 0;
    }

    // Month and day depend on the segment alone.
    CHRONAVELL_CHECK(*value == Component(segment, input.Part),
                     "depends on year or millennium: " + what);
    if (segment >= 0 && segment <= LastSegment) {
        const std::int64_t month = Component(segment, CalendarMonthPart);
        const std::int64_t day = Component(segment, CalendarDayPart);
        CheckSegment(segment, month, day, what);
    }
    return 0;
}
