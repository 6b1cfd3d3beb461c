#pragma once

#include <cmath>
#include <string>

namespace chronavell::test_support {

// The Imperial arithmetic done again apart from the program: in extended precision with the
// library's own rounding, the year cut by its decimal text. Tests hold the program's answers
// against these, never against its own functions.
inline int IndependentSegment(int month, int day)
{
    const long double sum = (month - 1) * 30.41667L + day;
    return static_cast<int>(std::nearbyintl(sum * 2.739726L));
}

inline std::string IndependentImperialText(int year, int month, int day, char check = '0')
{
    std::string segment = std::to_string(IndependentSegment(month, day));
    if (segment.size() < 3) {
        segment.insert(0, 3 - segment.size(), '0');
    }
    std::string yearText = std::to_string(year);
    if (yearText.size() > 3) {
        yearText.erase(0, yearText.size() - 3);
    }
    const int millennium = year >= 1000 ? year / 1000 + 1 : 0;
    return check + segment + yearText + ".M " + std::to_string(millennium);
}

} // namespace chronavell::test_support
