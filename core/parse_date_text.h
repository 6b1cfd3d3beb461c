#pragma once

#include "core/convert_error.h"

#include <string_view>

namespace chronavell {

// Reads "month/day/year", the joined texts of the conversion page's three ordinary fields,
// always in this order and with this separator whatever the region says, and returns the
// date value of that day. A year of 10000 or more stands for the year of its first four
// digits (12345 is a day of 1234). Throws EConvertError "'<text>' is not a valid date and
// time" for anything that is no day of the Gregorian calendar, year 0 included.
double ParseDateText(std::string_view text);

} // namespace chronavell
