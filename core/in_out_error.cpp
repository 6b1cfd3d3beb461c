#include "core/in_out_error.h"

#include <cerrno>
#include <cstring>

namespace chronavell {
namespace {

std::string GenericMessage(int errorCode)
{
    return "I/O error " + std::to_string(errorCode);
}

std::string MessageFor(int errorCode)
{
    switch (errorCode) {
    case 2:
        return "File not found";
    case 3:
        return "Invalid filename";
    case 4:
        return "Too many open files";
    case 5:
        return "File access denied";
    case 100:
        return "Read beyond end of file";
    case 101:
        return "Disk full";
    case 106:
        return "Invalid numeric input";
    default:
        return GenericMessage(errorCode);
    }
}

} // namespace

EInOutError::EInOutError(int errorCode) : EInOutError(errorCode, MessageFor(errorCode)) {}

EInOutError::EInOutError(int errorCode, const std::string& message)
    : std::runtime_error(message), ErrorCode(errorCode)
{
}

EInOutError EInOutError::fromErrno(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return EInOutError(5);
    case ENOENT:
        return EInOutError(2);
    case ENAMETOOLONG:
        return EInOutError(3);
    case EMFILE:
    case ENFILE:
        return EInOutError(4);
    case ENOSPC:
        return EInOutError(101);
    default: {
        // The errno's own number may coincide with one of the codes above (EIO is 5), so
        // such a failure says what the system said rather than pose as another. The text is
        // the untranslated one: every other message of the program is English, and the
        // locale the toolkit sets would otherwise choose its language.
        const char* const description = ::strerrordesc_np(error);
        return {error, description != nullptr ? description : GenericMessage(error)};
    }
    }
}

} // namespace chronavell
