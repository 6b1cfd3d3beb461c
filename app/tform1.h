#pragma once

#include "app/caption_time_format.h"
#include "app/clock.h"
#include "app/executable_location.h"
#include "app/platform.h"
#include "core/sayings.h"
#include "pages/about_page.h"
#include "pages/conversion_page.h"
#include "pages/current_date_page.h"
#include "pages/links_page.h"
#include "pages/timeline_page.h"
#include "widgets/error_guard.h"

#include <QMainWindow>

#include <exception>

namespace chronavell {

class SecondTicker;
class TabbedNotebook;
class Timer;

// The main window: five tabbed pages, the caption clock, the lamp's timers and the start
// sequence. It wires the pages together; each page keeps its own behaviour. Everything the
// user or a timer sets off runs inside the one error guard.
class TForm1 : public QMainWindow
{
    Q_OBJECT

public:
    explicit TForm1(const Platform& platform, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Runs the handler on the sender's signal as the toolkit runs handlers: inside the one
    // error guard.
    template <typename Sender, typename Signal, typename... Arguments>
    void wire(Sender* sender, Signal signal, void (TForm1::*handler)(Arguments...))
    {
        connect(sender, signal, this, [this, handler](Arguments... arguments) {
            guard_.run([&] { (this->*handler)(arguments...); });
        });
    }

    // The start sequence, run once when the window is first shown.
    void FormShow();
    void DateTimePickerChange();
    void Timer1Timer() { showCaption(platform_.TheClock.localNow().time()); }
    void Button1Click();
    void SpeedButton1MouseDown() { startBlink(); }
    void SpeedButton2MouseDown() { startBlink(); }
    void SpeedButton3Click();
    void PrepareBlinkStrip() { conversion_->PrepareBlinkStrip(); }
    void Timer2Timer() { startBlink(); }
    void Timer3Timer();
    void PlaceYouRHere(int millennium) { timeline_->PlaceYouRHere(millennium); }
    void LoadSayings();
    std::string PickSaying() const
    {
        return chronavell::PickSaying(sayings_, platform_.TheClock.utcMillisecondOfDay());
    }

    void pickToday() { currentDate_->pickDay(platform_.TheClock.localNow().date()); }
    void readRegionalSettings();
    void showCaption(QTime time);
    void describePickedDay();
    void startBlink();

    Platform platform_;
    ErrorGuard guard_;
    SayingsTable sayings_;
    // Why the sayings file could not be read, when it could not.
    std::exception_ptr sayingsFailure_;
    CaptionTimeFormat timeFormat_;
    bool started_ = false;

    TabbedNotebook* notebook_;
    CurrentDatePage* currentDate_;
    ConversionPage* conversion_;
    TimelinePage* timeline_;
    LinksPage* links_;
    AboutPage* about_;
    // The wall clock's seconds, and on them the caption clock, the lamp's period and its
    // one-second countdown.
    SecondTicker* ticker_;
    Timer* captionClock_;
    Timer* blinkPeriod_;
    Timer* blinkCountdown_;
};

} // namespace chronavell
