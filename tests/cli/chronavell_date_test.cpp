// chronavell-date tested as its users meet it: a program of its own, fed through its
// arguments and standard input, its answers held against the format's own examples and the
// arithmetic done again apart from the program.
#include "core/date_value.h"
#include "run_program.h"
#include "support/independent_calendar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/mman.h>
#include <thread>
#include <unistd.h>

namespace chronavell {
namespace {

std::string IsoText(std::int64_t dayNumber)
{
    const CivilDate date = CivilFromDayNumber(dayNumber);
    std::array<char, 16> text{};
    std::snprintf(text.data(), text.size(), "%04d-%02d-%02d", date.Year, date.Month, date.Day);
    return text.data();
}

// A character from U+0800 to U+FFFF as UTF-8, for those a literal of the source may not hold:
// the ones that turn the direction of the source line round.
std::string Utf8(char32_t point)
{
    return {static_cast<char>(0xE0U | (point >> 12U)),
            static_cast<char>(0x80U | ((point >> 6U) & 0x3FU)),
            static_cast<char>(0x80U | (point & 0x3FU))};
}

// Where two outputs of thousands of lines part, for a readable failure.
std::string FirstDifference(const std::string& actual, const std::string& expected)
{
    const auto at = static_cast<std::size_t>(
        std::mismatch(actual.begin(), actual.end(), expected.begin(), expected.end()).first -
        actual.begin());
    const std::size_t line = expected.rfind('\n', at == 0 ? 0 : at - 1) + 1;
    const auto lineAt = [line](const std::string& text) {
        return text.substr(line, text.find('\n', line) - line);
    };
    std::string message = "'";
    message += lineAt(actual);
    message += "' where '";
    message += lineAt(expected);
    return message + "' belongs";
}

TEST(ChronavellDate, EveryDayOfTwoCyclesForward)
{
    // 400 years repeat the calendar: the first cycle has the short years, the last the
    // millennium 10. The two differ in line ends and check digit too.
    for (const int firstYear : {1, 9600}) {
        const bool last = firstYear > 1;
        std::string input;
        std::string expected;
        const std::int64_t first = DayNumberFromCivil({firstYear, 1, 1});
        for (std::int64_t day = first; day < first + 146'097; ++day) {
            input += IsoText(day) + (last ? "\n" : "\r\n");
            const CivilDate date = CivilFromDayNumber(day);
            expected += test_support::IndependentImperialText(date.Year, date.Month, date.Day,
                                                              last ? '7' : '0') +
                        '\n';
        }
        const ProgramRun run = RunProgram(last ? std::vector<std::string>{"--class", "7", "-"}
                                               : std::vector<std::string>{"-"},
                                          input);
        EXPECT_EQ(run.Status, 0);
        EXPECT_EQ(run.Errors, "");
        EXPECT_TRUE(run.Output == expected) << FirstDifference(run.Output, expected);
    }
}

TEST(ChronavellDate, EveryDayOfTwoCyclesThereAndBack)
{
    // The answers of the forward direction, read back, give the days again: all but 31
    // December of the years below 100, whose text is also one of 6 February.
    for (const int firstYear : {1, 9600}) {
        std::string input;
        std::string expected;
        const std::int64_t first = DayNumberFromCivil({firstYear, 1, 1});
        for (std::int64_t day = first; day < first + 146'097; ++day) {
            const CivilDate date = CivilFromDayNumber(day);
            input += IsoText(day) + '\n';
            if (date.Year < 100 && date.Month == 12 && date.Day == 31) {
                std::array<char, 16> text{};
                std::snprintf(text.data(), text.size(), "%04d-02-06",
                              (date.Year < 10 ? 20 : 200) + date.Year);
                expected += std::string(text.data()) + '\n';
            } else {
                expected += IsoText(day) + '\n';
            }
        }
        const ProgramRun there = RunProgram({"-"}, input);
        const ProgramRun back = RunProgram({"--to-gregorian", "-"}, there.Output);
        EXPECT_EQ(there.Status | back.Status, 0);
        EXPECT_EQ(there.Errors + back.Errors, "");
        EXPECT_TRUE(back.Output == expected) << FirstDifference(back.Output, expected);
    }
}

TEST(ChronavellDate, BadLinesAreReportedAndTheRestGoesOn)
{
    const std::string sevens(200, '7');
    // Longer than any buffer of the program: it must skip the line, not hold it.
    const std::string huge(std::size_t{300} * 1024, 'x');
    const std::string line = "chronavell-date: line ";
    const ProgramRun forward = RunProgram(
        {"-"}, "2005-05-05\n\n2005-02-30\n0000-01-01\r\n10000-01-01\n2005-05-05 \n\x1b[2J\\\n" +
                   sevens + "\n" + huge +
                   // A C1 character, then bytes that are no UTF-8: a lone CSI, a surrogate,
                   // a code point past U+10FFFF and a character cut off by the line end.
                   "\n\xc2\x9b"
                   "1m\x9b"
                   "1m\xed\xa0\x80\xf4\x90\x80\x80\xc3\xa9\xc3\n"
                   "1999-07-15\r\r\n2000-02-29");
    EXPECT_EQ(forward.Status, 1);
    EXPECT_EQ(forward.Output, "0347005.M 3\n0163000.M 3\n");
    EXPECT_EQ(forward.Errors,
              line + "2: '' is not a valid date\n" + line +
                  "3: '2005-02-30' is not a valid date\n" + line +
                  "4: '0000-01-01' is not a valid date\n" + line +
                  "5: '10000-01-01' is not a valid date\n" + line +
                  "6: '2005-05-05 ' is not a valid date\n" + line +
                  "7: '\\x1b[2J\\\\' is not a valid date\n" + line + "8: '" + sevens.substr(0, 80) +
                  "\u2026' is not a valid date\n" + line + "9: '" + huge.substr(0, 80) +
                  "\u2026' is not a valid date\n" + line +
                  "10: '\\xc2\\x9b1m\\x9b1m\\xed\\xa0\\x80\\xf4\\x90\\x80\\x80\xc3\xa9\\xc3' is "
                  "not a valid date\n" +
                  line + "11: '1999-07-15\\x0d' is not a valid date\n");
    // Texts of no day: a segment past the year's last, a year of a counted millennium not
    // in three digits, the year 0, millennium 1, a year past 9999. Around them, lines the
    // reader must take apart exactly: an empty first line (its complaint names line 1 like any
    // other), a line of a lone CR, one of most of the buffer, so that the next refill moves
    // what follows it from far in, and a last line past the buffer without a line end.
    const std::string zeros(100'000, '0');
    const ProgramRun backward =
        RunProgram({"--to-gregorian", "-"},
                   "\n" + zeros +
                       "\n0347005.M 3\r\n\r\n0347005.M\n0999999.M 99\n03470050.M 3\n"
                       "347005.M 3\n0347000.M 0\n0347005.M 1\n0003000.M 11\n00031.M 0\n"
                       "01002999.M10\n" +
                       huge);
    EXPECT_EQ(backward.Status, 1);
    EXPECT_EQ(backward.Output, "2005-05-05\n0001-01-01\n9999-12-31\n");
    const std::vector<std::pair<int, std::string>> refusedLines = {
        {1, ""},
        {2, zeros.substr(0, 80) + "\u2026"},
        {4, ""},
        {5, "0347005.M"},
        {6, "0999999.M 99"},
        {7, "03470050.M 3"},
        {8, "347005.M 3"},
        {9, "0347000.M 0"},
        {10, "0347005.M 1"},
        {11, "0003000.M 11"},
        {14, huge.substr(0, 80) + "\u2026"}};
    std::string refused;
    for (const auto& [number, text] : refusedLines) {
        refused += line + std::to_string(number) + ": '";
        refused += text;
        refused += "' is not a valid Imperial date\n";
    }
    EXPECT_EQ(backward.Errors, refused);
}

TEST(ChronavellDate, ArgumentsAndExitStatus)
{
    const std::string usage = RunProgram({"--help"}).Output;
    ASSERT_TRUE(usage.starts_with("Usage: chronavell-date")) << usage;
    struct Case
    {
        std::vector<std::string> Arguments;
        std::string Output;
        // After a misuse, status 2, the usage follows.
        std::string Errors;
        int Status = 0;
        const char* OutputFile = nullptr;
    };
    const Case cases[] = {
        // The last class given counts for every date.
        {{"--class", "3", "0001-01-01", "--class=9", "9999-12-31"},
         "90031.M 0\n91002999.M 10\n",
         ""},
        {{"2005-02-30", "2005-05-05"}, "0347005.M 3\n", "'2005-02-30' is not a valid date\n", 1},
        {{"--to-gregorian", "0347005.M 3", "0085005.M3", "00035.M 0"},
         "2005-05-05\n2005-01-31\n0005-01-01\n",
         ""},
        {{"--to-gregorian", "2005-05-05"}, "", "'2005-05-05' is not a valid Imperial date\n", 1},
        {{"--version"}, "chronavell-date " CHRONAVELL_VERSION "\n", ""},
        {{"--bogus", "--help"}, "", "unknown option '--bogus'\n", 2},
        // 0 is a class too; after "--" an option's name is a date to convert.
        {{"--class=9", "--class", "0", "--", "--help", "2005-05-05"},
         "0347005.M 3\n",
         "'--help' is not a valid date\n",
         1},
        {{"2005-05-05", "--class"}, "", "option '--class' needs a digit from 0 to 9\n", 2},
        {{"--class", "10"}, "", "the class of '--class 10' is no digit from 0 to 9\n", 2},
        {{"--class", ":"}, "", "the class of '--class :' is no digit from 0 to 9\n", 2},
        {{"--class", "3", "--to-gregorian", "0347005.M 3"},
         "",
         "'--class' sets the check digit of Imperial dates; '--to-gregorian' writes none\n",
         2},
        {{"--class="}, "", "the class of '--class=' is no digit from 0 to 9\n", 2},
        // A title for the terminal, a lone CSI and a C1 CSI must not reach it.
        {{"--bogus\x1b]0;x\x07"}, "", "unknown option '--bogus\\x1b]0;x\\x07'\n", 2},
        {{"--class=\x9b"}, "", "the class of '--class=\\x9b' is no digit from 0 to 9\n", 2},
        {{"--class", "\xc2\x9b"},
         "",
         "the class of '--class \\xc2\\x9b' is no digit from 0 to 9\n",
         2},
        // Nor may an override turn the rest of the line round, or a separator break it.
        {{"--class=" + Utf8(0x202E) + "1"},
         "",
         "the class of '--class=\\xe2\\x80\\xae1' is no digit from 0 to 9\n",
         2},
        {{"--x" + Utf8(0x2066) + Utf8(0x2029)},
         "",
         "unknown option '--x\\xe2\\x81\\xa6\\xe2\\x80\\xa9'\n",
         2},
        // The cut counts what is shown, never splits an escape or a character, and marks
        // itself.
        {{"--" + std::string(75, 'x') + "\x01" + std::string(200, 'y')},
         "",
         "unknown option '--" + std::string(75, 'x') + "\u2026'\n",
         2},
        {{"--" + std::string(77, 'x') + "\xc3\xa9" + std::string(200, 'y')},
         "",
         "unknown option '--" + std::string(77, 'x') + "\xc3\xa9\u2026'\n",
         2},
        {{"-", "2005-05-05"}, "", "'-' reads the dates from standard input and stands alone\n", 2},
        {{"2005-05-05"},
         "",
         "cannot write standard output: No space left on device\n",
         1,
         "/dev/full"},
    };
    for (const Case& c : cases) {
        const ProgramRun run = RunProgram(c.Arguments, {}, 1, c.OutputFile);
        const std::string errors = c.Errors.empty() ? "" : "chronavell-date: " + c.Errors;
        EXPECT_EQ(run.Status, c.Status) << c.Arguments.front();
        EXPECT_EQ(run.Output, c.Output) << c.Arguments.front();
        EXPECT_EQ(run.Errors, c.Status == 2 ? errors + usage : errors) << c.Arguments.front();
    }
}

TEST(ChronavellDate, WithoutDatesTodayInLocalTime)
{
    // Twenty-six hours apart: at any moment one of the zones has a date other than
    // universal time's, so a program reading the wrong clock fails here.
    for (const auto& [zone, eastHours] : {std::pair{"XYZ-14", 14}, std::pair{"XYZ+12", -12}}) {
        const auto today = [hours = eastHours] {
            return (std::time(nullptr) + std::int64_t{hours} * 3600) / 86'400 + UnixEpochDayNumber;
        };
        std::int64_t day = 0;
        ProgramRun run;
        do { // again should midnight pass during the run
            day = today();
            run = RunProgram({}, {}, 1, nullptr, {std::string("TZ=") + zone});
        } while (today() != day);
        const CivilDate date = CivilFromDayNumber(day);
        EXPECT_EQ(run.Output,
                  test_support::IndependentImperialText(date.Year, date.Month, date.Day) + '\n')
            << zone;
    }
}

TEST(ChronavellDate, TodayOnTheLastSecondBefore1970)
{
    // That second is -1 since 1970, the value time() also gives for a failure. The faked clock
    // stands still, so the run cannot pass into 1970.
    const char* sanitizer = std::getenv("ASAN_OPTIONS");
    const ProgramRun run = RunProgram(
        {}, {}, 1, nullptr,
        // The dynamic loader fills in $LIB with the library folder of the program's kind.
        {"TZ=UTC", "LD_PRELOAD=/usr/$LIB/faketime/libfaketime.so.1", "FAKETIME=1969-12-31 23:59:59",
         // Under AddressSanitizer the faking library is loaded before the sanitizer's.
         std::string("ASAN_OPTIONS=") + (sanitizer != nullptr ? sanitizer : "") +
             ":verify_asan_link_order=0"});
    EXPECT_EQ(run.Errors, "");
    EXPECT_EQ(run.Output, "01002969.M 2\n");
    EXPECT_EQ(run.Status, 0);
}

TEST(ChronavellDate, AnswersEachLineBeforeReadingTheNext)
{
    // A bot may keep the program open and talk to it over pipes.
    std::array<int, 2> in{};
    std::array<int, 2> out{};
    ASSERT_EQ(::pipe2(in.data(), O_CLOEXEC) | ::pipe2(out.data(), O_CLOEXEC), 0);
    const pid_t program = StartProgram({"-"}, in[0], out[1], out[1]);
    ::close(in[0]);
    ::close(out[1]);
    for (const auto& [date, answer] :
         {std::pair{"2005-05-05\n", "0347005.M 3\n"}, std::pair{"1999-07-15\n", "0541999.M 2\n"}}) {
        std::array<char, 64> text{};
        pollfd ready{out[0], POLLIN, 0};
        // The poll's limit is a hang guard only: the answer comes at once, or never.
        ASSERT_TRUE(::write(in[1], date, 11) == 11 && ::poll(&ready, 1, 30'000) == 1) << date;
        EXPECT_EQ(::read(out[0], text.data(), text.size()), 12);
        EXPECT_STREQ(text.data(), answer);
    }
    ::close(in[1]);
    EXPECT_EQ(WaitFor(program), 0);
    ::close(out[0]);
}

// Bytes waiting in a pipe.
int Pending(int pipeEnd)
{
    int bytes = 0;
    return ::ioctl(pipeEnd, FIONREAD, &bytes) == 0 ? bytes : -1;
}

// Waits until `holds` says yes or nobody writes to `output` any more; false when that took
// more than the hang guard's 30 seconds.
template <typename Condition> bool WaitUntil(Condition holds, int output)
{
    for (int waited = 0; waited < 30'000; ++waited) {
        pollfd writers{output, 0, 0};
        if (holds() || (::poll(&writers, 1, 0) == 1 && (writers.revents & POLLHUP) != 0)) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return false;
}

TEST(ChronavellDate, WaitsOnPipesThatDoNotBlock)
{
    // A parent may hand over pipes that do not block; a read of an empty one or a write to a
    // full one then fails at once with EAGAIN instead of waiting. The flag belongs to the pipe's
    // open end, which the program shares with this process.
    std::array<int, 2> in{};
    std::array<int, 2> out{};
    ASSERT_EQ(::pipe2(in.data(), O_CLOEXEC) | ::pipe2(out.data(), O_CLOEXEC), 0);
    ASSERT_EQ(::fcntl(in[0], F_SETFL, O_NONBLOCK) | ::fcntl(out[1], F_SETFL, O_NONBLOCK), 0);
    // The smallest pipe there is, which a batch of answers overfills.
    const int room = ::fcntl(out[1], F_SETPIPE_SZ, 4096);
    const int errors = ::memfd_create("errors", MFD_CLOEXEC);
    ASSERT_TRUE(room > 0 && errors >= 0);
    const pid_t program = StartProgram({"-"}, in[0], out[1], errors);
    ::close(out[1]);

    // Each line in two pieces, the second only once the program has taken the first: the
    // program reads on at once, while this process still waits, and finds the pipe empty.
    for (const auto& [date, answer] :
         {std::pair{"2005-05-05\n", "0347005.M 3\n"}, std::pair{"1999-07-15\n", "0541999.M 2\n"}}) {
        for (const std::string_view piece :
             {std::string_view(date, 4), std::string_view(date + 4)}) {
            ASSERT_EQ(::write(in[1], piece.data(), piece.size()),
                      static_cast<ssize_t>(piece.size()));
            ASSERT_TRUE(WaitUntil([&in] { return Pending(in[0]) == 0; }, out[0])) << date;
        }
        std::array<char, 64> text{};
        pollfd ready{out[0], POLLIN, 0};
        ASSERT_EQ(::poll(&ready, 1, 30'000), 1) << date;
        ASSERT_EQ(::read(out[0], text.data(), text.size()), 12) << date;
        EXPECT_STREQ(text.data(), answer);
    }

    // More answers at once than the pipe holds: the program must wait for room.
    std::string input;
    std::string expected;
    for (std::int64_t day = 0; day < 1000; ++day) {
        input += IsoText(day * 97) + '\n';
        const CivilDate date = CivilFromDayNumber(day * 97);
        expected += test_support::IndependentImperialText(date.Year, date.Month, date.Day) + '\n';
    }
    ASSERT_GT(expected.size(), static_cast<std::size_t>(room));
    ASSERT_EQ(::write(in[1], input.data(), input.size()), static_cast<ssize_t>(input.size()));
    ASSERT_TRUE(WaitUntil([&] { return Pending(out[0]) == room; }, out[0]));
    ::close(in[1]);
    std::string output;
    std::array<char, 4096> chunk{};
    for (ssize_t count = 0; (count = ::read(out[0], chunk.data(), chunk.size())) > 0;) {
        output.append(chunk.data(), static_cast<std::size_t>(count));
    }
    EXPECT_EQ(WaitFor(program), 0);
    EXPECT_TRUE(output == expected) << FirstDifference(output, expected);
    std::array<char, 256> complaint{};
    EXPECT_EQ(::pread(errors, complaint.data(), complaint.size() - 1, 0), 0) << complaint.data();
    ::close(in[0]);
    ::close(out[0]);
    ::close(errors);
}

TEST(ChronavellDate, MemoryStaysFlatOnAHugeStream)
{
    // About 830 KiB: three lines longer than any buffer, then 6000 good dates, whose answers
    // come last and so show that the whole block was read.
    std::string block;
    for (int i = 0; i < 3; ++i) {
        block += std::string(std::size_t{256} * 1024, '9') + '\n';
    }
    for (std::int64_t day = 0; day < 6000; ++day) {
        block += IsoText(day * 97) + '\n';
    }
    const ProgramRun once = RunProgram({"-"}, block);
    const auto peak = [&](std::size_t repeats) {
        const auto answers = static_cast<off_t>(once.Output.size() * repeats);
        const ProgramRun run = RunAndWeighProgram({"-"}, block, repeats, answers);
        EXPECT_EQ(run.Status, 1);
        EXPECT_EQ(run.Output.size(), answers);
        EXPECT_EQ(std::count(run.Output.begin(), run.Output.end(), '\n'), 6000 * repeats);
        EXPECT_EQ(std::count(run.Errors.begin(), run.Errors.end(), '\n'), 3 * repeats);
        return run.PeakKiB;
    };
    const long small = peak(1);
    const long large = peak(384); // about 310 MiB
    ASSERT_GT(small, 0);
    // Keeping even a third of a percent of the stream would add a megabyte.
    EXPECT_LT(large - small, 1024)
        << "peak " << small << " KiB for one block, " << large << " KiB for 384";
}

} // namespace
} // namespace chronavell
