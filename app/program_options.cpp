#include "app/program_options.h"

#include "build_info.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <span>
#include <string>
#include <string_view>

namespace chronavell {
namespace {

constexpr std::string_view Help =
    "Usage: chronavell [QT-OPTION...]\n"
    "       chronavell --help | --version\n"
    "Converts ordinary dates into Imperial dates and back, in a window.\n"
    "\n"
    "  --help          show this help and exit\n"
    "  --version       show the version and exit\n"
    "\n"
    "Qt's standard options work as in every Qt program, among them:\n"
    "  -platform NAME  the display platform: xcb (X11) or wayland\n"
    "  -display NAME   the X11 display to open\n"
    "  -style NAME     the widget style\n"
    "Other arguments are ignored. The keys and the sayings file: man chronavell.\n";

// An answer that could not be written is a failure, not a silent success: a script that
// reads the version from a full disk or a closed pipe learns of it.
int Print(std::string_view text)
{
    const std::size_t written = std::fwrite(text.data(), 1, text.size(), stdout);
    if (std::fflush(stdout) == 0 && written == text.size()) {
        return 0;
    }
    const int error = errno;
    std::fprintf(stderr, "chronavell: cannot write to standard output: %s\n", std::strerror(error));
    return 1;
}

} // namespace

std::optional<int> AnswerProgramOptions(int argc, const char* const* argv)
{
    const std::span arguments(argv, static_cast<std::size_t>(argc));
    for (const std::string_view argument : arguments.subspan(1)) {
        if (argument == "--help") {
            return Print(Help);
        }
        if (argument == "--version") {
            return Print(std::string("chronavell ") + ApplicationVersion + "\n");
        }
    }
    return std::nullopt;
}

} // namespace chronavell
