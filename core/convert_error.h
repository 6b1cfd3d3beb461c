#pragma once

#include <stdexcept>

namespace chronavell {

// Raised for a text that is no valid integer or no valid date. what() is the message
// the user sees, without the full stop the error reporter may add.
class EConvertError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

} // namespace chronavell
