#include "app/tform1.h"

#include "app/clock.h"
#include "app/current_date_page.h"
#include "app/executable_location.h"
#include "app/picker_date_format.h"
#include "app/regional_settings.h"
#include "app/site_opener.h"
#include "app/text_decoding.h"
#include "app/window_requests.h"
#include "core/imperial_date.h"
#include "core/parse_date_text.h"
#include "dialogs/tfcheck_date.h"
#include "pages/about_page.h"
#include "pages/conversion_page.h"
#include "pages/digit_field.h"
#include "pages/links_page.h"
#include "pages/site_addresses.h"
#include "pages/timeline_page.h"
#include "widgets/deferred_popup_combo_box.h"
#include "widgets/form_fonts.h"
#include "widgets/picture.h"
#include "widgets/png_file.h"
#include "widgets/tabbed_notebook.h"
#include "widgets/text_label.h"

#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QIcon>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolButton>

#include <algorithm>

namespace chronavell {
namespace {

QTimer* MakeTimer(QObject* owner, const char* name, int interval, bool running,
                  Qt::TimerType type = Qt::CoarseTimer)
{
    auto* timer = new QTimer(owner);
    timer->setObjectName(QString::fromLatin1(name));
    timer->setInterval(interval);
    timer->setTimerType(type);
    timer->setProperty("designedInterval", interval);
    timer->setProperty("designedType", static_cast<int>(type));
    if (running) {
        timer->start();
    }
    return timer;
}

} // namespace

TForm1::TForm1(const Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      platform_(platform), guard_(platform.Reporter), TabbedNotebook1(new TabbedNotebook(this)),
      currentDate_(new CurrentDatePage), conversion_(new ConversionPage),
      timeline_(new TimelinePage), links_(new LinksPage), about_(new AboutPage),
      // The clock and the lamp's period run on whole seconds of the system's clock, so that a
      // lamp that lights, and the 1-second countdown that puts it out, share the clock tick's
      // wake-up instead of waking the program on their own. The countdown keeps its second
      // from wherever it starts: a click may start it at any moment.
      Timer1(MakeTimer(this, "Timer1", 1000, true, Qt::VeryCoarseTimer)),
      Timer2(MakeTimer(this, "Timer2", 5000, true, Qt::VeryCoarseTimer)),
      Timer3(MakeTimer(this, "Timer3", 1000, false))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("--------------"));
    setFont(FormFont(SansSerifFace, 11));
    setWindowIcon(QIcon(QPixmap::fromImage(ReadPng(QStringLiteral(":/assets/icon-32.png")))));
    setFixedSize(445, 172);
    move(8, 9);

    TabbedNotebook1->setObjectName(QStringLiteral("TabbedNotebook1"));
    TabbedNotebook1->setGeometry(0, 0, 445, 172);
    TabbedNotebook1->setPageArea(QRect(4, 24, 437, 144));
    currentDate_->setObjectName(QStringLiteral("CurrentDate"));
    TabbedNotebook1->addPage(currentDate_, QStringLiteral("Current Date"));
    conversion_->setObjectName(QStringLiteral("GeneralDateConversion"));
    TabbedNotebook1->addPage(conversion_, QStringLiteral("General Date Conversion"));
    timeline_->setObjectName(QStringLiteral("VantorTimeline"));
    TabbedNotebook1->addPage(timeline_, QStringLiteral("Vantor Timeline"));
    links_->setObjectName(QStringLiteral("Links"));
    TabbedNotebook1->addPage(links_, QStringLiteral("Links"));
    about_->setObjectName(QStringLiteral("About"));
    about_->setSiteOpener([this](const QUrl& address) { platform_.Opener.open(address); });
    TabbedNotebook1->addPage(about_, QStringLiteral("About..."));

    readRegionalSettings();

    connect(currentDate_->DateTimePicker, &QDateEdit::dateChanged, this,
            guarded(&TForm1::DateTimePickerChange));
    connect(currentDate_->Label2, &TextLabel::clicked, this, guarded(&TForm1::Button1Click));
    connect(currentDate_->Button1, &QPushButton::clicked, this, guarded(&TForm1::Button1Click));
    connect(Timer1, &QTimer::timeout, this, guarded(&TForm1::Timer1Timer));
    connect(Timer2, &QTimer::timeout, this, guarded(&TForm1::Timer2Timer));
    connect(Timer3, &QTimer::timeout, this, guarded(&TForm1::Timer3Timer));
    connectConversionPage();
    connect(links_->LinkBrannoch, &Hotspot::clicked, this, guarded(&TForm1::LinkBrannochClick));
    connect(links_->LinkZarrow, &Hotspot::clicked, this, guarded(&TForm1::LinkZarrowClick));
    connect(links_->LinkVelquist, &Hotspot::clicked, this, guarded(&TForm1::LinkVelquistClick));
}

