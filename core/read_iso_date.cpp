#include "core/read_iso_date.h"

namespace chronavell {

std::optional<CivilDate> ReadIsoDate(std::string_view text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
        return std::nullopt;
    }
    unsigned digits[8] = {};
    std::size_t next = 0;
    for (const std::size_t at : {0, 1, 2, 3, 5, 6, 8, 9}) {
        const unsigned digit = static_cast<unsigned char>(text[at]) - unsigned{'0'};
        if (digit > 9) {
            return std::nullopt;
        }
        digits[next++] = digit;
    }
    const CivilDate date{
        static_cast<int>(digits[0] * 1000 + digits[1] * 100 + digits[2] * 10 + digits[3]),
        static_cast<int>(digits[4] * 10 + digits[5]), static_cast<int>(digits[6] * 10 + digits[7])};
    if (!date.ok()) {
        return std::nullopt;
    }
    return date;
}

} // namespace chronavell
