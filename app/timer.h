#pragma once

#include <QObject>

namespace chronavell {

// A repeating countdown on the user-interface thread, made by a Clock. Enabling a timer that
// runs already changes nothing: its running countdown is not restarted, so a second start
// of the lamp's blink cannot stretch it.
class Timer : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    virtual void setEnabled(bool enabled) = 0;

signals:
    void timeout();
};

} // namespace chronavell
