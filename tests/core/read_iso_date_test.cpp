#include "core/date_value.h"
#include "core/read_iso_date.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <string_view>

namespace chronavell {
namespace {

std::string IsoText(const CivilDate& date)
{
    std::array<char, 16> text{};
    std::snprintf(text.data(), text.size(), "%04d-%02d-%02d", date.Year, date.Month, date.Day);
    return text.data();
}

TEST(ReadIsoDate, EveryDayOfYearsOneTo9999)
{
    int failures = 0;
    for (std::int64_t day = FirstDayNumber; day <= LastDayNumber; ++day) {
        const std::string text = IsoText(CivilFromDayNumber(day));
        const std::optional<CivilDate> read = ReadIsoDate(text);
        if (!read || DayNumberFromCivil(*read) != day) {
            ADD_FAILURE() << text << " read wrongly, not as day " << day;
            ASSERT_LT(++failures, 20);
        }
    }
}

TEST(ReadIsoDate, RefusesEverythingElse)
{
    using namespace std::string_view_literals;
    const std::string_view refused[] = {
        "2005-02-29", "1900-02-29",  "2005-02-30",    "2005-04-31",       "2005-01-32",
        "0000-01-01", "10000-01-01", "2005-00-10",    "2005-13-01",       "2005-01-00",
        "2005-5-5",   "05-05-2005",  "2005/05/05",    "20050505",         "+2005-05-05",
        "-005-05-05", " 2005-05-05", "2005-05-05 ",   "2005-05-05T00:00", "2005-05-0a",
        "2005-05-5 ", "2005-+5-05",  "200\0-05-05"sv, "2005x05-05",       "2005-05x05",
        "2005-05-0:", "2005-0:-05",  "200:-05-05",    "2005-05",          ""};
    for (const std::string_view text : refused) {
        EXPECT_FALSE(ReadIsoDate(text).has_value()) << "accepted '" << text << "'";
    }
}

} // namespace
} // namespace chronavell
