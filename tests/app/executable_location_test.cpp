#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace chronavell {
namespace {

namespace fs = std::filesystem;

// Runs a copy of the probe from `folder` and returns what it wrote.
std::string FolderFoundFrom(const fs::path& folder, bool replacedWhileStarting)
{
    fs::create_directories(folder);
    const fs::path copy = folder / "chronavell";
    fs::copy_file(CHRONAVELL_LOCATION_PROBE, copy, fs::copy_options::overwrite_existing);

    std::array<int, 2> pipe{};
    if (::pipe(pipe.data()) != 0) {
        return "(no pipe)";
    }
    posix_spawn_file_actions_t actions{};
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawn_file_actions_adddup2(&actions, pipe[1], STDOUT_FILENO);
    ::posix_spawn_file_actions_addclose(&actions, pipe[0]);
    std::string program = copy.native();
    std::array<char*, 3> arguments = {program.data(),
                                      replacedWhileStarting ? program.data() : nullptr, nullptr};
    pid_t child = 0;
    const int spawned =
        ::posix_spawn(&child, program.c_str(), &actions, nullptr, arguments.data(), environ);
    ::posix_spawn_file_actions_destroy(&actions);
    ::close(pipe[1]);
    std::string output;
    std::array<char, 4096> chunk{};
    for (ssize_t count = 0; (count = ::read(pipe[0], chunk.data(), chunk.size())) > 0;) {
        output.append(chunk.data(), static_cast<std::size_t>(count));
    }
    ::close(pipe[0]);
    int status = 0;
    if (spawned != 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        return "(the probe failed)";
    }
    return output;
}

// The sayings are read from the folder this finds: an empty or wrong answer would send the
// program to a file of the working folder's.
TEST(SystemExecutableLocation, FolderOfTheRunningFileAsItsBytes)
{
    const fs::path base =
        fs::temp_directory_path() / ("chronavell-location-" + std::to_string(::getpid()));
    struct Case
    {
        const char* Name;
        fs::path Folder;
        bool Replaced;
    };
    for (const Case& c : {Case{"a folder name that is no UTF-8", base / "Kalender-\xe4", false},
                          Case{"the program replaced while it starts", base / "plain", true}}) {
        const std::string found = FolderFoundFrom(c.Folder, c.Replaced);
        EXPECT_EQ(found, fs::canonical(c.Folder).native()) << c.Name;
    }
    fs::remove_all(base);
}

} // namespace
} // namespace chronavell
