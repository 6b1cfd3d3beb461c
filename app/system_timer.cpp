#include "app/system_timer.h"

#include <QTimerEvent>

namespace chronavell {

SystemTimer::SystemTimer(QObject* owner, std::chrono::milliseconds interval, Qt::TimerType type)
    : Timer(owner), interval_(interval), type_(type)
{
}

void SystemTimer::setEnabled(bool enabled)
{
    if (enabled && !timer_.isActive()) {
        timer_.start(static_cast<int>(interval_.count()), type_, this);
    } else if (!enabled) {
        timer_.stop();
    }
}

void SystemTimer::restart(std::chrono::milliseconds interval)
{
    interval_ = interval;
    timer_.start(static_cast<int>(interval_.count()), type_, this);
}

void SystemTimer::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == timer_.timerId()) {
        emit timeout();
    }
}

} // namespace chronavell
