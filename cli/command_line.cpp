#include "cli/command_line.h"

#include "core/shown_text.h"

#include <utility>

namespace chronavell {
namespace {

CommandLine Misuse(std::string problem)
{
    CommandLine misuse;
    misuse.What = CommandLine::Action::Misuse;
    misuse.Problem = std::move(problem);
    return misuse;
}

} // namespace

CommandLine ReadCommandLine(std::span<const std::string_view> arguments)
{
    CommandLine command;
    bool classGiven = false;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (optionsEnded || argument == "-" || !argument.starts_with('-')) {
            command.Items.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--help") {
            command.What = CommandLine::Action::Help;
            return command;
        } else if (argument == "--version") {
            command.What = CommandLine::Action::Version;
            return command;
        } else if (argument == "--to-gregorian") {
            command.ToGregorian = true;
        } else if (argument == "--class" || argument.starts_with("--class=")) {
            std::string_view value;
            if (argument != "--class") {
                value = argument.substr(8);
            } else if (i + 1 < arguments.size()) {
                value = arguments[++i];
            } else {
                return Misuse("option '--class' needs a digit from 0 to 9");
            }
            if (value.size() != 1 || value[0] < '0' || value[0] > '9') {
                const std::string given =
                    argument == "--class" ? "--class " + std::string(value) : std::string(argument);
                return Misuse("the class of '" + ShownText(given) + "' is no digit from 0 to 9");
            }
            command.CheckClass = value[0] - '0';
            classGiven = true;
        } else {
            return Misuse("unknown option '" + ShownText(argument) + "'");
        }
    }
    if (classGiven && command.ToGregorian) {
        return Misuse("'--class' sets the check digit of Imperial dates; '--to-gregorian' "
                      "writes none");
    }
    for (const std::string_view item : command.Items) {
        if (item == "-") {
            if (command.Items.size() > 1) {
                return Misuse("'-' reads the dates from standard input and stands alone");
            }
            command.FromInput = true;
            command.Items.clear();
            break;
        }
    }
    return command;
}

} // namespace chronavell
