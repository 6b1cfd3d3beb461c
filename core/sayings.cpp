#include "core/sayings.h"

#include "core/text_line_reader.h"

#include <algorithm>
#include <string_view>

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

bool IsContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0U) == 0x80U;
}

// The saying in double quotes, as much of it as the label can show: at most ShownSayingBytes
// bytes, cut before a character rather than inside one, so that valid UTF-8 stays valid. A
// pick copies no more than that, however long the saying.
std::string ShownText(std::string_view saying)
{
    std::string text;
    if (saying.size() + 2 <= ShownSayingBytes) {
        text.reserve(saying.size() + 2);
        text += '"';
        text += saying;
        text += '"';
        return text;
    }
    // The cut falls before byte `cut` of the quoted text, which is saying[cut - 1]; the
    // closing quote lies at or beyond the cut, so it is never shown.
    std::size_t cut = ShownSayingBytes;
    while (cut > 0 && cut <= saying.size() && IsContinuationByte(saying[cut - 1])) {
        --cut;
    }
    if (cut == 0) {
        return text;
    }
    text.reserve(cut);
    text += '"';
    text += saying.substr(0, cut - 1);
    return text;
}

static_assert(NextSeed(43'200'000) == 1'620'567'553U);
static_assert(Draw(43'200'000, 10) == 3);

} // namespace

void LoadSayings(SayingsTable& table, const std::filesystem::path& file)
{
    table.LastIndex = -1;
    // The sayings lie beside the program. A relative path, the empty one included, would be
    // read from whatever folder the program happened to be started in.
    if (!file.is_absolute()) {
        return;
    }
    TextLineReader reader(file, MaxSayingsReadBytes);
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
            table.Items.at(i) = reader.readLine(MaxSayingBytes);
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
    return ShownText(table.Items.at(index));
}

} // namespace chronavell
