#include "support/private_folder.h"

#include <cstdlib>
#include <stdexcept>
#include <string>
#include <system_error>

namespace chronavell::test_support {

PrivateFolder::PrivateFolder()
{
    std::string pattern = std::filesystem::temp_directory_path() / "chronavell-test-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot make a folder from " + pattern);
    }
    path_ = pattern;
}

PrivateFolder::~PrivateFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

} // namespace chronavell::test_support
