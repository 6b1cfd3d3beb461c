#include "app/window_requests.h"

#include <QGuiApplication>

// Last: Xlib defines macros that clash with Qt's names.
#include <X11/Xlib.h>

namespace chronavell {

void SendWindowRequests()
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 != nullptr && x11->display() != nullptr) {
        XFlush(x11->display());
    }
}

} // namespace chronavell
