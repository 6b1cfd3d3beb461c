#pragma once

#include <span>
#include <string_view>

namespace chronavell {

// The program chronavell-date, given the arguments after its name: converts the dates they
// or standard input name, writes one answer a date to standard output and one complaint a
// bad date to standard error, and returns the exit status: 0 when every date converted, 1
// when any was bad or a read or write failed, 2 when the arguments make no sense.
int RunChronavellDate(std::span<const std::string_view> arguments);

} // namespace chronavell
