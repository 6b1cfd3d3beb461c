#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace chronavell {

// Raised for a text that is no valid integer or no valid date. what() is the message
// the user sees, without the full stop the error reporter may add.
class EConvertError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Throws the error for a text, quoted as it stands, and what it is not: "'12 ' is not a valid
// integer value".
[[noreturn]] inline void ThrowNotValid(std::string_view text, std::string_view kind)
{
    std::string message;
    message.reserve(text.size() + kind.size() + 20);
    message += '\'';
    message += text;
    message += "' is not a valid ";
    message += kind;
    throw EConvertError(message);
}

} // namespace chronavell
