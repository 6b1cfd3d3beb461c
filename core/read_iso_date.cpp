#include "core/read_iso_date.h"

#include "core/date_value.h"

namespace chronavell {
namespace {

// The value of `count` decimal digits starting at `first`, or -1 when one is no digit.
int DigitsValue(std::string_view text, std::size_t first, std::size_t count)
{
    int value = 0;
    for (std::size_t i = first; i < first + count; ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') {
            return -1;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

std::optional<double> ReadIsoDate(std::string_view text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
        return std::nullopt;
    }
    const CivilDate date{DigitsValue(text, 0, 4), DigitsValue(text, 5, 2), DigitsValue(text, 8, 2)};
    if (date.Year < 1 || date.Month < 1 || date.Month > 12 || date.Day < 1 ||
        date.Day > DaysInMonth(date.Year, date.Month)) {
        return std::nullopt;
    }
    return static_cast<double>(DayNumberFromCivil(date));
}

} // namespace chronavell
