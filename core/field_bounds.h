#pragma once

#include <cstdint>
#include <string>

namespace chronavell {

// One digit field of the General Date Conversion page: how many digit positions it shows and
// the range its normalisation keeps the value in.
struct FieldBounds
{
    int Positions;
    std::int32_t Lowest;
    std::int32_t Highest;
};

inline constexpr FieldBounds MonthFieldBounds{2, 1, 12};
inline constexpr FieldBounds DayFieldBounds{2, 1, 31};
inline constexpr FieldBounds YearFieldBounds{5, 0, 50000};
inline constexpr FieldBounds SegmentFieldBounds{3, 0, 999};
inline constexpr FieldBounds ImperialYearFieldBounds{3, 0, 999};
inline constexpr FieldBounds MillenniumFieldBounds{2, 0, 50};

// The text a field shows once the decimal text of `value` has been written into it and its
// normalisation has run: the value clamped into the field's range, left-padded with zeros to
// the field's positions. A text too long for the field stands for a value above its range and
// a negative one for a value below it, so clamping the number gives what the field shows.
// Precondition: 0 <= Lowest <= Highest < 10 to the power Positions, as for the six fields.
std::string NormalisedFieldText(const FieldBounds& field, std::int64_t value);

} // namespace chronavell
