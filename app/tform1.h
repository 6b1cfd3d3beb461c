#pragma once

#include "app/caption_time_format.h"
#include "app/error_guard.h"
#include "app/platform.h"
#include "core/sayings.h"
#include "pages/sprite_strip.h"

#include <QWidget>

#include <string>

class QTimer;

namespace chronavell {

class AboutPage;
class ConversionPage;
class CurrentDatePage;
class DigitField;
class LinksPage;
class TimelinePage;
struct FieldBounds;
class TabbedNotebook;

// The main window: five tabbed pages, the caption clock and the start sequence. Its
// handlers are public so that tests can drive them as the toolkit would.
class TForm1 : public QWidget
{
    Q_OBJECT

public:
    explicit TForm1(const Platform& platform, QWidget* parent = nullptr);
    ~TForm1() override;
    TForm1(const TForm1&) = delete;
    TForm1& operator=(const TForm1&) = delete;
    TForm1(TForm1&&) = delete;
    TForm1& operator=(TForm1&&) = delete;

    // The start sequence, run once when the window is first shown.
    void FormShow();
    void DateTimePickerChange();
    void Timer1Timer();
    void Button1Click();

    // The conversion page.
    void NMonthChange();
    void NDayChange();
    void NYearChange();
    void IYearSegChange();
    void IYearChange();
    void IMillChange();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton1MouseDown();
    void SpeedButton2MouseDown();
    void SpeedButton3Click();
    void ComboBoxChange();
    // The emblem lamp's blink.
    void PrepareBlinkStrip();
    void Timer2Timer();
    void Timer3Timer();

    // The Links page: each area opens its site.
    void LinkBrannochClick();
    void LinkZarrowClick();
    void LinkVelquistClick();

    // Moves the timeline's you-are-here marker to a millennium.
    void PlaceYouRHere(int millennium);

    // The sayings file beside the executable, and a saying for the present UTC millisecond.
    void LoadSayings();
    std::string PickSaying() const;

    // "[", the picked day's Imperial date, "] : " and the present local time.
    QString CaptionText() const;

    // Runs the three timers at a fraction of their designed intervals, so that a test can go
    // through a day of ticks in a minute or two.
    void setTimerScale(double scale);

    CurrentDatePage* currentDatePage() const { return currentDate_; }
    ConversionPage* conversionPage() const { return conversion_; }
    const SayingsTable& sayings() const { return sayings_; }

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A handler as the toolkit calls it: inside the default error handler.
    template <typename Handler> auto guarded(Handler handler)
    {
        return [this, handler] { guard_.run([this, handler] { (this->*handler)(); }); };
    }
    void readRegionalSettings();
    void showCaption();
    void startBlink();
    void connectConversionPage();
    // Fills the unfilled positions with zeros, then keeps the value within its bounds; each
    // write re-enters the field's own handler, which finds the text already in order.
    static void Normalise(DigitField& field, const FieldBounds& bounds);
    double pickedDay() const;

    Platform platform_;
    ErrorGuard guard_;
    SayingsTable sayings_;
    SpriteStrip SpriteStrip_;
    CaptionTimeFormat timeFormat_;
    bool started_ = false;

    TabbedNotebook* TabbedNotebook1;
    CurrentDatePage* currentDate_;
    ConversionPage* conversion_;
    TimelinePage* timeline_;
    LinksPage* links_;
    AboutPage* about_;
    QTimer* Timer1;
    QTimer* Timer2;
    QTimer* Timer3;
};

} // namespace chronavell
