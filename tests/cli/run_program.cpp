#include "run_program.h"

#include <array>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace chronavell {
namespace {

std::string ReadBack(int fd)
{
    std::string text;
    std::array<char, 65536> chunk{};
    ssize_t count = 0;
    for (off_t at = 0; (count = ::pread(fd, chunk.data(), chunk.size(), at)) > 0; at += count) {
        text.append(chunk.data(), static_cast<std::size_t>(count));
    }
    ::close(fd);
    return text;
}

} // namespace

pid_t StartProgram(const std::vector<std::string>& arguments, int input, int output, int errors,
                   const char* zone)
{
    std::vector<std::string> command{CHRONAVELL_DATE_PATH};
    command.insert(command.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    argv.reserve(command.size() + 1);
    for (std::string& word : command) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    const pid_t program = ::fork();
    if (program == 0) {
        if ((zone != nullptr && ::setenv("TZ", zone, 1) != 0) || ::dup2(input, 0) < 0 ||
            ::dup2(output, 1) < 0 || ::dup2(errors, 2) < 0) {
            ::_exit(127);
        }
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    return program;
}

int WaitFor(pid_t program, long* peakKiB)
{
    int status = 0;
    rusage usage{};
    while (::wait4(program, &status, 0, &usage) < 0) {
        if (errno != EINTR) {
            return -1;
        }
    }
    if (peakKiB != nullptr) {
        *peakKiB = usage.ru_maxrss;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

ProgramRun RunProgram(const std::vector<std::string>& arguments, std::string_view input,
                      std::size_t repeats, const char* outputFile, const char* zone)
{
    std::array<int, 2> pipe{};
    if (::pipe2(pipe.data(), O_CLOEXEC) != 0) {
        return {};
    }
    const pid_t writer = ::fork();
    if (writer == 0) {
        for (std::size_t i = 0; i < repeats; ++i) {
            for (std::string_view rest = input; !rest.empty();) {
                const ssize_t written = ::write(pipe[1], rest.data(), rest.size());
                if (written <= 0) {
                    ::_exit(1);
                }
                rest.remove_prefix(static_cast<std::size_t>(written));
            }
        }
        ::_exit(0);
    }
    const int output = outputFile != nullptr ? ::open(outputFile, O_WRONLY | O_CLOEXEC)
                                             : ::memfd_create("output", MFD_CLOEXEC);
    const int errors = ::memfd_create("errors", MFD_CLOEXEC);
    const pid_t program = StartProgram(arguments, pipe[0], output, errors, zone);
    ::close(pipe[0]);
    ::close(pipe[1]);
    ProgramRun run;
    run.Status = WaitFor(program, &run.PeakKiB);
    WaitFor(writer);
    if (outputFile != nullptr) {
        ::close(output);
    } else {
        run.Output = ReadBack(output);
    }
    run.Errors = ReadBack(errors);
    return run;
}

} // namespace chronavell
