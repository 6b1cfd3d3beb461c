#pragma once

#include <optional>

namespace chronavell {

// The window program's own two options, answered before any display is opened: --help and
// --version print to standard output and end the program. Every other argument is Qt's, which
// takes its standard options (-platform, -display, -style...) and leaves the rest alone.
// Returns the exit status when an option was answered, nothing when the window is to open.
std::optional<int> AnswerProgramOptions(int argc, const char* const* argv);

} // namespace chronavell
