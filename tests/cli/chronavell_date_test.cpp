// chronavell-date tested as its users meet it: a separate program fed through its arguments
// and standard input, its answers compared with the calendar core's own results.
#include "child_process.h"
#include "core/date_value.h"
#include "core/imperial_date.h"
#include "program_run.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <ctime>
#include <iterator>
#include <poll.h>
#include <string>
#include <unistd.h>

namespace chronavell {
namespace {

// 400 Gregorian years repeat exactly, so one cycle covers every kind of day.
constexpr std::int64_t CycleDays = 146'097;

std::string IsoText(const CivilDate& date)
{
    std::array<char, 16> text{};
    std::snprintf(text.data(), text.size(), "%04d-%02d-%02d", date.Year, date.Month, date.Day);
    return text.data();
}

// What a digit field of the conversion page shows once `value` is written into it.
std::string Field(long long value, int positions, long long lowest, long long highest)
{
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%0*lld", positions,
                  std::clamp(value, lowest, highest));
    return text.data();
}

void ExpectSameLines(const std::string& actual, const std::string& expected)
{
    if (actual == expected) {
        return;
    }
    std::size_t line = 1;
    std::size_t start = 0;
    while (start < expected.size()) {
        const std::size_t end = expected.find('\n', start);
        const std::string want = expected.substr(start, end - start + 1);
        if (actual.compare(start, want.size(), want) != 0) {
            ADD_FAILURE() << "line " << line << ": '" << actual.substr(start, want.size())
                          << "' instead of '" << want << "'";
            return;
        }
        start = end + 1;
        ++line;
    }
    ADD_FAILURE() << "output goes on past the " << line - 1 << " lines expected";
}

TEST(ChronavellDate, EveryDayOfTwoCyclesForward)
{
    struct Cycle
    {
        int FirstYear = 0;
        const char* LineEnd = nullptr;
        std::vector<std::string> Options;
        char CheckDigit = '0';
    };
    for (const Cycle& cycle :
         {Cycle{1, "\r\n", {}, '0'}, Cycle{9600, "\n", {"--class", "7"}, '7'}}) {
        std::string input;
        std::string expected;
        const std::int64_t first = DayNumberFromCivil({cycle.FirstYear, 1, 1});
        for (std::int64_t day = first; day < first + CycleDays; ++day) {
            input += IsoText(CivilFromDayNumber(day)) + cycle.LineEnd;
            std::string text = ImperialDateText(static_cast<double>(day));
            text.front() = cycle.CheckDigit;
            expected += text + '\n';
        }
        std::vector<std::string> arguments = cycle.Options;
        arguments.emplace_back("-");
        const ProgramRun run = RunProgram({arguments, input});
        EXPECT_EQ(run.Status, 0);
        EXPECT_EQ(run.Errors, "");
        ExpectSameLines(run.Output, expected);
    }
}

TEST(ChronavellDate, EveryYearSegmentBackward)
{
    struct Rest
    {
        const char* Year;
        const char* Millennium;
    };
    // Millennium 0 makes a negative year and 99 one past the field; both end at a bound.
    const Rest rests[] = {{"005", "3"}, {"45", "0"}, {"999", "10"}, {"7", "50"}, {"123", "99"}};
    std::string input;
    std::string expected;
    for (int segment = 0; segment <= 1002; ++segment) {
        // A four-digit segment needs a three-digit year to be read as one.
        const Rest& rest =
            segment > 999 ? rests[2] : rests[static_cast<std::size_t>(segment) % std::size(rests)];
        std::array<char, 32> text{};
        std::snprintf(text.data(), text.size(), "%d%03d%s.M%s%s", segment % 10, segment, rest.Year,
                      segment % 2 == 0 ? " " : "", rest.Millennium);
        input += std::string(text.data()) + '\n';
        const std::string segmentField = Field(segment, 3, 0, 999);
        const std::string yearField = Field(std::stoi(rest.Year), 3, 0, 999);
        const std::string millenniumField = Field(std::stoi(rest.Millennium), 2, 0, 50);
        const auto component = [&](int part) {
            return std::stoll(CalendarComponent(segmentField, yearField, millenniumField, part));
        };
        expected += Field(component(CalendarMonthPart), 2, 1, 12) + '/' +
                    Field(component(CalendarDayPart), 2, 1, 31) + '/' +
                    Field(component(CalendarYearPart), 5, 0, 50000) + '\n';
    }
    const ProgramRun run = RunProgram({{"--to-gregorian", "-"}, input});
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Errors, "");
    ExpectSameLines(run.Output, expected);
}

