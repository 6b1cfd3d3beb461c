// Another program may put a pipe where the sayings file was at any moment while the program
// starts. The swap is made here at exact points of the loader's own system calls: a tracer
// stops the loading process as it enters, or as it returns from, its first open of the file's
// path, and renames a pipe over the file right there.

#include "core/sayings.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/ptrace.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace chronavell {
namespace {

namespace fs = std::filesystem;

enum class SwapPoint
{
    BeforeOpen,
    AfterOpen,
};

// Exit statuses of the loading process.
constexpr int LoadedAsExpected = 0;
constexpr int LoadedOtherSayings = 1;
constexpr int LoadFailed = 2;
constexpr int NotTraceable = 3;

// A loader that waits on the pipe is ended by this watchdog instead of hanging the tests.
constexpr unsigned WatchdogSeconds = 20;

[[noreturn]] void LoadTraced(const fs::path& file, const std::vector<std::string>& expected)
{
    if (::ptrace(PTRACE_TRACEME, 0, nullptr, nullptr) != 0) {
        ::_exit(NotTraceable);
    }
    ::raise(SIGSTOP);
    ::alarm(WatchdogSeconds);
    int status = LoadedAsExpected;
    try {
        SayingsTable table;
        LoadSayings(table, file);
        const std::vector<std::string> sayings(table.Items.begin(),
                                               table.Items.begin() + (table.LastIndex + 1));
        status = sayings == expected ? LoadedAsExpected : LoadedOtherSayings;
    } catch (...) {
        status = LoadFailed;
    }
    ::_exit(status);
}

// The NUL-terminated text at `address` in the stopped tracee.
std::string PeekText(pid_t tracee, std::uint64_t address)
{
    std::string text;
    while (text.size() < 4096) {
        errno = 0;
        const long word = ::ptrace(PTRACE_PEEKDATA, tracee, address + text.size(), nullptr);
        if (errno != 0) {
            break;
        }
        char bytes[sizeof word];
        std::memcpy(bytes, &word, sizeof word);
        for (const char c : bytes) {
            if (c == '\0') {
                return text;
            }
            text += c;
        }
    }
    return text;
}

bool OpensFile(pid_t tracee, const __ptrace_syscall_info& call, const fs::path& file)
{
    std::uint64_t path = 0;
    if (call.entry.nr == SYS_openat) {
        path = call.entry.args[1];
#ifdef SYS_open
    } else if (call.entry.nr == SYS_open) {
        path = call.entry.args[0];
#endif
    } else {
        return false;
    }
    return PeekText(tracee, path) == file.native();
}

// Runs the loader in a traced child, renames `pipe` over `file` at the chosen point of the
// child's first open of `file`, and lets it finish untraced. Returns its wait status; sets
// `swapped` when the point was reached.
int LoadWithSwap(const fs::path& file, const fs::path& pipe, SwapPoint point,
                 const std::vector<std::string>& expected, bool& swapped)
{
    swapped = false;
    const pid_t child = ::fork();
    if (child == 0) {
        LoadTraced(file, expected);
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFSTOPPED(status)) {
        return status;
    }
    ::ptrace(PTRACE_SETOPTIONS, child, nullptr, PTRACE_O_TRACESYSGOOD | PTRACE_O_EXITKILL);
    bool opening = false;
    int signal = 0;
    while (!swapped) {
        if (::ptrace(PTRACE_SYSCALL, child, nullptr, signal) != 0 ||
            ::waitpid(child, &status, 0) != child) {
            ::kill(child, SIGKILL);
            break;
        }
        if (!WIFSTOPPED(status)) {
            return status;
        }
        signal = 0;
        if (WSTOPSIG(status) != (SIGTRAP | 0x80)) {
            signal = WSTOPSIG(status);
            continue;
        }
        __ptrace_syscall_info call = {};
        if (::ptrace(PTRACE_GET_SYSCALL_INFO, child, sizeof call, &call) <= 0) {
            ::kill(child, SIGKILL);
            break;
        }
        if (call.op == PTRACE_SYSCALL_INFO_ENTRY) {
            opening = OpensFile(child, call, file);
            swapped = opening && point == SwapPoint::BeforeOpen;
        } else {
            swapped = opening && point == SwapPoint::AfterOpen;
        }
        if (swapped) {
            fs::rename(pipe, file);
            ::ptrace(PTRACE_DETACH, child, nullptr, nullptr);
        }
    }
    ::waitpid(child, &status, 0);
    return status;
}

TEST(SayingsFileSwappedForAPipe, NeitherHangsNorMixesFiles)
{
    struct Case
    {
        const char* Name;
        SwapPoint Point;
        // What is loaded: nothing when the pipe is what was opened, the file's sayings when
        // the file was opened; both passes read that one file.
        std::vector<std::string> Expected;
    };
    const fs::path folder =
        fs::temp_directory_path() / ("chronavell-swap-" + std::to_string(::getpid()));
    for (const Case& c :
         {Case{"swapped before the open", SwapPoint::BeforeOpen, {}},
          Case{"swapped after the open", SwapPoint::AfterOpen, {"first", "second"}}}) {
        fs::remove_all(folder);
        fs::create_directories(folder);
        const fs::path file = folder / "Sayings.txt";
        const fs::path pipe = folder / "pipe";
        std::ofstream(file, std::ios::binary) << "first\r\nsecond\r\n";
        ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);

        bool swapped = false;
        const int status = LoadWithSwap(file, pipe, c.Point, c.Expected, swapped);
        if (WIFEXITED(status) && WEXITSTATUS(status) == NotTraceable) {
            GTEST_SKIP() << "this system lets no process be traced";
        }
        EXPECT_TRUE(swapped) << c.Name << ": the loader never opened the file";
        if (!WIFEXITED(status)) {
            ADD_FAILURE() << c.Name << ": the load hung on the pipe";
            continue;
        }
        EXPECT_EQ(WEXITSTATUS(status), LoadedAsExpected)
            << c.Name << ": 1 other sayings than expected, 2 an error";
    }
    fs::remove_all(folder);
}

} // namespace
} // namespace chronavell
