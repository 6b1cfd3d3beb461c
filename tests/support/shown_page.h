#pragma once

#include "widgets/tabbed_notebook.h"

#include <QTest>
#include <QWidget>

namespace chronavell::test_support {

// Shows a page on its own at the notebook's page size and waits until the window system has
// shown it, and made it the active window when asked, as tests of the keyboard need.
inline bool ShowPage(QWidget& page, bool activate = false)
{
    page.resize(PageSize);
    page.show();
    if (!activate) {
        return QTest::qWaitForWindowExposed(&page);
    }
    page.activateWindow();
    return QTest::qWaitForWindowActive(&page);
}

} // namespace chronavell::test_support
