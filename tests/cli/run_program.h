#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

namespace chronavell {

// One run of chronavell-date from start to end.
struct ProgramRun
{
    // The exit status, or 128 plus the signal that ended the program.
    int Status = -1;
    std::string Output;
    std::string Errors;
    // The largest resident set the program had, in KiB, when it was weighed.
    long PeakKiB = 0;
};

// Starts chronavell-date on the given descriptors, with `settings` ("NAME=value") added to its
// environment.
pid_t StartProgram(const std::vector<std::string>& arguments, int input, int output, int errors,
                   std::vector<std::string> settings = {});
// Waits for the end of a started program.
int WaitFor(pid_t program);

// Runs chronavell-date to its end with `input` piped to it `repeats` times over by a writer
// process of its own, as a generator would. Output goes to `outputFile` when one is given;
// `settings` ("NAME=value") are added to the program's environment.
ProgramRun RunProgram(const std::vector<std::string>& arguments, std::string_view input = {},
                      std::size_t repeats = 1, const char* outputFile = nullptr,
                      std::vector<std::string> settings = {});

// Runs chronavell-date as RunProgram does and weighs the program once `outputBytes` of
// answers are out: it has then read everything and waits for more, so its high-water mark is
// the whole stream's, and its own, not that of the process it was forked from.
ProgramRun RunAndWeighProgram(const std::vector<std::string>& arguments, std::string_view input,
                              std::size_t repeats, off_t outputBytes);

} // namespace chronavell
