#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

namespace chronavell {

// A program started with pipes to its standard input, output and error, so that a test can
// talk to it, and whose peak memory is known once it has ended.
class ChildProcess
{
public:
    // `environment` holds NAME=VALUE texts added to the test's own environment.
    // `outputFile`, when given, receives standard output instead of a pipe.
    explicit ChildProcess(const std::vector<std::string>& command,
                          const std::vector<std::string>& environment = {},
                          const char* outputFile = nullptr);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    ChildProcess(ChildProcess&&) = delete;
    ChildProcess& operator=(ChildProcess&&) = delete;

    int input() const { return input_; }
    // -1 when standard output goes to a file.
    int output() const { return output_; }
    int errors() const { return errors_; }
    void closeInput();

    // Waits for the end: the exit status, or 128 plus the signal that ended it.
    int wait();
    // The largest resident set the program had, in KiB; known after wait().
    long peakKiB() const { return peakKiB_; }

private:
    pid_t pid_ = -1;
    int input_ = -1;
    int output_ = -1;
    int errors_ = -1;
    long peakKiB_ = 0;
};

} // namespace chronavell
