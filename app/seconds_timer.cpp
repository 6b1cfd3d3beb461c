#include "app/seconds_timer.h"

#include <algorithm>

namespace chronavell {

SecondsTimer::SecondsTimer(SecondTicker& ticker, int seconds, QObject* owner, Timer* exact)
    : Timer(owner), ticker_(&ticker), seconds_(seconds), exact_(exact)
{
    connect(ticker_, &SecondTicker::second, this, &SecondsTimer::countSecond);
    if (exact_ != nullptr) {
        exact_->setParent(this);
        connect(exact_, &Timer::timeout, this, &Timer::timeout);
    }
}

SecondsTimer::~SecondsTimer()
{
    if (counting_ && ticker_ != nullptr) {
        ticker_->stopListening();
    }
}

void SecondsTimer::setEnabled(bool enabled)
{
    if (enabled == isEnabled()) {
        return;
    }
    if (!enabled) {
        if (counting_ && ticker_ != nullptr) {
            ticker_->stopListening();
        }
        counting_ = false;
        if (exact_ != nullptr) {
            exact_->setEnabled(false);
        }
        return;
    }
    if (ticker_ == nullptr) {
        return;
    }
    if (exact_ != nullptr && !ticker_->ticking()) {
        exact_->setEnabled(true);
        return;
    }
    counting_ = true;
    secondsLeft_ = seconds_;
    startedOn_ = ticker_->seconds();
    ticker_->listen();
}

void SecondsTimer::restart(std::chrono::milliseconds interval)
{
    setEnabled(false);
    seconds_ = std::max(1, static_cast<int>(interval.count() / 1000));
    setEnabled(true);
}

void SecondsTimer::countSecond()
{
    if (counting_ && ticker_->seconds() != startedOn_ && --secondsLeft_ == 0) {
        secondsLeft_ = seconds_;
        emit timeout();
    }
}

} // namespace chronavell