TEST(ChronavellDate, BadLinesAreReportedAndTheRestGoesOn)
{
    const std::string sevens(200, '7');
    // Longer than any buffer of the program: it must skip the line, not hold it.
    const std::string huge(std::size_t{300} * 1024, 'x');
    const std::string cut = "...' is not a valid date\n";
    struct Case
    {
        std::vector<std::string> Arguments;
        std::string Input;
        const char* Output;
        std::string Errors;
    };
    const Case cases[] = {
        {{"-"},
         "2005-05-05\n\n2005-02-30\n0000-01-01\r\n10000-01-01\ngarbage\n2005-05-05 \n\x1b[2J\\\n" +
             sevens + "\n" + huge + "\n1999-07-15\r\r\n2000-02-29",
         "0347005.M 3\n0163000.M 3\n",
         "chronavell-date: line 2: '' is not a valid date\n"
         "chronavell-date: line 3: '2005-02-30' is not a valid date\n"
         "chronavell-date: line 4: '0000-01-01' is not a valid date\n"
         "chronavell-date: line 5: '10000-01-01' is not a valid date\n"
         "chronavell-date: line 6: 'garbage' is not a valid date\n"
         "chronavell-date: line 7: '2005-05-05 ' is not a valid date\n"
         "chronavell-date: line 8: '\\x1b[2J\\\\' is not a valid date\n"
         "chronavell-date: line 9: '" +
             sevens.substr(0, 100) + cut + "chronavell-date: line 10: '" + huge.substr(0, 100) +
             cut + "chronavell-date: line 11: '1999-07-15\\x0d' is not a valid date\n"},
        {{"--to-gregorian", "-"},
         "0347005.M 3\r\n0347005.M\n00999000.M 3\n\n01002999.M10",
         "05/05/02005\n12/30/09999\n",
         "chronavell-date: line 2: '0347005.M' is not a valid Imperial date\n"
         "chronavell-date: line 3: '00999000.M 3' is not a valid Imperial date\n"
         "chronavell-date: line 4: '' is not a valid Imperial date\n"},
    };
    for (const Case& c : cases) {
        const ProgramRun run = RunProgram({c.Arguments, c.Input});
        EXPECT_EQ(run.Status, 1) << c.Arguments.front();
        EXPECT_EQ(run.Output, c.Output);
        EXPECT_EQ(run.Errors, c.Errors);
    }
}

TEST(ChronavellDate, ArgumentsAndExitStatus)
{
    const ProgramRun help = RunProgram({{"--help"}});
    ASSERT_EQ(help.Status, 0);
    ASSERT_TRUE(help.Output.starts_with("Usage: chronavell-date")) << help.Output;
    struct Case
    {
        std::vector<std::string> Arguments;
        int Status;
        std::string Output;
        // After a misuse, status 2, the usage follows.
        std::string Errors;
        const char* OutputFile = nullptr;
        const char* Input = "";
    };
    const Case cases[] = {
        {{"2005-05-05", "1999-07-15"}, 0, "0347005.M 3\n0541999.M 2\n", ""},
        {{"--class", "3", "0001-01-01", "--class=9", "9999-12-31"},
         0,
         "90031.M 0\n91002999.M 10\n",
         ""},
        {{"2005-02-30", "2005-05-05"},
         1,
         "0347005.M 3\n",
         "chronavell-date: '2005-02-30' is not a valid date\n"},
        {{"--to-gregorian", "0347005.M 3", "0347005.M3", "00035.M 0"},
         0,
         "05/05/02005\n05/05/02005\n01/01/00000\n",
         ""},
        {{"--to-gregorian", "2005-05-05"},
         1,
         "",
         "chronavell-date: '2005-05-05' is not a valid Imperial date\n"},
        {{"--", "-5"}, 1, "", "chronavell-date: '-5' is not a valid date\n"},
        {{"-"}, 0, "", ""},
        {{"--version"}, 0, "chronavell-date " CHRONAVELL_VERSION "\n", ""},
        {{"--bogus", "--help"}, 2, "", "chronavell-date: unknown option '--bogus'\n"},
        {{"--class"}, 2, "", "chronavell-date: option '--class' needs a digit from 0 to 9\n"},
        {{"--class", "10", "2005-05-05"},
         2,
         "",
         "chronavell-date: the class of '--class 10' is no digit from 0 to 9\n"},
        {{"--class", "1", "--to-gregorian"},
         2,
         "",
         "chronavell-date: '--class' sets the check digit of Imperial dates; '--to-gregorian' "
         "writes none\n"},
        {{"-", "2005-05-05"},
         2,
         "",
         "chronavell-date: '-' reads the dates from standard input and stands alone\n"},
        {{"2005-05-05"},
         1,
         "",
         "chronavell-date: cannot write standard output: No space left on device\n",
         "/dev/full"},
        {{"-"},
         1,
         "",
         "chronavell-date: cannot write standard output: No space left on device\n",
         "/dev/full",
         "2005-05-05\n"},
    };
    for (const Case& c : cases) {
        ProgramRun::Request request{c.Arguments, c.Input};
        request.OutputFile = c.OutputFile;
        const ProgramRun run = RunProgram(request);
        EXPECT_EQ(run.Status, c.Status) << c.Arguments.front();
        EXPECT_EQ(run.Output, c.Output) << c.Arguments.front();
        EXPECT_EQ(run.Errors, c.Status == 2 ? c.Errors + help.Output : c.Errors)
            << c.Arguments.front();
    }
}

