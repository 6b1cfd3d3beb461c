#include "app/tform1.h"

#include "app/clock.h"
#include "app/regional_settings.h"
#include "app/second_ticker.h"
#include "app/seconds_timer.h"
#include "app/timer.h"
#include "app/window_requests.h"
#include "dialogs/tfcheck_date.h"
#include "widgets/form_fonts.h"
#include "widgets/picker_date_format.h"
#include "widgets/png_file.h"
#include "widgets/tabbed_notebook.h"

#include <QDir>
#include <QEvent>
#include <QIcon>
#include <QShortcut>

#include <algorithm>
#include <vector>

namespace chronavell {

using namespace std::chrono_literals;

namespace {

// The icon in every size the program carries, the sizes installed for the desktop too: a
// taskbar at twice the density then takes a sharper one instead of scaling the smallest up.
// Each picture is read as PNG by name, so that no image plugin is asked whether it reads it.
// The smallest comes first, as the window system lists them, so that a reader that stops
// short of the whole list, as xprop does, has met every size by then.
QIcon WindowIcon()
{
    const QDir pictures(QStringLiteral(":/assets"));
    std::vector<QImage> sizes;
    for (const QString& name : pictures.entryList({QStringLiteral("icon-*.png")}, QDir::Files)) {
        sizes.push_back(ReadPng(pictures.filePath(name)));
    }
    std::sort(sizes.begin(), sizes.end(),
              [](const QImage& a, const QImage& b) { return a.width() < b.width(); });
    QIcon icon;
    for (const QImage& size : sizes) {
        icon.addPixmap(QPixmap::fromImage(size));
    }
    return icon;
}

} // namespace

TForm1::TForm1(const Platform& platform, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      platform_(platform), guard_(platform.Reporter), notebook_(new TabbedNotebook(this)),
      currentDate_(new CurrentDatePage), conversion_(new ConversionPage(guard_)),
      timeline_(new TimelinePage), links_(new LinksPage(platform.Opener)),
      about_(new AboutPage(platform.Opener)),
      // The clock and the lamp's period count the wall clock's seconds, so that a lamp that
      // lights, and the countdown that puts it out, share the clock tick's wake-up instead of
      // waking the program on their own. The countdown keeps its second from wherever it
      // starts: a click may start it at any moment.
      ticker_(new SecondTicker(platform.TheClock, this)),
      captionClock_(new SecondsTimer(*ticker_, 1, this)),
      blinkPeriod_(new SecondsTimer(*ticker_, 5, this)),
      blinkCountdown_(new SecondsTimer(*ticker_, 1, this,
                                       platform.TheClock.makeTimer(this, 1s, Qt::CoarseTimer)))
{
    setObjectName(QStringLiteral("Form1"));
    captionClock_->setObjectName(QStringLiteral("Timer1"));
    blinkPeriod_->setObjectName(QStringLiteral("Timer2"));
    blinkCountdown_->setObjectName(QStringLiteral("Timer3"));
    setWindowTitle(QStringLiteral("--------------"));
    setFont(FormFont(SansSerifFace, 11));
    setWindowIcon(WindowIcon());
    setFixedSize(445, 172);
    move(8, 9);
    setAccessibleName(QStringLiteral("Chronavell"));

    notebook_->setObjectName(QStringLiteral("TabbedNotebook1"));
    setCentralWidget(notebook_);
    notebook_->setPageArea(QRect(QPoint(4, 24), PageSize));
    notebook_->addPage(currentDate_, QStringLiteral("Current Date"));
    notebook_->addPage(conversion_, QStringLiteral("General Date Conversion"));
    notebook_->addPage(timeline_, QStringLiteral("Vantor Timeline"));
    notebook_->addPage(links_, QStringLiteral("Links"));
    notebook_->addPage(about_, QStringLiteral("About..."));
    readRegionalSettings();

    wire(currentDate_, &CurrentDatePage::pickedDayChanged, &TForm1::DateTimePickerChange);
    wire(currentDate_, &CurrentDatePage::sayingRequested, &TForm1::Button1Click);
    wire(currentDate_, &CurrentDatePage::todayRequested, &TForm1::pickToday);
    wire(conversion_, &ConversionPage::convertToImperialPressed, &TForm1::SpeedButton1MouseDown);
    wire(conversion_, &ConversionPage::convertFromImperialPressed, &TForm1::SpeedButton2MouseDown);
    wire(conversion_, &ConversionPage::helpClicked, &TForm1::SpeedButton3Click);
    wire(conversion_, &ConversionPage::millenniumChanged, &TForm1::PlaceYouRHere);
    wire(captionClock_, &Timer::timeout, &TForm1::Timer1Timer);
    wire(blinkPeriod_, &Timer::timeout, &TForm1::Timer2Timer);
    wire(blinkCountdown_, &Timer::timeout, &TForm1::Timer3Timer);
    captionClock_->setEnabled(true);
    blinkPeriod_->setEnabled(true);
    // F1 is help from anywhere in the window; Ctrl+Q closes it, and the program with it.
    wire(new QShortcut(Qt::Key_F1, this), &QShortcut::activated, &TForm1::SpeedButton3Click);
    connect(new QShortcut(Qt::CTRL | Qt::Key_Q, this), &QShortcut::activated, this,
            &QWidget::close);
}

void TForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // Restoring a minimised window shows it again; the start sequence belongs to the first.
    if (!started_) {
        started_ = true;
        guard_.run([this] { FormShow(); });
    }
}

void TForm1::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LocaleChange) {
        readRegionalSettings();
    }
    QMainWindow::changeEvent(event);
}

