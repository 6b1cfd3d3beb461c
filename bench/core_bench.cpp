#include "core/date_value.h"
#include "core/imperial_date.h"
#include "core/imperial_text.h"
#include "core/sayings.h"

#include <benchmark/benchmark.h>

#include <array>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using namespace chronavell;

// 400 Gregorian years repeat exactly, so one cycle covers every kind of day.
constexpr std::int64_t CycleDays = 146'097;

void ImperialDateTextBench(benchmark::State& state)
{
    const std::int64_t first = DayNumberFromCivil({2000, 1, 1});
    std::int64_t offset = 0;
    for (const auto step : state) {
        static_cast<void>(step);
        benchmark::DoNotOptimize(ImperialDateText(static_cast<double>(first + offset) + 0.25));
        offset = offset + 1 == CycleDays ? 0 : offset + 1;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(ImperialDateTextBench);

// The text of a typed calendar date, as chronavell-date writes it: no date value to split.
void ImperialTextBench(benchmark::State& state)
{
    const std::int64_t first = DayNumberFromCivil({2000, 1, 1});
    std::vector<CivilDate> days;
    days.reserve(CycleDays);
    for (std::int64_t offset = 0; offset < CycleDays; ++offset) {
        days.push_back(CivilFromDayNumber(first + offset));
    }
    std::array<char, ImperialTextCapacity> text{};
    std::size_t i = 0;
    for (const auto step : state) {
        static_cast<void>(step);
        benchmark::DoNotOptimize(WriteImperialText(ToImperial(days[i]), text));
        benchmark::DoNotOptimize(text.data());
        i = i + 1 == days.size() ? 0 : i + 1;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(ImperialTextBench);

void CalendarComponentBench(benchmark::State& state)
{
    std::vector<std::string> segments;
    for (int s = 0; s <= 1002; ++s) {
        segments.push_back(std::to_string(s));
    }
    std::size_t i = 0;
    for (const auto step : state) {
        static_cast<void>(step);
        for (int part = CalendarMonthPart; part <= CalendarYearPart; ++part) {
            benchmark::DoNotOptimize(CalendarComponent(segments[i], "005", "03", part));
        }
        i = i + 1 == segments.size() ? 0 : i + 1;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(CalendarComponentBench);

void LoadSayingsBench(benchmark::State& state)
{
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("chronavell-bench-" + std::to_string(::getpid()));
    {
        std::ofstream out(file, std::ios::binary);
        for (int i = 0; i < 101; ++i) {
            out << "Saying number " << i << ": the count of years is kept in the Ledger.\r\n";
        }
    }
    SayingsTable table;
    for (const auto step : state) {
        static_cast<void>(step);
        LoadSayings(table, file);
        benchmark::DoNotOptimize(table.LastIndex);
    }
    std::filesystem::remove(file);
}
BENCHMARK(LoadSayingsBench);

} // namespace

BENCHMARK_MAIN();
