#pragma once

#include <stdexcept>
#include <string>

namespace chronavell {

// An input/output failure while reading a file, with the error code the user is shown
// and the message that code stands for.
class EInOutError : public std::runtime_error
{
public:
    // The message is chosen by the code: 2 "File not found", 3 "Invalid filename",
    // 4 "Too many open files", 5 "File access denied", 100 "Read beyond end of file",
    // 101 "Disk full", 106 "Invalid numeric input", any other "I/O error <code>".
    explicit EInOutError(int errorCode);
    EInOutError(int errorCode, const std::string& message);

    // The operating system's errno, mapped to the codes above where one fits; an errno
    // without a counterpart keeps its own value and reads as the system describes it
    // ("Input/output error"), or "I/O error <errno>" when the system knows no such errno.
    static EInOutError fromErrno(int error);

    int ErrorCode;
};

} // namespace chronavell