// The day number of today in a time zone `eastHours` ahead of universal time.
std::int64_t TodayAt(int eastHours)
{
    constexpr std::int64_t secondsPerDay = 86'400;
    return (std::time(nullptr) + std::int64_t{eastHours} * 3600) / secondsPerDay +
           UnixEpochDayNumber;
}

TEST(ChronavellDate, WithoutDatesTodayInLocalTime)
{
    // Twenty-six hours apart: at any moment one of the two zones has a date other than
    // universal time's.
    for (const auto& [zone, eastHours] : {std::pair{"XYZ-14", 14}, std::pair{"XYZ+12", -12}}) {
        for (const bool toGregorian : {false, true}) {
            ProgramRun::Request request;
            if (toGregorian) {
                request.Arguments = {"--to-gregorian"};
            }
            request.Environment = {std::string("TZ=") + zone};
            std::int64_t today = 0;
            ProgramRun run;
            do { // again should midnight pass during the run
                today = TodayAt(eastHours);
                run = RunProgram(request);
            } while (TodayAt(eastHours) != today);
            const std::string imperial = ImperialDateText(static_cast<double>(today));
            EXPECT_EQ(run.Status, 0);
            EXPECT_EQ(run.Output, toGregorian ? RunProgram({{"--to-gregorian", imperial}}).Output
                                              : imperial + '\n')
                << zone;
        }
    }
}

TEST(ChronavellDate, AnswersEachLineBeforeReadingTheNext)
{
    // A bot keeps the program running and talks to it over pipes.
    ChildProcess child({CHRONAVELL_DATE_PATH, "-"});
    for (const std::string date : {"2005-05-05", "1999-07-15"}) {
        const std::string line = date + '\n';
        ASSERT_EQ(::write(child.input(), line.data(), line.size()),
                  static_cast<ssize_t>(line.size()));
        // Only a hang guard: the answer comes at once or, when the program waits for more
        // input first, never.
        pollfd answer{child.output(), POLLIN, 0};
        ASSERT_EQ(::poll(&answer, 1, 30'000), 1) << "no answer to " << date;
        std::array<char, 64> text{};
        const ssize_t count = ::read(child.output(), text.data(), text.size());
        ASSERT_GT(count, 0);
        EXPECT_EQ(std::string(text.data(), static_cast<std::size_t>(count)),
                  ImperialDateText(static_cast<double>(DayNumberFromCivil(
                      {std::stoi(date), std::stoi(date.substr(5)), std::stoi(date.substr(8))}))) +
                      '\n');
    }
    child.closeInput();
    EXPECT_EQ(child.wait(), 0);
}

TEST(ChronavellDate, MemoryStaysFlatOnAHugeStream)
{
    // About 830 KiB: a run of good dates and three lines longer than any buffer.
    std::string block;
    for (std::int64_t day = 0; day < 6000; ++day) {
        block += IsoText(CivilFromDayNumber(day * 97)) + '\n';
    }
    for (int i = 0; i < 3; ++i) {
        block += std::string(std::size_t{256} * 1024, '9') + '\n';
    }
    const auto run = [&block](std::size_t repeats) {
        ProgramRun::Request request{{"-"}, block, repeats};
        request.KeepOutput = false;
        const ProgramRun result = RunProgram(request);
        EXPECT_EQ(result.Status, 1);
        EXPECT_EQ(result.OutputLines, 6000 * repeats);
        EXPECT_EQ(std::count(result.Errors.begin(), result.Errors.end(), '\n'), 3 * repeats);
        return result.PeakKiB;
    };
    const long small = run(1);
    const long large = run(384); // about 310 MiB
    EXPECT_LT(large - small, 256) << "peak " << small << " KiB for one block, " << large
                                  << " KiB for 384";
}

} // namespace
} // namespace chronavell
