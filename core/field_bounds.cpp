#include "core/field_bounds.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace chronavell {

std::string NormalisedFieldText(const FieldBounds& field, std::int64_t value)
{
    const std::int64_t shown = std::clamp<std::int64_t>(value, field.Lowest, field.Highest);
    std::array<char, 12> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), shown).ptr;
    const auto length = static_cast<std::size_t>(end - digits.data());
    const auto positions = static_cast<std::size_t>(field.Positions);
    std::string text(positions > length ? positions - length : 0, '0');
    text.append(digits.data(), length);
    return text;
}

} // namespace chronavell
