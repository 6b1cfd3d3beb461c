#pragma once

#include <QObject>

#include <cstdint>

namespace chronavell {

class Clock;
class Timer;

// One wake-up a second, at the start of each second of the wall clock, shared by everything
// that counts whole seconds. Counting on the event loop's own steady clock instead would keep
// no step with the wall clock: the caption would show each second up to a second late, and
// show one twice or skip one whenever the two drift apart. Each wake-up is set from the wall
// time read at the last, so a clock set forward or back is followed from the next tick on.
class SecondTicker final : public QObject
{
    Q_OBJECT

public:
    SecondTicker(Clock& clock, QObject* owner);

    // The ticker sleeps while nobody listens; a new listener hears the next second first.
    void listen();
    void stopListening();
    // True while the second is being announced.
    bool ticking() const { return ticking_; }
    // The seconds announced so far.
    std::uint64_t seconds() const { return seconds_; }

signals:
    void second();

private:
    void wake();
    void sleepUntilNextSecond(int millisecondOfSecond);

    Clock& clock_;
    Timer* alarm_;
    int listeners_ = 0;
    bool ticking_ = false;
    std::uint64_t seconds_ = 0;
};

} // namespace chronavell
