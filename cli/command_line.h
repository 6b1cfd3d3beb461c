#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace chronavell {

// What the arguments of chronavell-date ask for.
struct CommandLine
{
    enum class Action
    {
        Convert,
        Help,
        Version,
        // The arguments make no sense; Problem says why.
        Misuse,
    };

    Action What = Action::Convert;
    // Imperial date texts to ordinary dates instead of ISO dates to Imperial date texts.
    bool ToGregorian = false;
    // The check digit written in front of Imperial date texts.
    int CheckClass = 0;
    // "-": one item a line from standard input.
    bool FromInput = false;
    // The dates given as arguments; none means today.
    std::vector<std::string_view> Items;
    std::string Problem;
};

// Reads the arguments that follow the program name. Options may stand anywhere before "--",
// after which every argument is a date; a lone "-" reads standard input wherever it stands.
// "--help" and "--version" take effect where they stand, any misuse before them wins.
CommandLine ReadCommandLine(std::span<const std::string_view> arguments);

} // namespace chronavell
