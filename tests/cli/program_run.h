#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace chronavell {

// One run of chronavell-date from start to end: what it was given and what came out.
struct ProgramRun
{
    struct Request
    {
        std::vector<std::string> Arguments{};
        // Written to standard input Repeats times over, as a generator would pipe it.
        std::string_view Input{};
        std::size_t Repeats = 1;
        // False: standard output is counted, not kept, for streams larger than the test
        // should hold.
        bool KeepOutput = true;
        std::vector<std::string> Environment{};
        const char* OutputFile = nullptr;
    };

    int Status = -1;
    std::string Output;
    std::size_t OutputLines = 0;
    std::string Errors;
    long PeakKiB = 0;
};

ProgramRun RunProgram(const ProgramRun::Request& request);

} // namespace chronavell
