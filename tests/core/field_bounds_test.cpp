#include "core/field_bounds.h"

#include <gtest/gtest.h>

#include <limits>

namespace chronavell {
namespace {

TEST(NormalisedFieldText, ClampsAndPadsLikeTheConversionPage)
{
    struct Case
    {
        const FieldBounds& Field;
        std::int64_t Value;
        const char* Shown;
    };
    constexpr std::int64_t most = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t least = std::numeric_limits<std::int64_t>::min();
    for (const Case& c :
         {Case{MonthFieldBounds, 7, "07"}, Case{MonthFieldBounds, 0, "01"},
          Case{MonthFieldBounds, 13, "12"}, Case{DayFieldBounds, 0, "01"},
          Case{DayFieldBounds, 99, "31"}, Case{YearFieldBounds, 2005, "02005"},
          Case{YearFieldBounds, -995, "00000"}, Case{YearFieldBounds, most, "50000"},
          Case{YearFieldBounds, least, "00000"}, Case{SegmentFieldBounds, 1002, "999"},
          Case{ImperialYearFieldBounds, 5, "005"}, Case{MillenniumFieldBounds, 51, "50"}}) {
        EXPECT_EQ(NormalisedFieldText(c.Field, c.Value), c.Shown)
            << "value " << c.Value << " in a field of " << c.Field.Positions;
    }
}

} // namespace
} // namespace chronavell
