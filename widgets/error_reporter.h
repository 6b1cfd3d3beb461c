#pragma once

#include <QString>

namespace chronavell {

// Shows the user an error that reached the program's default handler.
class ErrorReporter
{
public:
    virtual ~ErrorReporter() = default;
    virtual void report(const QString& message) = 0;
};

} // namespace chronavell
