#include "app/executable_location.h"

#include <system_error>

namespace chronavell {

std::filesystem::path SystemExecutableLocation::directory() const
{
    // The kernel's link names the running file with every link resolved, as bytes: a folder
    // name in no valid encoding stays as it is, and a file replaced since the start still
    // shows the folder it was started from (the name then ends in " (deleted)").
    std::error_code error;
    const std::filesystem::path file = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || !file.is_absolute()) {
        // No folder at all: the sayings then count as missing, never as a file of the
        // working folder.
        return {};
    }
    return file.parent_path();
}

} // namespace chronavell
