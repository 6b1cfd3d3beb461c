#pragma once

#include <functional>

class QWidget;

namespace chronavell::test_support {

// Lets the modal dialog that the event loop is about to open come up, and runs `inside` on it
// from within its own loop; `inside` must end the showing. Returns once the dialog's loop has
// ended, or false when no dialog came up.
bool WithModalDialog(const std::function<void(QWidget&)>& inside);

} // namespace chronavell::test_support
