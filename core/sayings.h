#pragma once

#include "core/in_out_error.h"

#include <array>
#include <cstddef>
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
// The saying label shows three short lines at most: laying out more than this many bytes of a
// saying would only freeze the window.
inline constexpr std::size_t ShownSayingBytes = 4096;
// What the table keeps of each line, far more than is ever shown, so that a file with a line
// of gigabytes loads in bounded memory. The rest of such a line is read past, not kept.
inline constexpr std::size_t MaxSayingBytes = std::size_t{64} * 1024;
// What one load reads of the file at most, its two passes together. A sayings file is a few
// KiB; 101 lines of MaxSayingBytes each, read twice, come to 13 MiB; this is about twenty
// times that, so that even a file of one line of some tens of MiB still loads. A file that
// reads on past it is none that anyone wrote, but one of the system's that only poses as a
// regular file and never ends, and whose holes no seek can pass over: without a limit the
// start would read it for ever.
inline constexpr std::uint64_t MaxSayingsReadBytes = std::uint64_t{256} << 20U;

// Fills the table from the file, which must be given by an absolute path: a relative one
// counts as no file. A missing file, a directory or any other thing that is not a regular
// file, and an empty file leave no saying. Lines past the 101st are ignored, and each line
// keeps its first MaxSayingBytes bytes. A failure of the operating system throws EInOutError,
// and so does a file that reads on past MaxSayingsReadBytes, as an input/output error; the
// table then keeps what it had reached.
void LoadSayings(SayingsTable& table, const std::filesystem::path& file);

// The saying for a given UTC millisecond of the day, in double quotes, or the missing-file
// text when there is none. The same millisecond always gives the same saying. The quoted text
// is cut to its first ShownSayingBytes bytes, before a UTF-8 character rather than inside
// one; a cut saying loses its closing quote.
std::string PickSaying(const SayingsTable& table, std::uint32_t utcMillisecondOfDay);

} // namespace chronavell
