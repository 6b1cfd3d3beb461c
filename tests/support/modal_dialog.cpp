#include "support/modal_dialog.h"

#include <QApplication>
#include <QTimer>

namespace chronavell::test_support {

bool WithModalDialog(const std::function<void(QWidget&)>& inside)
{
    // Some rounds of the event loop: the opening is queued, and the dialog's loop then runs
    // the look from inside.
    constexpr int rounds = 100;
    bool ran = false;
    int looks = 0;
    std::function<void()> look = [&] {
        if (QWidget* modal = QApplication::activeModalWidget(); modal != nullptr && !ran) {
            ran = true;
            inside(*modal);
        } else if (!ran && ++looks < rounds) {
            QTimer::singleShot(0, look);
        }
    };
    QTimer::singleShot(0, look);
    for (int round = 0; round < rounds && !ran; ++round) {
        QApplication::processEvents();
    }
    return ran;
}

} // namespace chronavell::test_support
