#pragma once

#include "core/convert_error.h"
#include "core/date_value.h"

#include <optional>
#include <string_view>

namespace chronavell {

// Reads "month/day/year", the joined texts of the conversion page's three ordinary fields,
// always in this order and with this separator whatever the region says, and returns the
// day it names. A year of 10000 or more stands for the year of its first four digits (12345
// is a day of 1234). Nothing for anything that is no day of the Gregorian calendar, year 0
// included.
std::optional<CivilDate> ReadDateText(std::string_view text);

// ReadDateText that throws EConvertError "'<text>' is not a valid date and time" where that
// reads nothing.
CivilDate ParseDateText(std::string_view text);

} // namespace chronavell
