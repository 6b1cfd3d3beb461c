#include "app/message_box_reporter.h"

#include "app/application_title.h"

#include <QMessageBox>

namespace chronavell {

void MessageBoxReporter::report(const QString& message)
{
    pending_.enqueue(message);
    if (showing_) {
        return;
    }
    showing_ = true;
    while (!pending_.isEmpty()) {
        QMessageBox box(QMessageBox::Critical, ApplicationTitle, pending_.dequeue(),
                        QMessageBox::Ok, parent_);
        // Whatever the message holds, it is shown as it stands.
        box.setTextFormat(Qt::PlainText);
        box.exec();
    }
    showing_ = false;
}

} // namespace chronavell
