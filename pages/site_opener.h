#pragma once

#include <QUrl>

namespace chronavell {

// Hands a web address to the desktop, which opens it in the user's browser. What becomes of
// it is the desktop's business: the program neither waits for nor reports the outcome.
class SiteOpener
{
public:
    virtual ~SiteOpener() = default;
    virtual void open(const QUrl& address) = 0;
};

} // namespace chronavell
