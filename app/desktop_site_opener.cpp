#include "app/desktop_site_opener.h"

#include <QDesktopServices>

namespace chronavell {

void DesktopSiteOpener::open(const QUrl& address)
{
    (void)QDesktopServices::openUrl(address);
}

} // namespace chronavell
