#pragma once

#include "app/clock.h"

#include <QList>
#include <QPointer>

namespace chronavell::test_support {

class FakeTimer;

// A clock set by hand. Its timers fire only when the test moves the clock on, each at the
// moment it falls due, in order: a day of ticks takes no longer than the handlers do.
class FakeClock final : public Clock
{
public:
    // The present moment, set at will: the local time and, on its own, the UTC millisecond of
    // the day. While broken, every reading of the local time throws.
    QDateTime Now = QDateTime(QDate(2005, 5, 5), QTime(19, 7, 5, 250));
    std::uint32_t UtcMillisecond = 43'200'000;
    bool Broken = false;

    QDateTime localNow() const override;
    std::uint32_t utcMillisecondOfDay() const override { return UtcMillisecond; }
    Timer* makeTimer(QObject* owner, std::chrono::milliseconds interval,
                     Qt::TimerType type) override;

    // Moves the present moment on, firing every timer that falls due on the way.
    void advance(std::chrono::milliseconds by);
    // Milliseconds the clock has been moved on since it was made.
    std::int64_t elapsed() const { return elapsed_; }

private:
    void moveTo(std::int64_t elapsed);

    std::int64_t elapsed_ = 0;
    QList<QPointer<FakeTimer>> timers_;
};

} // namespace chronavell::test_support