void TForm1::connectConversionPage()
{
    const ConversionPage& page = *conversion_;
    connect(page.NMonth, &DigitField::changed, this, guarded(&TForm1::NMonthChange));
    connect(page.NDay, &DigitField::changed, this, guarded(&TForm1::NDayChange));
    connect(page.NYear, &DigitField::changed, this, guarded(&TForm1::NYearChange));
    connect(page.IYearSeg, &DigitField::changed, this, guarded(&TForm1::IYearSegChange));
    connect(page.IYear, &DigitField::changed, this, guarded(&TForm1::IYearChange));
    connect(page.IMill, &DigitField::changed, this, guarded(&TForm1::IMillChange));
    connect(page.SpeedButton1, &QToolButton::clicked, this, guarded(&TForm1::SpeedButton1Click));
    connect(page.SpeedButton2, &QToolButton::clicked, this, guarded(&TForm1::SpeedButton2Click));
    // A press of any mouse button starts a blink, before the button acts on it.
    page.SpeedButton1->installEventFilter(this);
    page.SpeedButton2->installEventFilter(this);
    connect(page.SpeedButton3, &QToolButton::clicked, this, guarded(&TForm1::SpeedButton3Click));
    // Only a choice the user makes: the program's own selection runs no handler.
    connect(page.ComboBox, &QComboBox::activated, this, guarded(&TForm1::ComboBoxChange));
}

TForm1::~TForm1() = default;

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

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    const bool press =
        event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if (press && watched == conversion_->SpeedButton1) {
        guard_.run([this] { SpeedButton1MouseDown(); });
    } else if (press && watched == conversion_->SpeedButton2) {
        guard_.run([this] { SpeedButton2MouseDown(); });
    }
    return QWidget::eventFilter(watched, event);
}

void TForm1::readRegionalSettings()
{
    const QLocale locale = platform_.Regional.locale();
    timeFormat_ = CaptionTimeFormat::fromLocale(locale);
    currentDate_->DateTimePicker->setDisplayFormat(PickerDateFormat(locale));
}

void TForm1::FormShow()
{
    // Each step that needs the present moment reads the clock afresh.
    PrepareBlinkStrip();
    LoadSayings();
    showCaption();
    {
        // The program's own write is no user's pick: the change handler stays out of it.
        const QSignalBlocker silent(currentDate_->DateTimePicker);
        currentDate_->DateTimePicker->setDate(platform_.TheClock.localNow().date());
    }
    const int year = currentDate_->DateTimePicker->date().year();
    currentDate_->Label1->setText(
        QString::fromStdString(ImperialDateText(DateValueOf(platform_.TheClock.localNow()))));
    // Each write runs the field's normalisation; the millennium's places the timeline marker.
    for (const auto& [field, part] : {std::pair{conversion_->IYearSeg, ImperialSegmentPart},
                                      std::pair{conversion_->IYear, ImperialYearPart},
                                      std::pair{conversion_->IMill, ImperialMillenniumPart}}) {
        const double now = DateValueOf(platform_.TheClock.localNow());
        field->setText(QString::fromStdString(ImperialComponent(year, part, now)));
    }
    const QDate today = platform_.TheClock.localNow().date();
    conversion_->NMonth->setText(QString::number(today.month()));
    conversion_->NDay->setText(QString::number(today.day()));
    conversion_->NYear->setText(QString::number(today.year()));
    conversion_->ComboBox->setCurrentIndex(0);
    Button1Click();
}

void TForm1::DateTimePickerChange()
{
    currentDate_->Label1->setText(QString::fromStdString(ImperialDateText(pickedDay())));
    showCaption();
}

void TForm1::Timer1Timer()
{
    showCaption();
}

void TForm1::showCaption()
{
    setWindowTitle(CaptionText());
    // The clock's tick is the one wake-up a second the window cannot avoid; the window
    // system's echo of the new title should cost one more at most.
    SendWindowRequests();
}

void TForm1::Button1Click()
{
    // The pick is already cut to what the label can show.
    currentDate_->Label2->setText(DecodeText(PickSaying()));
}

void TForm1::LoadSayings()
{
    chronavell::LoadSayings(sayings_, platform_.Executable.directory() / "Sayings.txt");
}

std::string TForm1::PickSaying() const
{
    return chronavell::PickSaying(sayings_, platform_.TheClock.utcMillisecondOfDay());
}

QString TForm1::CaptionText() const
{
    return QStringLiteral("[") + QString::fromStdString(ImperialDateText(pickedDay())) +
           QStringLiteral("] : ") + timeFormat_.text(platform_.TheClock.localNow().time());
}

namespace {

std::int32_t FieldValue(const DigitField& field)
{
    return ParseInteger(field.text().toStdString());
}

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

} // namespace

