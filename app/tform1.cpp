#include "app/tform1.h"

#include "app/clock.h"
#include "app/current_date_page.h"
#include "app/executable_location.h"
#include "app/picker_date_format.h"
#include "app/regional_settings.h"
#include "app/text_decoding.h"
#include "core/imperial_date.h"
#include "widgets/form_fonts.h"
#include "widgets/tabbed_notebook.h"
#include "widgets/text_label.h"

#include <QDateEdit>
#include <QEvent>
#include <QIcon>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>

namespace chronavell {
namespace {

QTimer* MakeTimer(QObject* owner, const char* name, int interval, bool running)
{
    auto* timer = new QTimer(owner);
    timer->setObjectName(QString::fromLatin1(name));
    timer->setInterval(interval);
    if (running) {
        timer->start();
    }
    return timer;
}

QWidget* EmptyPage(const char* name)
{
    auto* page = new QWidget;
    page->setObjectName(QString::fromLatin1(name));
    return page;
}

} // namespace

TForm1::TForm1(const Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      platform_(platform), guard_(platform.Reporter), TabbedNotebook1(new TabbedNotebook(this)),
      currentDate_(new CurrentDatePage), Timer1(MakeTimer(this, "Timer1", 1000, true)),
      Timer2(MakeTimer(this, "Timer2", 5000, true)), Timer3(MakeTimer(this, "Timer3", 1000, false))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("--------------"));
    setFont(FormFont(SansSerifFace, 11));
    setWindowIcon(QIcon(QStringLiteral(":/assets/icon-32.png")));
    setFixedSize(445, 172);
    move(8, 9);

    TabbedNotebook1->setObjectName(QStringLiteral("TabbedNotebook1"));
    TabbedNotebook1->setGeometry(0, 0, 445, 172);
    TabbedNotebook1->setPageArea(QRect(4, 24, 437, 144));
    currentDate_->setObjectName(QStringLiteral("CurrentDate"));
    TabbedNotebook1->addPage(currentDate_, QStringLiteral("Current Date"));
    TabbedNotebook1->addPage(EmptyPage("GeneralDateConversion"),
                             QStringLiteral("General Date Conversion"));
    TabbedNotebook1->addPage(EmptyPage("VantorTimeline"), QStringLiteral("Vantor Timeline"));
    TabbedNotebook1->addPage(EmptyPage("Links"), QStringLiteral("Links"));
    TabbedNotebook1->addPage(EmptyPage("About"), QStringLiteral("About..."));

    readRegionalSettings();

    connect(currentDate_->DateTimePicker, &QDateEdit::dateChanged, this,
            guarded(&TForm1::DateTimePickerChange));
    connect(currentDate_->Label2, &TextLabel::clicked, this, guarded(&TForm1::Button1Click));
    connect(currentDate_->Button1, &QPushButton::clicked, this, guarded(&TForm1::Button1Click));
    connect(Timer1, &QTimer::timeout, this, guarded(&TForm1::Timer1Timer));
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

void TForm1::readRegionalSettings()
{
    const QLocale locale = platform_.Regional.locale();
    timeFormat_ = CaptionTimeFormat::fromLocale(locale);
    currentDate_->DateTimePicker->setDisplayFormat(PickerDateFormat(locale));
}

void TForm1::FormShow()
{
    // Each step that needs the present moment reads the clock afresh.
    LoadSayings();
    setWindowTitle(CaptionText());
    {
        // The program's own write is no user's pick: the change handler stays out of it.
        const QSignalBlocker silent(currentDate_->DateTimePicker);
        currentDate_->DateTimePicker->setDate(platform_.TheClock.localNow().date());
    }
    currentDate_->Label1->setText(
        QString::fromStdString(ImperialDateText(DateValueOf(platform_.TheClock.localNow()))));
    Button1Click();
}

void TForm1::DateTimePickerChange()
{
    currentDate_->Label1->setText(QString::fromStdString(ImperialDateText(pickedDay())));
    setWindowTitle(CaptionText());
}

void TForm1::Timer1Timer()
{
    setWindowTitle(CaptionText());
}

void TForm1::Button1Click()
{
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

double TForm1::pickedDay() const
{
    return DateValueOf(currentDate_->DateTimePicker->date());
}

} // namespace chronavell
