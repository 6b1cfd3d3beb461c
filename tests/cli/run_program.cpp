#include "run_program.h"

#include <array>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <limits>
#include <optional>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <utility>

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

bool WriteRepeated(int fd, std::string_view input, std::size_t repeats)
{
    for (std::size_t i = 0; i < repeats; ++i) {
        for (std::string_view rest = input; !rest.empty();) {
            const ssize_t written = ::write(fd, rest.data(), rest.size());
            if (written <= 0) {
                return false;
            }
            rest.remove_prefix(static_cast<std::size_t>(written));
        }
    }
    return true;
}

// A size that cannot be read ends any wait for the file to grow.
off_t SizeOf(int fd)
{
    struct stat file = {};
    return ::fstat(fd, &file) == 0 ? file.st_size : std::numeric_limits<off_t>::max();
}

bool Running(pid_t program)
{
    siginfo_t state{};
    return ::waitid(P_PID, static_cast<id_t>(program), &state, WEXITED | WNOHANG | WNOWAIT) == 0 &&
           state.si_pid == 0;
}

// The high-water mark of the program's resident set, from the kernel's own count.
long PeakKiBOf(pid_t program)
{
    std::ifstream status("/proc/" + std::to_string(program) + "/status");
    std::string key;
    long kib = 0;
    while (status >> key) {
        if (key == "VmHWM:" && status >> kib) {
            return kib;
        }
    }
    return 0;
}

} // namespace

pid_t StartProgram(const std::vector<std::string>& arguments, int input, int output, int errors,
                   std::vector<std::string> settings)
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
        for (std::string& setting : settings) {
            if (::putenv(setting.data()) != 0) {
                ::_exit(127);
            }
        }
        if (::dup2(input, 0) < 0 || ::dup2(output, 1) < 0 || ::dup2(errors, 2) < 0) {
            ::_exit(127);
        }
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    return program;
}

int WaitFor(pid_t program)
{
    int status = 0;
    while (::waitpid(program, &status, 0) < 0) {
        if (errno != EINTR) {
            return -1;
        }
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

namespace {

// One run from start to end: a writer process of its own pipes the input in, as a generator
// would, and the answers go to memory files (or `outputFile`), which never make the program
// wait. With `weighAt`, this process keeps the pipe open until that many bytes of answers are
// out: the program has then read everything and waits for more, and is weighed before the
// pipe closes.
ProgramRun Run(const std::vector<std::string>& arguments, std::string_view input,
               std::size_t repeats, const char* outputFile, std::vector<std::string> settings,
               std::optional<off_t> weighAt)
{
    std::array<int, 2> pipe{};
    if (::pipe2(pipe.data(), O_CLOEXEC) != 0) {
        return {};
    }
    const pid_t writer = ::fork();
    if (writer == 0) {
        ::_exit(WriteRepeated(pipe[1], input, repeats) ? 0 : 1);
    }
    const int output = outputFile != nullptr ? ::open(outputFile, O_WRONLY | O_CLOEXEC)
                                             : ::memfd_create("output", MFD_CLOEXEC);
    const int errors = ::memfd_create("errors", MFD_CLOEXEC);
    const pid_t program = StartProgram(arguments, pipe[0], output, errors, std::move(settings));
    ::close(pipe[0]);
    ProgramRun run;
    if (weighAt) {
        while (SizeOf(output) < *weighAt && Running(program)) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        run.PeakKiB = PeakKiBOf(program);
    }
    ::close(pipe[1]);
    run.Status = WaitFor(program);
    WaitFor(writer);
    if (outputFile != nullptr) {
        ::close(output);
    } else {
        run.Output = ReadBack(output);
    }
    run.Errors = ReadBack(errors);
    return run;
}

} // namespace

ProgramRun RunProgram(const std::vector<std::string>& arguments, std::string_view input,
                      std::size_t repeats, const char* outputFile,
                      std::vector<std::string> settings)
{
    return Run(arguments, input, repeats, outputFile, std::move(settings), std::nullopt);
}

ProgramRun RunAndWeighProgram(const std::vector<std::string>& arguments, std::string_view input,
                              std::size_t repeats, off_t outputBytes)
{
    // Under AddressSanitizer the program's memory also holds the sanitizer's bookkeeping: freed
    // blocks held back to catch late uses, and the frames of returned calls. Both grow over a
    // long run, and the weighing is of the program (a normal build ignores the setting).
    const char* sanitizer = std::getenv("ASAN_OPTIONS");
    return Run(arguments, input, repeats, nullptr,
               {std::string("ASAN_OPTIONS=") + (sanitizer != nullptr ? sanitizer : "") +
                ":quarantine_size_mb=0:detect_stack_use_after_return=0"},
               outputBytes);
}

} // namespace chronavell