void TForm1::Normalise(DigitField& field, const FieldBounds& bounds)
{
    field.setText(BlanksToZeros(field.text()));
    if (FieldValue(field) < bounds.Lowest) {
        field.setText(bounds.LowerText);
    }
    if (FieldValue(field) > bounds.Highest) {
        field.setText(bounds.UpperText);
    }
}

void TForm1::NMonthChange()
{
    Normalise(*conversion_->NMonth, ConversionPage::MonthBounds);
}

void TForm1::NDayChange()
{
    Normalise(*conversion_->NDay, ConversionPage::DayBounds);
}

void TForm1::NYearChange()
{
    Normalise(*conversion_->NYear, ConversionPage::YearBounds);
}

void TForm1::IYearSegChange()
{
    Normalise(*conversion_->IYearSeg, ConversionPage::SegmentBounds);
}

void TForm1::IYearChange()
{
    Normalise(*conversion_->IYear, ConversionPage::ImperialYearBounds);
}

void TForm1::IMillChange()
{
    Normalise(*conversion_->IMill, ConversionPage::MillenniumBounds);
    PlaceYouRHere(FieldValue(*conversion_->IMill));
}

void TForm1::SpeedButton1Click()
{
    const ConversionPage& page = *conversion_;
    const QString joined =
        page.NMonth->text() + u'/' + page.NDay->text() + u'/' + page.NYear->text();
    const double date = ParseDateText(joined.toStdString());
    // The year is read afresh for every component, each write having run its handler first.
    page.IYearSeg->setText(
        Text(ImperialComponent(FieldValue(*page.NYear), ImperialSegmentPart, date)));
    page.IYear->setText(Text(ImperialComponent(FieldValue(*page.NYear), ImperialYearPart, date)));
    page.IMill->setText(
        Text(ImperialComponent(FieldValue(*page.NYear), ImperialMillenniumPart, date)));
}

void TForm1::SpeedButton2Click()
{
    const ConversionPage& page = *conversion_;
    const auto component = [&page](int part) {
        return Text(CalendarComponent(page.IYearSeg->text().toStdString(),
                                      page.IYear->text().toStdString(),
                                      page.IMill->text().toStdString(), part));
    };
    page.NMonth->setText(component(CalendarMonthPart));
    page.NDay->setText(component(CalendarDayPart));
    page.NYear->setText(component(CalendarYearPart));
}

void TForm1::SpeedButton1MouseDown()
{
    startBlink();
}

void TForm1::SpeedButton2MouseDown()
{
    startBlink();
}

void TForm1::PrepareBlinkStrip()
{
    SpriteStrip_.Bitmap = conversion_->BLINKER;
    SpriteStrip_.FrameCount = 2;
    SpriteStrip_.FrameWidth = 232;
    SpriteStrip_.FrameHeight = 144;
    SpriteStrip_.Flag = true;
}

void TForm1::Timer2Timer()
{
    startBlink();
}

void TForm1::Timer3Timer()
{
    DrawStripFrame(SpriteStrip_, 0, *conversion_->Image4, 205, 0, 437, 144);
    Timer3->stop();
}

void TForm1::startBlink()
{
    // Before the first showing the strip is still empty: a tick then has nothing to light
    // and starts no countdown either.
    if (SpriteStrip_.Bitmap == nullptr) {
        return;
    }
    DrawStripFrame(SpriteStrip_, 1, *conversion_->Image4, 205, 0, 437, 144);
    // A blink already lit keeps its countdown: starting the timer again would restart it.
    if (!Timer3->isActive()) {
        Timer3->start();
    }
}

void TForm1::SpeedButton3Click()
{
    TFCheckDate::ShowModal(this);
}

void TForm1::ComboBoxChange()
{
    conversion_->Label7->setText(QString::number(conversion_->ComboBox->currentIndex()));
}

void TForm1::LinkBrannochClick()
{
    platform_.Opener.open(BrannochSite);
}

void TForm1::LinkZarrowClick()
{
    platform_.Opener.open(ZarrowSite);
}

void TForm1::LinkVelquistClick()
{
    platform_.Opener.open(VelquistSite);
}

void TForm1::PlaceYouRHere(int millennium)
{
    timeline_->PlaceYouRHere(millennium);
}

void TForm1::setTimerScale(double scale)
{
    for (QTimer* timer : {Timer1, Timer2, Timer3}) {
        const int designed = timer->property("designedInterval").toInt();
        const int interval = std::max(1, static_cast<int>(designed * scale));
        // Whole seconds cannot express a shorter interval.
        const auto type = static_cast<Qt::TimerType>(timer->property("designedType").toInt());
        timer->setTimerType(interval < 1000 ? Qt::CoarseTimer : type);
        timer->setInterval(interval);
    }
}

double TForm1::pickedDay() const
{
    return DateValueOf(currentDate_->DateTimePicker->date());
}

} // namespace chronavell
