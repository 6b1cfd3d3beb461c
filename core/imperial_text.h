#pragma once

#include "core/imperial_calendar.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace chronavell {

// Reads an Imperial date text as the program writes it, with any check digit in front:
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
// text of any day of the years 100 to 9999 reads back as that day's Imperial date. 31
// December of the years 1 to 99 writes the text of 6 February of another year ("010025.M 0"
// is also 6 February of the year 25) and reads back as that day. Returns nothing for any
// text of another shape; what it returns is always ok().
std::optional<ImperialDate> ReadImperialDate(std::string_view text);

// The day whose Imperial date a text is, read in the shape ReadImperialDate reads: the
// segment names the day by DayAtSegment, the year within a counted millennium must be
// written in three digits, and in millennium 0 the year stands whole. Of the texts of 31
// December of the years 1 to 99, which are also texts of 6 February ("0100245.M 0"), the
// day read is 6 February. Nothing for a text that names no day of the years 1 to 9999.
std::optional<CivilDate> ReadImperialDay(std::string_view text);

// The longest text of an Imperial date that is ok(): "99999999.M 99" and room to spare.
inline constexpr std::size_t ImperialTextCapacity = 16;

// Writes the text of an Imperial date: the check digit, the segment in three digits (four
// from 1000 on), the year within the millennium in three digits or, in millennium 0, as it
// stands ("45" for the year 45), ".M " and the millennium. Returns the length written.
// Precondition: date.ok().
std::size_t WriteImperialText(const ImperialDate& date, std::span<char, ImperialTextCapacity> out);
std::string ImperialText(const ImperialDate& date);

} // namespace chronavell
