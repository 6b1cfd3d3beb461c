#pragma once

#include "pages/site_opener.h"

namespace chronavell {

// The desktop's own default handler. Never a shell command line, so nothing in an address can
// be taken for a command.
class DesktopSiteOpener final : public SiteOpener
{
public:
    void open(const QUrl& address) override;
};

} // namespace chronavell
