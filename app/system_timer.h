#pragma once

#include "app/timer.h"

#include <QBasicTimer>

#include <chrono>

namespace chronavell {

// A timer of Qt's event loop.
class SystemTimer final : public Timer
{
    Q_OBJECT

public:
    SystemTimer(QObject* owner, std::chrono::milliseconds interval, Qt::TimerType type);

    void setEnabled(bool enabled) override;
    bool isEnabled() const override { return timer_.isActive(); }
    void restart(std::chrono::milliseconds interval) override;

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    QBasicTimer timer_;
    std::chrono::milliseconds interval_;
    Qt::TimerType type_;
};

} // namespace chronavell
