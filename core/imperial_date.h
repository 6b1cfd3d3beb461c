#pragma once

#include "core/convert_error.h"
#include "core/imperial_calendar.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace chronavell {

// Component codes of ImperialComponent and CalendarComponent.
inline constexpr int ImperialSegmentPart = 1;
inline constexpr int ImperialYearPart = 2;
inline constexpr int ImperialMillenniumPart = 3;
inline constexpr int CalendarMonthPart = 1;
inline constexpr int CalendarDayPart = 2;
inline constexpr int CalendarYearPart = 3;

// Reads a 32-bit signed integer: leading spaces, then an optional sign and decimal digits,
// or one of the prefixes $ x X 0x 0X and up to 32 bits of hexadecimal digits. Nothing may
// follow. Nothing for any other text.
std::optional<std::int32_t> ReadInteger(std::string_view text);

// ReadInteger that throws EConvertError "'<text>' is not a valid integer value" where that
// reads nothing.
std::int32_t ParseInteger(std::string_view text);

// The operations below take and give texts and date values, with codes for the components;
// each is a thin layer over the typed calendar (imperial_calendar.h, imperial_text.h).

// The full Imperial date text of a date value, e.g. "0347005.M 3" for 5 May 2005. A value
// outside years 1 to 9999, infinite or not a number, splits into the all-zero date and gives
// "0-830.M 0".
std::string ImperialDateText(double date);

// One component of the Imperial date, unpadded: part 1 the year segment of the date, part 2
// the year within the millennium of `year`, part 3 the millennium of `year`. Any other part
// gives the empty text. Precondition: the date lies in years 1 to 9999.
std::string ImperialComponent(std::int32_t year, int part, double date);

// One calendar component from the three Imperial component texts: part 1 the month, part 2
// the day, part 3 the year. All three texts are read first, in the order segment, year,
// millennium; the first that is no integer throws EConvertError. Any other part gives the
// empty text.
std::string CalendarComponent(std::string_view segment, std::string_view year,
                              std::string_view millennium, int part);

} // namespace chronavell
