#pragma once

#include "widgets/error_reporter.h"

#include <QPointer>
#include <QQueue>
#include <QWidget>

namespace chronavell {

// Reports errors in a modal message box: title "Chronavell", stop icon, one OK button.
// Timers keep ticking inside an open box, so errors can arrive while one is shown: they
// wait their turn and are shown one after another, never as a stack of boxes.
class MessageBoxReporter final : public ErrorReporter
{
public:
    void setParentWindow(QWidget* parent) { parent_ = parent; }
    void report(const QString& message) override;

private:
    QPointer<QWidget> parent_;
    QQueue<QString> pending_;
    bool showing_ = false;
};

} // namespace chronavell
