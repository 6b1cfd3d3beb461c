#include "app/tform1.h"

#include "app/clock.h"
#include "app/executable_location.h"
#include "app/regional_settings.h"
#include "app/timer.h"
#include "app/window_requests.h"
#include "core/imperial_date.h"
#include "dialogs/tfcheck_date.h"
#include "widgets/form_fonts.h"
#include "widgets/picker_date_format.h"
#include "widgets/png_file.h"
#include "widgets/tabbed_notebook.h"

#include <QEvent>
#include <QIcon>
#include <QShortcut>

namespace chronavell {
namespace {

using namespace std::chrono_literals;

Timer* MakeTimer(Clock& clock, QObject* owner, const char* name, std::chrono::milliseconds interval,
                 bool running, Qt::TimerType type)
{
    Timer* timer = clock.makeTimer(owner, interval, type);
    timer->setObjectName(QString::fromLatin1(name));
    timer->setEnabled(running);
    return timer;
}

} // namespace

TForm1::TForm1(const Platform& platform, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      platform_(platform), guard_(platform.Reporter), notebook_(new TabbedNotebook(this)),
      currentDate_(new CurrentDatePage), conversion_(new ConversionPage),
      timeline_(new TimelinePage), links_(new LinksPage(platform.Opener)),
      about_(new AboutPage(platform.Opener)),
      // The clock and the lamp's period run on whole seconds of the system's clock, so that a
      // lamp that lights, and the countdown that puts it out, share the clock tick's wake-up
      // instead of waking the program on their own. The countdown keeps its second from
      // wherever it starts: a click may start it at any moment.
      captionClock_(MakeTimer(platform.TheClock, this, "Timer1", 1s, true, Qt::VeryCoarseTimer)),
      blinkPeriod_(MakeTimer(platform.TheClock, this, "Timer2", 5s, true, Qt::VeryCoarseTimer)),
      blinkCountdown_(MakeTimer(platform.TheClock, this, "Timer3", 1s, false, Qt::CoarseTimer))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("--------------"));
    setFont(FormFont(SansSerifFace, 11));
    setWindowIcon(QIcon(QPixmap::fromImage(ReadPng(QStringLiteral(":/assets/icon-32.png")))));
    setFixedSize(445, 172);
    move(8, 9);
    // A screen reader names the window by the program, not by the ticking caption.
    setAccessibleName(QStringLiteral("Chronavell"));

    notebook_->setObjectName(QStringLiteral("TabbedNotebook1"));
    setCentralWidget(notebook_);
    notebook_->setPageArea(QRect(4, 24, 437, 144));
    for (const auto& [page, name, caption] :
         {std::tuple<QWidget*, const char*, const char*>{currentDate_, "CurrentDate",
                                                         "Current Date"},
          {conversion_, "GeneralDateConversion", "General Date Conversion"},
          {timeline_, "VantorTimeline", "Vantor Timeline"},
          {links_, "Links", "Links"},
          {about_, "About", "About..."}}) {
        page->setObjectName(QString::fromLatin1(name));
        notebook_->addPage(page, QString::fromLatin1(caption));
    }
    readRegionalSettings();

    connect(currentDate_, &CurrentDatePage::pickedDayChanged, this,
            guarded(&TForm1::DateTimePickerChange));
    connect(currentDate_, &CurrentDatePage::sayingRequested, this, guarded(&TForm1::Button1Click));
    connect(conversion_, &ConversionPage::convertToImperialClicked, this,
            guarded(&TForm1::SpeedButton1Click));
    connect(conversion_, &ConversionPage::convertFromImperialClicked, this,
            guarded(&TForm1::SpeedButton2Click));
    connect(conversion_, &ConversionPage::convertToImperialPressed, this,
            guarded(&TForm1::SpeedButton1MouseDown));
    connect(conversion_, &ConversionPage::convertFromImperialPressed, this,
            guarded(&TForm1::SpeedButton2MouseDown));
    connect(conversion_, &ConversionPage::helpClicked, this, guarded(&TForm1::SpeedButton3Click));
    connect(conversion_, &ConversionPage::millenniumChanged, this, guarded(&TForm1::PlaceYouRHere));
    connect(captionClock_, &Timer::timeout, this, guarded(&TForm1::Timer1Timer));
    // F1 is help from anywhere in the window; Ctrl+Q closes it, and the program with it.
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            guarded(&TForm1::SpeedButton3Click));
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this), &QShortcut::activated, this,
            &TForm1::close);
    connect(blinkPeriod_, &Timer::timeout, this, guarded(&TForm1::Timer2Timer));
    connect(blinkCountdown_, &Timer::timeout, this, guarded(&TForm1::Timer3Timer));
}

void TForm1::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
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
    QWidget::changeEvent(event);
}

void TForm1::readRegionalSettings()
{
    const QLocale locale = platform_.Regional.locale();
    timeFormat_ = CaptionTimeFormat::fromLocale(locale);
    currentDate_->setDateFormat(PickerDateFormat(locale));
    conversion_->setRegion(locale);
}

// Each step that needs the present moment reads the clock afresh.
void TForm1::FormShow()
{
    PrepareBlinkStrip();
    LoadSayings();
    showCaption();
    currentDate_->setPickedDay(platform_.TheClock.localNow().date());
    const int year = currentDate_->pickedDay().year();
    currentDate_->showImperialDate(now());
    // Each write runs the field's normalisation; the millennium's places the timeline marker.
    using Field = ConversionPage::Field;
    for (const auto& [field, part] : {std::pair{Field::Segment, ImperialSegmentPart},
                                      std::pair{Field::ImperialYear, ImperialYearPart},
                                      std::pair{Field::Millennium, ImperialMillenniumPart}}) {
        conversion_->writeField(field,
                                QString::fromStdString(ImperialComponent(year, part, now())));
    }
    const QDate today = platform_.TheClock.localNow().date();
    conversion_->writeField(Field::Month, QString::number(today.month()));
    conversion_->writeField(Field::Day, QString::number(today.day()));
    conversion_->writeField(Field::Year, QString::number(today.year()));
    conversion_->setCheckClass(0);
    Button1Click();
}

void TForm1::DateTimePickerChange()
{
    currentDate_->showImperialDate(DateValueOf(currentDate_->pickedDay()));
    showCaption();
}

void TForm1::showCaption()
{
    const QString picked =
        QString::fromStdString(ImperialDateText(DateValueOf(currentDate_->pickedDay())));
    setWindowTitle(QStringLiteral("[") + picked + QStringLiteral("] : ") +
                   timeFormat_.text(platform_.TheClock.localNow().time()));
    // Told only when it changes: a reader hears nothing of the ticking time.
    const QString description = QStringLiteral("Imperial date of the picked day: ") + picked;
    if (accessibleDescription() != description) {
        setAccessibleDescription(description);
    }
    // The clock's tick is the one wake-up a second the window cannot avoid; the window
    // system's echo of the new title should cost one more at most.
    SendWindowRequests();
}

void TForm1::LoadSayings()
{
    chronavell::LoadSayings(sayings_, platform_.Executable.directory() / "Sayings.txt");
}

std::string TForm1::PickSaying() const
{
    return chronavell::PickSaying(sayings_, platform_.TheClock.utcMillisecondOfDay());
}

void TForm1::SpeedButton3Click()
{
    TFCheckDate::showModal(this);
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

double TForm1::now() const
{
    return DateValueOf(platform_.TheClock.localNow());
}

} // namespace chronavell
