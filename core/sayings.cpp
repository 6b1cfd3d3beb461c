#include "core/sayings.h"

#include "core/text_line_reader.h"

#include <algorithm>

namespace chronavell {
namespace {

// The random generator: a 32-bit linear congruential step, reseeded before every draw.
constexpr std::uint32_t NextSeed(std::uint32_t seed)
{
    return seed * 134'775'813U + 1U;
}

// The upper half of the 64-bit product picks one of `range` values evenly enough.
constexpr std::uint32_t Draw(std::uint32_t seed, std::uint32_t range)
{
    return static_cast<std::uint32_t>((std::uint64_t{range} * NextSeed(seed)) >> 32U);
}

static_assert(NextSeed(43'200'000) == 1'620'567'553U);
static_assert(Draw(43'200'000, 10) == 3);

} // namespace

void LoadSayings(SayingsTable& table, const std::filesystem::path& file)
{
    table.LastIndex = -1;
    TextLineReader reader(file);
    if (!reader.hasFile()) {
        return;
    }

    // Counting pass: the storing pass then reads exactly as many lines as there are slots
    // to fill, and a long file costs no more than its first 101 lines.
    while (table.LastIndex < MaxSayingIndex && !reader.atEnd()) {
        reader.skipLine();
        ++table.LastIndex;
    }
    const std::size_t count =
        table.LastIndex < 0 ? 0 : static_cast<std::size_t>(table.LastIndex) + 1;
    if (count > 0) {
        reader.rewind();
        for (std::size_t i = 0; i < count; ++i) {
            table.Items.at(i) = reader.readLine();
        }
    }
    reader.close();
    std::fill(table.Items.begin() + static_cast<std::ptrdiff_t>(count), table.Items.end(),
              std::string());
}

std::string PickSaying(const SayingsTable& table, std::uint32_t utcMillisecondOfDay)
{
    if (table.LastIndex < 0) {
        return MissingSayingsText;
    }
    // A table filled by hand may claim more than it holds; never look past its slots.
    const auto count = static_cast<std::uint32_t>(std::min(table.LastIndex, MaxSayingIndex)) + 1U;
    const std::uint32_t index = Draw(utcMillisecondOfDay, count);
    const std::string& saying = table.Items.at(index);

    std::string text;
    text.reserve(saying.size() + 2);
    text += '"';
    text += saying;
    text += '"';
    return text;
}

} // namespace chronavell
