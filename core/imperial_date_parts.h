#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace chronavell {

// The four parts of an Imperial date text, as numbers.
struct ImperialDateParts
{
    int CheckDigit = 0;
    std::int32_t Segment = 0;
    std::int32_t Year = 0;
    std::int32_t Millennium = 0;

    friend constexpr bool operator==(const ImperialDateParts&, const ImperialDateParts&) = default;
};

// Reads an Imperial date text as ImperialDateText writes it, with any check digit in front:
//
//   text       = check-digit segment year ".M" [" "] millennium
//   check-digit = one decimal digit
//   segment    = three decimal digits, or four not starting with "0"
//   year       = one to three decimal digits
//   millennium = one or two decimal digits
//
// Nothing else may come before, between or after. Segment and year are one run of four to
// seven digits, split so that the segment takes three of them and the year the rest; only a
// run of seven leaves four for the segment ("01002000.M 3": segment 1002, year 000). So the
// text of any day of the years 100 to 9999 reads back as that day's parts. 31 December of the
// years 1 to 99 writes the text of 6 February of another year ("010025.M 0" is also 6
// February of the year 25) and reads back as that day. Returns nothing for any text of
// another shape.
std::optional<ImperialDateParts> ReadImperialDateParts(std::string_view text);

// The Imperial date text of its parts, as the date of a day is written: the check digit, the
// segment in three digits (four from 1000 on), the year within the millennium in three digits
// or, in millennium 0, as it stands ("45" for the year 45), ".M " and the millennium.
// Precondition: check digit 0 to 9, segment 0 to 9999, year 0 to 999, millennium 0 or more.
std::string ImperialDateTextOf(const ImperialDateParts& parts);

} // namespace chronavell