void TForm1::readRegionalSettings()
{
    const QLocale locale = platform_.Regional.locale();
    timeFormat_ = CaptionTimeFormat::fromLocale(locale);
    currentDate_->setDateFormat(PickerDateFormat(locale));
    conversion_->setRegion(locale);
}

// The clock is read once: the picker, its Imperial date, the caption and the conversion page
// all show that moment's day, even at midnight. The picker is set before the first caption
// is composed, so that the caption shows the picked day from the first frame; the picker
// keeps the day within its range, and the other pages show the day it holds. Sayings that
// cannot be read are reported, and the start goes on without them.
void TForm1::FormShow()
{
    PrepareBlinkStrip();
    const bool sayingsRead = guard_.run([this] { LoadSayings(); });
    const QDateTime moment = platform_.TheClock.localNow();
    currentDate_->setPickedDay(moment.date());
    showCaption(moment.time());
    describePickedDay();
    // Each write runs the field's normalisation; the millennium's places the timeline marker.
    conversion_->showDay(currentDate_->pickedDate());
    conversion_->setCheckClass(0);
    if (sayingsRead) {
        Button1Click();
    } else {
        currentDate_->showSaying({});
    }
}

void TForm1::LoadSayings()
{
    sayingsFailure_ = nullptr;
    try {
        chronavell::LoadSayings(sayings_, platform_.Executable.directory() / "Sayings.txt");
    } catch (...) {
        sayingsFailure_ = std::current_exception();
        throw;
    }
}

// A file that could not be read leaves no saying to pick, yet it is not missing: a click says
// again what kept it from being read.
void TForm1::Button1Click()
{
    if (sayingsFailure_) {
        std::rethrow_exception(sayingsFailure_);
    }
    currentDate_->showSaying(PickSaying());
}

void TForm1::DateTimePickerChange()
{
    showCaption(platform_.TheClock.localNow().time());
    describePickedDay();
}

void TForm1::showCaption(QTime time)
{
    setWindowTitle(QStringLiteral("[") + currentDate_->pickedImperialDate() +
                   QStringLiteral("] : ") + timeFormat_.text(time));
    // The clock's tick is the one wake-up a second the window cannot avoid; the window
    // system's echo of the new title should cost one more at most.
    SendWindowRequests();
}

// The dialog's modal showing runs a loop of its own: it starts from the event loop, not
// inside the click, so that whoever pressed, a screen reader's press action among them, has
// its answer at once and not when the dialog closes. Ctrl+Q there ends the program as it does
// in the window: the dialog closes, then the window.
void TForm1::SpeedButton3Click()
{
    QMetaObject::invokeMethod(
        this,
        [this] {
            guard_.run([this] {
                if (TFCheckDate::showModal(this) == TFCheckDate::Ending::Quit) {
                    close();
                }
            });
        },
        Qt::QueuedConnection);
}

void TForm1::Timer3Timer()
{
    conversion_->dimLamp();
    blinkCountdown_->setEnabled(false);
}

// A blink already lit keeps its countdown: the timer is not restarted. Before the first
// showing the strip is still empty: a tick then has nothing to light and starts nothing.
void TForm1::startBlink()
{
    if (conversion_->lightLamp()) {
        blinkCountdown_->setEnabled(true);
    }
}

// A screen reader names the window by the program and hears the picked day's date from its
// description, not from the caption's ticking time.
void TForm1::describePickedDay()
{
    setAccessibleDescription(QStringLiteral("Imperial date of the picked day: ") +
                             currentDate_->pickedImperialDate());
}

} // namespace chronavell
