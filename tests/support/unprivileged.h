#pragma once

#include <functional>

namespace chronavell::test_support {

// Runs `check` in a forked child that has given up root for the unprivileged "nobody", or
// right here when the tests do not run as root, and returns its status (0 for success).
// Root reads files whatever their permissions say, so a test of an unreadable file needs this
// to mean anything in CI. Returns -1 when the child could not be run or did not exit normally.
int RunUnprivileged(const std::function<int()>& check);

} // namespace chronavell::test_support
