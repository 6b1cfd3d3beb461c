#pragma once

#include "widgets/error_reporter.h"

#include <exception>
#include <utility>

namespace chronavell {

// The program's default error handler. Every entry point the toolkit calls runs inside
// run(): an error must never unwind through Qt's event loop, so it stops here, is reported,
// and the program goes on.
class ErrorGuard
{
public:
    explicit ErrorGuard(ErrorReporter& reporter) : reporter_(reporter) {}

    // True when the action ran to its end.
    template <typename Action> bool run(Action&& action) noexcept
    {
        try {
            std::forward<Action>(action)();
            return true;
        } catch (...) {
            reportCurrent();
            return false;
        }
    }

private:
    void reportCurrent() noexcept;

    ErrorReporter& reporter_;
};

} // namespace chronavell
