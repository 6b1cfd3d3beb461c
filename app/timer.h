#pragma once

#include <QObject>

#include <chrono>

namespace chronavell {

// A repeating countdown on the user-interface thread. Enabling a timer that runs already
// changes nothing: its running countdown is not restarted, so a second start of the lamp's
// blink cannot stretch it.
class Timer : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    virtual void setEnabled(bool enabled) = 0;
    virtual bool isEnabled() const = 0;
    // Counts `interval` afresh from now, enabled, and repeats at that interval after.
    virtual void restart(std::chrono::milliseconds interval) = 0;

signals:
    void timeout();
};

} // namespace chronavell
