#pragma once

#include "core/in_out_error.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

namespace chronavell {

// The sayings shown on the first page, one per line of the sayings file, in file order.
struct SayingsTable
{
    std::array<std::string, 101> Items;
    // Index of the last loaded saying; -1 while there is none.
    std::int32_t LastIndex = -1;
};

inline constexpr std::int32_t MaxSayingIndex = 100;
inline constexpr const char* MissingSayingsText =
    "Your Imperial Sayings File is missing from the application Directory!";

// Fills the table from the file. A missing file, a directory or any other thing that is not
// a regular file, and an empty file leave no saying. Lines past the 101st are ignored. A
// failure of the operating system throws EInOutError; the table then keeps what it had
// reached.
void LoadSayings(SayingsTable& table, const std::filesystem::path& file);

// The saying for a given UTC millisecond of the day, in double quotes, or the missing-file
// text when there is none. The same millisecond always gives the same saying.
std::string PickSaying(const SayingsTable& table, std::uint32_t utcMillisecondOfDay);

} // namespace chronavell
