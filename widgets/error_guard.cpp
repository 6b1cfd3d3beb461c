#include "widgets/error_guard.h"

#include "widgets/text_decoding.h"

#include <stdexcept>

namespace chronavell {
namespace {

// The message as the user sees it: a full stop is added when the last character sorts after
// "." ("File access denied" gains one, "...Directory!" does not).
QString WithFullStop(const QString& message)
{
    if (!message.isEmpty() && message.back() > u'.') {
        return message + u'.';
    }
    return message;
}

} // namespace

void ErrorGuard::reportCurrent() noexcept
{
    try {
        QString message;
        try {
            throw;
        } catch (const std::exception& error) {
            // Messages are 8-bit text and may quote what the user typed or a file held.
            message = DecodeText(error.what());
        } catch (...) {
            message = QStringLiteral("Unknown error");
        }
        reporter_.report(WithFullStop(message));
    } catch (...) {
        // Nothing is left to tell the user with; the event loop must still not see it.
    }
}

} // namespace chronavell
