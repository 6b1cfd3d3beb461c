#pragma once

#include "core/date_value.h"

#include <optional>
#include <string_view>

namespace chronavell {

// Reads an ISO calendar date "YYYY-MM-DD": exactly four digits of year (0001 to 9999), a
// hyphen, two digits of month, a hyphen and two digits of day, naming a day of the Gregorian
// calendar; nothing before or after, no sign, no blanks, no time. Returns that day, or
// nothing for any other text (year 0000, month 13, 30 February,
// "2005-5-5", "+2005-05-05", "2005-05-05 ").
std::optional<CivilDate> ReadIsoDate(std::string_view text);

} // namespace chronavell
