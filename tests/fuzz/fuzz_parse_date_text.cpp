// ParseDateText reads the joined "month/day/year" text of the conversion page. Whatever the
// bytes, it must give the date value of a real calendar day that matches the numbers written,
// or the conversion error naming the whole text; and every plainly written valid date must be
// accepted.

#include "core/date_value.h"
#include "core/parse_date_text.h"
#include "fuzz_check.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace chronavell::fuzz {
namespace {

// One of the three numbers: blanks in front, then at least one digit and nothing else.
struct Number
{
    std::string_view Digits; // without the blanks and leading zeros
    bool Plain = false;      // no blanks in front
};

std::optional<Number> ReadNumber(std::string_view text)
{
    Number number;
    std::size_t at = 0;
    while (at < text.size() && text[at] == ' ') {
        ++at;
    }
    number.Plain = at == 0;
    text.remove_prefix(at);
    if (text.empty()) {
        return std::nullopt;
    }
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
    }
    while (!text.empty() && text.front() == '0') {
        text.remove_prefix(1);
    }
    number.Digits = text;
    return number;
}

// The value of at most `keep` leading digits; more digits than that give -1 unless
// `truncate` says to keep the first ones only.
int Value(std::string_view digits, std::size_t keep, bool truncate)
{
    if (digits.size() > keep && !truncate) {
        return -1;
    }
    int value = 0;
    for (const char c : digits.substr(0, keep)) {
        value = value * 10 + (c - '0');
    }
    return value;
}

struct Written
{
    CivilDate Date; // as the text reads it; the year of its first four digits
    bool Plain = false;
};

// The three numbers as written, or nothing when the text is not three numbers between two
// slashes.
std::optional<Written> ReadWritten(std::string_view text)
{
    std::array<std::optional<Number>, 3> numbers;
    for (std::size_t i = 0; i < 3; ++i) {
        const std::size_t slash = i < 2 ? text.find('/') : std::string_view::npos;
        if (i < 2 && slash == std::string_view::npos) {
            return std::nullopt;
        }
        numbers[i] = ReadNumber(text.substr(0, slash));
        if (!numbers[i]) {
            return std::nullopt;
        }
        text = i < 2 ? text.substr(slash + 1) : std::string_view();
    }
    Written written;
    written.Date.Month = Value(numbers[0]->Digits, 2, false);
    written.Date.Day = Value(numbers[1]->Digits, 2, false);
    // Years of five or more digits stand for the year of their first four.
    written.Date.Year = Value(numbers[2]->Digits, 4, true);
    written.Plain = numbers[0]->Plain && numbers[1]->Plain && numbers[2]->Plain;
    return written;
}

bool IsLeap(int year)
{
    if (year % 400 == 0) {
        return true;
    }
    return year % 100 != 0 && year % 4 == 0;
}

bool IsCalendarDay(const CivilDate& date)
{
    static constexpr std::array<int, 12> lengths{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (date.Year < 1 || date.Year > 9999 || date.Month < 1 || date.Month > 12 || date.Day < 1) {
        return false;
    }
    const int length =
        lengths[static_cast<std::size_t>(date.Month - 1)] + (date.Month == 2 && IsLeap(date.Year));
    return date.Day <= length;
}

std::string Show(const CivilDate& date)
{
    return std::to_string(date.Month) + "/" + std::to_string(date.Day) + "/" +
           std::to_string(date.Year);
}

std::string Formatted(const CivilDate& date, int yearWidth)
{
    std::array<char, 32> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%02d/%02d/%0*d", date.Month, date.Day, yearWidth,
                  date.Year);
    return buffer.data();
}

} // namespace
} // namespace chronavell::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace chronavell;
    using namespace chronavell::fuzz;

    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<Written> written = ReadWritten(text);
    const std::string what = "text '" + Escaped(text) + "'";

    CivilDate day;
    try {
        day = ParseDateText(text);
    } catch (const EConvertError& error) {
        CHRONAVELL_CHECK(!ReadDateText(text), "read, but refused with an error: " + what);
        const std::string message = "'" + std::string(text) + "' is not a valid date and time";
        CHRONAVELL_CHECK(SameMessage(error.what(), message),
                         "message '" + Escaped(error.what()) + "' for " + what);
        // A plainly written day of the calendar is never refused.
        CHRONAVELL_CHECK(!(written && written->Plain && IsCalendarDay(written->Date)),
                         "refused " + what);
        return 0;
    }

    // A day between 1 January 0001 and 31 December 9999, the one the reader gives too.
    CHRONAVELL_CHECK(ReadDateText(text) == day, "the reader disagrees: " + what);
    CHRONAVELL_CHECK(day.Year >= 1 && day.Year <= 9999 && day.Month >= 1 && day.Month <= 12 &&
                         day.Day >= 1 && day.Day <= DaysInMonth(day.Year, day.Month),
                     "split into " + Show(day) + " from " + what);

    // The day is the one the text names.
    CHRONAVELL_CHECK(written.has_value(), "accepted " + what + ", which is no three numbers");
    CHRONAVELL_CHECK(day == written->Date,
                     "split into " + Show(day) + ", written " + Show(written->Date) + ": " + what);

    // The day written back as the fields write it, with four and with five year digits,
    // reads as the same day.
    for (const int width : {4, 5}) {
        const std::string again = Formatted(day, width);
        const std::optional<CivilDate> reread = ReadDateText(again);
        CHRONAVELL_CHECK(reread == day, "'" + again + "' reads " +
                                            (reread ? Show(*reread) : "nothing") + ", not " +
                                            Show(day));
    }
    return 0;
}
