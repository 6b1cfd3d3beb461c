#include "app/tform1.h"
#include "app/timer.h"
#include "pages/current_date_page.h"
#include "support/fake_platform.h"
#include "support/qt_printers.h"
#include "support/unprivileged.h"
#include "widgets/digit_field.h"
#include "widgets/tabbed_notebook.h"

#include <QComboBox>
#include <QDateEdit>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <unistd.h>

namespace chronavell {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

class MainWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder_ = fs::temp_directory_path() /
                  ("chronavell-app-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        fake_.Executable.Directory = folder_;
    }
    void TearDown() override
    {
        form_.reset();
        fs::remove_all(folder_);
    }

    void writeSayings(const std::string& bytes)
    {
        std::ofstream out(folder_ / "Sayings.txt", std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

    // Creates the window and runs its start sequence, as the first showing does.
    TForm1& start()
    {
        form_ = std::make_unique<TForm1>(fake_.platform());
        form_->show();
        return *form_;
    }

    template <typename T> T* find(const char* name) const
    {
        T* child = form_->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }

    QString label(const char* name) const { return find<QLabel>(name)->text(); }

    test_support::FakePlatform fake_;
    fs::path folder_;
    std::unique_ptr<TForm1> form_;
};

TEST_F(MainWindow, StartSequenceFillsThePage)
{
    writeSayings("Duty first.\r\n");
    TForm1& form = start();

    EXPECT_EQ(label("Label1"), "0347005.M 3");
    EXPECT_EQ(label("Label2"), "\"Duty first.\"");
    EXPECT_EQ(find<QDateEdit>("DateTimePicker")->date(), QDate(2005, 5, 5));
    QStringList fields;
    for (const char* name : {"IYearSeg", "IYear", "IMill", "NMonth", "NDay", "NYear"}) {
        fields.append(find<DigitField>(name)->text());
    }
    EXPECT_EQ(fields.join("|"), "347|005|03|05|05|02005");
    EXPECT_EQ(find<QComboBox>("ComboBox")->currentIndex(), 0);
    EXPECT_EQ(label("Label7"), "0");
    EXPECT_TRUE(fake_.Reporter.Messages.isEmpty());
    // The caption shows the picked day from the first frame on.
    EXPECT_EQ(form.windowTitle(), "[0347005.M 3] : 19:07:05");
    fake_.TheClock.advance(1s);
    EXPECT_EQ(form.windowTitle(), "[0347005.M 3] : 19:07:06");
}

TEST_F(MainWindow, StartSequenceRunsOnlyOnTheFirstShowing)
{
    writeSayings("One\r\n");
    TForm1& form = start();
    fake_.TheClock.Now = QDateTime(QDate(2010, 1, 1), QTime(8, 0));
    form.hide();
    form.show();
    EXPECT_EQ(label("Label1"), "0347005.M 3");
}

TEST_F(MainWindow, CaptionTimeFollowsTheRegion)
{
    struct Case
    {
        QLocale Locale;
        QTime Time;
        QString Expected;
    };
    for (const Case& c :
         {Case{QLocale(QLocale::German, QLocale::Germany), QTime(7, 7, 5), "07:07:05"},
          Case{QLocale(QLocale::English, QLocale::UnitedStates), QTime(19, 7, 5), "7:07:05 PM"},
          Case{QLocale(QLocale::English, QLocale::UnitedStates), QTime(0, 30, 0), "12:30:00 AM"}}) {
        fake_.Regional.Locale = c.Locale;
        fake_.TheClock.Now = QDateTime(QDate(2005, 5, 5), c.Time);
        TForm1& form = start();
        fake_.TheClock.Now = QDateTime(QDate(2005, 5, 5), c.Time).addSecs(-1);
        fake_.TheClock.advance(1s);
        EXPECT_EQ(form.windowTitle(), "[0347005.M 3] : " + c.Expected) << c.Locale.name();
    }
}

// The caption changes as each second of the wall clock begins, and shows that second: once
// each, in order, from a start in mid-second, through an alarm that wakes a little early,
// and again from the next tick on after the clock is set forward or back.
TEST_F(MainWindow, CaptionTicksOnTheWallClocksSeconds)
{
    test_support::FakeClock& clock = fake_.TheClock;
    const auto setClock = [&clock](std::chrono::milliseconds by) {
        clock.Now = clock.Now.addMSecs(by.count());
        clock.UtcMillisecond = static_cast<std::uint32_t>(
            (clock.UtcMillisecond + 86'400'000 + by.count()) % 86'400'000);
    };
    clock.Now = QDateTime(QDate(2005, 5, 5), QTime(19, 7, 5, 600));
    clock.UtcMillisecond = static_cast<std::uint32_t>(QTime(17, 7, 5, 600).msecsSinceStartOfDay());
    TForm1& form = start();
    QStringList shown;
    // After the window's own handler: each tick of the caption clock and what it showed.
    QObject::connect(find<Timer>("Timer1"), &Timer::timeout, &form, [&] {
        const QString title = form.windowTitle();
        shown.append(title.mid(title.indexOf(" : ") + 3) +
                     QStringLiteral(" at .%1").arg(clock.Now.time().msec(), 3, 10, QChar(u'0')));
    });
    clock.advance(3s);
    setClock(-10ms);
    clock.advance(2s);
    EXPECT_EQ(shown, QStringList({"19:07:06 at .000", "19:07:07 at .000", "19:07:08 at .000",
                                  "19:07:09 at .000", "19:07:10 at .000"}));
    shown.clear();
    setClock(1h + 300ms);
    clock.advance(2s);
    setClock(-1h - 500ms);
    clock.advance(2s);
    EXPECT_EQ(shown, QStringList({"20:07:11 at .300", "20:07:12 at .000", "19:07:12 at .500",
                                  "19:07:13 at .000", "19:07:14 at .000"}));
}

TEST_F(MainWindow, RegionIsReadAgainWhenTheDesktopChangesIt)
{
    TForm1& form = start();
    fake_.Regional.Locale = QLocale(QLocale::English, QLocale::UnitedStates);
    QEvent change(QEvent::LocaleChange);
    QApplication::sendEvent(&form, &change);
    fake_.TheClock.advance(1s);
    EXPECT_TRUE(form.windowTitle().endsWith(" PM")) << form.windowTitle().toStdString();
    EXPECT_EQ(find<QDateEdit>("DateTimePicker")->displayFormat(), "M/d/yyyy");
}

TEST_F(MainWindow, PickingADayChangesLabelAndCaptionOnly)
{
    writeSayings("Only one\r\n");
    TForm1& form = start();
    const QString saying = label("Label2");
    auto* picker = find<QDateEdit>("DateTimePicker");
    picker->setFocus();
    // The user steps the day section up with the keyboard: 5 May becomes 6 May.
    picker->setCurrentSection(QDateTimeEdit::DaySection);
    QTest::keyClick(picker, Qt::Key_Up);
    EXPECT_EQ(picker->date(), QDate(2005, 5, 6));
    EXPECT_EQ(label("Label1"), "0350005.M 3");
    EXPECT_EQ(form.windowTitle(), "[0350005.M 3] : 19:07:05");
    EXPECT_EQ(label("Label2"), saying);
}

TEST_F(MainWindow, DatePickerRange)
{
    start();
    auto* picker = find<QDateEdit>("DateTimePicker");
    EXPECT_EQ(picker->maximumDate(), QDate(9999, 12, 31));
    EXPECT_EQ(picker->minimumDate(), QDate(100, 1, 1));
    picker->setDate(QDate(9999, 12, 31));
    EXPECT_EQ(label("Label1"), "01002999.M 10");
    picker->setDate(QDate(10000, 1, 1));
    EXPECT_EQ(picker->date(), QDate(9999, 12, 31));
}

// The window shows the picked day. Before 30 December 1899 a time of day must not carry it
// into the next day (noon of 15 June 1850 is year segment 458, 16 June would be 461); before
// the picker's earliest day, label, picker and the conversion page all show that day.
TEST_F(MainWindow, StartShowsThePickedDay)
{
    struct Case
    {
        QDateTime Now;
        QDate Picked;
        const char* Label;
    };
    for (const Case& c : {Case{{QDate(1850, 6, 15), QTime(12, 0)}, {1850, 6, 15}, "0458850.M 2"},
                          Case{{QDate(50, 3, 1), QTime(9, 0)}, {100, 1, 1}, "0003100.M 0"}}) {
        fake_.TheClock.Now = c.Now;
        start();
        EXPECT_EQ(find<QDateEdit>("DateTimePicker")->date(), c.Picked);
        EXPECT_EQ(label("Label1"), c.Label) << c.Now.toString(Qt::ISODate);
        EXPECT_TRUE(form_->windowTitle().startsWith(QStringLiteral("[%1] : ").arg(c.Label)));
    }
    EXPECT_EQ(find<DigitField>("IYearSeg")->text(), "003");
    EXPECT_EQ(find<DigitField>("NYear")->text(), "00100");
}

TEST_F(MainWindow, ClickOnTheSayingPicksAgain)
{
    writeSayings(
        "zero\r\none\r\ntwo\r\nthree\r\nfour\r\nfive\r\nsix\r\nseven\r\neight\r\nnine\r\n");
    start();
    EXPECT_EQ(label("Label2"), "\"three\"");
    fake_.TheClock.UtcMillisecond = 0;
    QTest::mouseClick(find<QWidget>("SayingArea"), Qt::LeftButton);
    EXPECT_EQ(label("Label2"), "\"zero\"");
    // Another button than the left one is no click.
    fake_.TheClock.UtcMillisecond = 43'200'000;
    QTest::mouseClick(find<QWidget>("SayingArea"), Qt::RightButton);
    EXPECT_EQ(label("Label2"), "\"zero\"");
}

TEST_F(MainWindow, MissingSayingsFile)
{
    start();
    EXPECT_EQ(label("Label2"),
              "Your Imperial Sayings File is missing from the application Directory!");
    QTest::mouseClick(find<QWidget>("SayingArea"), Qt::LeftButton);
    EXPECT_EQ(label("Label2"),
              "Your Imperial Sayings File is missing from the application Directory!");
    EXPECT_TRUE(fake_.Reporter.Messages.isEmpty());
}

// The error is reported, and the start goes on without sayings.
TEST_F(MainWindow, UnreadableSayingsFileIsReportedAndTheStartGoesOn)
{
    writeSayings("never shown\r\n");
    fs::permissions(folder_ / "Sayings.txt", fs::perms::none);
    fs::permissions(folder_, fs::perms::owner_all | fs::perms::others_exec);
    const int status = test_support::RunUnprivileged([this] {
        TForm1& form = start();
        const bool reported = fake_.Reporter.Messages == QStringList{"File access denied."};
        const bool started = form.windowTitle() == "[0347005.M 3] : 19:07:05" &&
                             label("Label1") == "0347005.M 3" && label("Label2").isEmpty() &&
                             find<DigitField>("NYear")->text() == "02005";
        return (reported ? 0 : 1) | (started ? 0 : 2);
    });
    EXPECT_EQ(status, 0) << "1 wrong report, 2 the start did not go on";
}

TEST_F(MainWindow, SayingsAreShownAsPlainText)
{
    struct Case
    {
        std::string Bytes;
        QString Shown;
    };
    for (const Case& c :
         {Case{"<b>bold</b> <img src=x>", "\"<b>bold</b> <img src=x>\""},
          Case{"Caf\xC3\xA9 \xE2\x80\x94 valid UTF-8", "\"Café — valid UTF-8\""},
          Case{"Caf\xE9 \x80 1252", "\"Café € 1252\""}, Case{"A && B", "\"A && B\""}}) {
        writeSayings(c.Bytes + "\r\n");
        start();
        EXPECT_EQ(label("Label2"), c.Shown);
    }
}

TEST_F(MainWindow, ErrorInATickIsReportedAndTheTimerGoesOn)
{
    TForm1& form = start();
    auto* timer = find<Timer>("Timer1");
    fake_.TheClock.Broken = true;
    fake_.TheClock.advance(2s);
    EXPECT_EQ(fake_.Reporter.Messages, QStringList({"The clock stopped.", "The clock stopped."}));
    EXPECT_TRUE(timer->isEnabled());
    fake_.TheClock.Broken = false;
    fake_.TheClock.advance(1s);
    EXPECT_EQ(form.windowTitle(), "[0347005.M 3] : 19:07:08");
}

// The window runs what the pages ask for inside its error guard: a conversion's error reaches
// the user as a message with its full stop, and the page goes on.
TEST_F(MainWindow, ConversionErrorsAreReported)
{
    start();
    find<DigitField>("NDay")->setText("30");
    find<DigitField>("NMonth")->setText("2");
    QTest::mouseClick(find<QToolButton>("SpeedButton1"), Qt::LeftButton);
    EXPECT_EQ(fake_.Reporter.Messages, QStringList{"'02/30/02005' is not a valid date and time."});
    EXPECT_EQ(find<DigitField>("IYearSeg")->text(), "347");
    find<DigitField>("NDay")->setText("28");
    QTest::mouseClick(find<QToolButton>("SpeedButton1"), Qt::LeftButton);
    EXPECT_EQ(find<DigitField>("IYearSeg")->text(), "160");
    EXPECT_EQ(fake_.Reporter.Messages.size(), 1);
}

TEST_F(MainWindow, WindowAndNotebookGeometry)
{
    TForm1& form = start();
    EXPECT_EQ(form.size(), QSize(445, 172));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
    auto* notebook = find<TabbedNotebook>("TabbedNotebook1");
    ASSERT_EQ(notebook->count(), 5);
    const QStringList captions = {"Current Date", "General Date Conversion", "Vantor Timeline",
                                  "Links", "About..."};
    for (int i = 0; i < notebook->count(); ++i) {
        EXPECT_EQ(notebook->tabBar()->tabText(i), captions[i]);
        EXPECT_EQ(notebook->page(i)->geometry(), QRect(0, 0, 437, 144));
        EXPECT_EQ(notebook->page(i)->mapTo(&form, QPoint(0, 0)), QPoint(4, 24));
        // Every caption is shown whole: no tab is cut or scrolled away.
        EXPECT_LE(notebook->tabBar()->tabRect(i).right(), notebook->tabBar()->width());
    }
    EXPECT_EQ(notebook->currentIndex(), 0);

    struct Placement
    {
        const char* Name = nullptr;
        QRect Geometry;
    };
    for (const Placement& p :
         {Placement{"Shape25", {0, 0, 437, 144}}, Placement{"Image2", {160, 16, 281, 129}},
          Placement{"Label2", {192, 96, 225, 41}}, Placement{"Label1", {160, 12, 281, 29}},
          Placement{"Image3", {-32, -21, 201, 177}}, Placement{"Label56", {103, 124, 43, 26}},
          Placement{"DateTimePicker", {3, 2, 97, 21}}, Placement{"Button1", {8, 56, 89, 25}}}) {
        EXPECT_EQ(find<QWidget>(p.Name)->geometry(), p.Geometry) << p.Name;
    }
    EXPECT_FALSE(find<QPushButton>("Button1")->isVisible());
}

// The window offers the desktop its icon in every size installed for it, smallest first,
// each one the picture drawn for that size, not another scaled; at twice the density the
// picture of twice the size serves.
TEST_F(MainWindow, IconInEverySizeInstalled)
{
    const QIcon icon = start().windowIcon();
    const QList<int> installed = {CHRONAVELL_ICON_SIZES};
    ASSERT_TRUE(std::is_sorted(installed.begin(), installed.end()));
    QList<int> offered;
    for (const QSize size : icon.availableSizes()) {
        EXPECT_EQ(size.width(), size.height());
        offered.push_back(size.width());
    }
    EXPECT_EQ(offered, installed);
    for (const int size : installed) {
        const QImage drawn = QImage(QStringLiteral(":/assets/icon-%1.png").arg(size))
                                 .convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(drawn.isNull()) << size;
        EXPECT_EQ(
            icon.pixmap(QSize(size, size), 1.0).toImage().convertToFormat(QImage::Format_ARGB32),
            drawn)
            << size;
        if (installed.contains(2 * size)) {
            EXPECT_EQ(icon.pixmap(QSize(size, size), 2.0).toImage().size(),
                      QSize(2 * size, 2 * size))
                << size;
        }
    }
}

} // namespace
} // namespace chronavell
