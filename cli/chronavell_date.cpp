#include "cli/chronavell_date.h"

#include "build_info.h"
#include "cli/command_line.h"
#include "cli/line_reader.h"
#include "cli/output_buffer.h"
#include "core/date_value.h"
#include "core/imperial_calendar.h"
#include "core/imperial_text.h"
#include "core/read_iso_date.h"
#include "core/shown_text.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <optional>
#include <span>
#include <string>
#include <unistd.h>

namespace chronavell {
namespace {

constexpr int Success = 0;
constexpr int Failure = 1;
constexpr int Misused = 2;

constexpr std::string_view Usage =
    "Usage: chronavell-date [--class N] [DATE...]\n"
    "       chronavell-date --to-gregorian [IMPERIAL...]\n"
    "Writes the Imperial date of each DATE, an ISO date YYYY-MM-DD of the years 1 to 9999,\n"
    "or of today (local time) when none is given. With --to-gregorian, writes the ISO date\n"
    "of the day whose Imperial date each text such as \"0347005.M 3\" is.\n"
    "A single - in place of the dates reads one date a line from standard input.\n"
    "\n"
    "  --class N        write N (0 to 9) as the check digit instead of 0\n"
    "  --to-gregorian   read Imperial date texts and write the ISO dates of their days\n"
    "  --help           show this help and exit\n"
    "  --version        show the version and exit\n"
    "\n"
    "Exit status: 0 when every date converted, 1 when any was not a valid date or\n"
    "reading or writing failed, 2 when the options were misused.\n";

void WriteImperial(const CivilDate& date, int checkClass, OutputBuffer& out)
{
    std::array<char, ImperialTextCapacity + 1> line{};
    const std::size_t length = WriteImperialText(ToImperial(date, checkClass),
                                                 std::span(line).first<ImperialTextCapacity>());
    line.at(length) = '\n';
    out.append({line.data(), length + 1});
}

// The ISO date, the form the forward direction reads, so that the two directions pipe into
// each other.
void WriteIsoDate(const CivilDate& date, OutputBuffer& out)
{
    std::array<char, 16> line{};
    const int length = std::snprintf(line.data(), line.size(), "%04d-%02d-%02d\n", date.Year,
                                     date.Month, date.Day);
    out.append({line.data(), static_cast<std::size_t>(length)});
}

// Writes the answer for one date; false when the text is no date of the kind asked for.
bool Convert(std::string_view item, const CommandLine& command, OutputBuffer& out)
{
    if (command.ToGregorian) {
        const std::optional<CivilDate> date = ReadImperialDay(item);
        if (date) {
            WriteIsoDate(*date, out);
        }
        return date.has_value();
    }
    const std::optional<CivilDate> date = ReadIsoDate(item);
    if (date) {
        WriteImperial(*date, command.CheckClass, out);
    }
    return date.has_value();
}

// Line 0 stands for a date given as an argument.
void Complain(std::uint64_t lineNumber, std::string_view text, const CommandLine& command,
              OutputBuffer& out, OutputBuffer& errors)
{
    // Answers written so far go first, so that a shared stream keeps the order of the input.
    out.flush();
    errors.append("chronavell-date: ");
    if (lineNumber > 0) {
        std::array<char, 24> digits{};
        const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), lineNumber);
        errors.append("line ");
        errors.append({digits.data(), static_cast<std::size_t>(end.ptr - digits.data())});
        errors.append(": ");
    }
    errors.put('\'');
    errors.append(ShownText(text));
    errors.append(command.ToGregorian ? "' is not a valid Imperial date\n"
                                      : "' is not a valid date\n");
    errors.flush();
}

void ComplainOfSystem(std::string_view what, int error, OutputBuffer& errors)
{
    errors.append("chronavell-date: ");
    errors.append(what);
    errors.append(": ");
    errors.append(std::strerror(error));
    errors.put('\n');
    errors.flush();
}

// Today in local time, or nothing outside the years the calendar handles.
std::optional<CivilDate> Today()
{
    // Not time(), whose failure value -1 is also the last second of 1969.
    timespec now{};
    std::tm local{};
    if (::clock_gettime(CLOCK_REALTIME, &now) != 0 ||
        ::localtime_r(&now.tv_sec, &local) == nullptr) {
        return std::nullopt;
    }
    const CivilDate day{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
    if (!day.ok()) {
        return std::nullopt;
    }
    return day;
}

int ConvertToday(const CommandLine& command, OutputBuffer& out, OutputBuffer& errors)
{
    const std::optional<CivilDate> today = Today();
    if (!today) {
        errors.append("chronavell-date: today's date lies outside the years 1 to 9999\n");
        errors.flush();
        return Failure;
    }
    if (command.ToGregorian) {
        // The day of today's Imperial date is today.
        WriteIsoDate(*today, out);
    } else {
        WriteImperial(*today, command.CheckClass, out);
    }
    return Success;
}

int ConvertArguments(const CommandLine& command, OutputBuffer& out, OutputBuffer& errors)
{
    int status = Success;
    for (const std::string_view item : command.Items) {
        if (!Convert(item, command, out)) {
            Complain(0, item, command, out, errors);
            status = Failure;
        }
    }
    return status;
}

int ConvertInput(const CommandLine& command, OutputBuffer& out, OutputBuffer& errors)
{
    LineReader reader(STDIN_FILENO, [&out] { out.flush(); });
    int status = Success;
    std::uint64_t lineNumber = 0;
    LineReader::Line line;
    while (out.error() == 0 && reader.next(line)) {
        ++lineNumber;
        // A cut line holds far more than a complaint shows, so its quote is cut too.
        if (line.Cut || !Convert(line.Text, command, out)) {
            Complain(lineNumber, line.Text, command, out, errors);
            status = Failure;
        }
    }
    if (reader.error() != 0) {
        ComplainOfSystem("cannot read standard input", reader.error(), errors);
        status = Failure;
    }
    return status;
}

} // namespace

int RunChronavellDate(std::span<const std::string_view> arguments)
{
    const CommandLine command = ReadCommandLine(arguments);
    OutputBuffer out(STDOUT_FILENO);
    OutputBuffer errors(STDERR_FILENO);
    int status = Success;
    switch (command.What) {
    case CommandLine::Action::Help:
        out.append(Usage);
        break;
    case CommandLine::Action::Version:
        out.append("chronavell-date ");
        out.append(ApplicationVersion);
        out.put('\n');
        break;
    case CommandLine::Action::Misuse:
        errors.append("chronavell-date: ");
        errors.append(command.Problem);
        errors.put('\n');
        errors.append(Usage);
        errors.flush();
        return Misused;
    case CommandLine::Action::Convert:
        if (command.FromInput) {
            status = ConvertInput(command, out, errors);
        } else if (command.Items.empty()) {
            status = ConvertToday(command, out, errors);
        } else {
            status = ConvertArguments(command, out, errors);
        }
        break;
    }
    if (!out.flush()) {
        ComplainOfSystem("cannot write standard output", out.error(), errors);
        return Failure;
    }
    return status;
}

} // namespace chronavell
