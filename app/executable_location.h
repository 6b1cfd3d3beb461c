#pragma once

#include <filesystem>

namespace chronavell {

// Where the running program's executable lies: its files are looked up beside it, not in
// the working directory. An empty path when the folder cannot be known.
class ExecutableLocation
{
public:
    virtual ~ExecutableLocation() = default;
    virtual std::filesystem::path directory() const = 0;
};

// The folder of the executable file itself, links resolved, so that a launcher link
// elsewhere on the PATH still finds the files beside the real program.
class SystemExecutableLocation final : public ExecutableLocation
{
public:
    std::filesystem::path directory() const override;
};

} // namespace chronavell
