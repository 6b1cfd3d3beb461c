#include "app/tform1.h"
#include "fake_platform.h"
#include "pages/conversion_page.h"
#include "pages/digit_field.h"
#include "support/qt_printers.h"
#include "widgets/deferred_popup_combo_box.h"
#include "widgets/picture.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

namespace chronavell {
namespace {

long ResidentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return -1;
}

int LiveObjects(const QObject& root)
{
    return static_cast<int>(root.findChildren<QObject*>().size() +
                            QApplication::allWidgets().size());
}

// A day of the window's life in about two minutes: the timers run a thousand times faster
// while conversions, picks, check classes and dialog openings come in between. Memory stays
// flat, nothing piles up, and the background is the picture as loaded whenever it is unlit.
// CHRONAVELL_SOAK_HOURS sets a longer or shorter day.
TEST(Soak, ADayOfTicksBlinksAndUse)
{
    const char* hoursSetting = std::getenv("CHRONAVELL_SOAK_HOURS");
    const double hours = hoursSetting != nullptr ? std::atof(hoursSetting) : 24.0;
    constexpr double scale = 0.001;
    // A day is its caption ticks, however long the accelerated timers take to deliver them.
    const auto dayTicks = static_cast<int>(hours * 3600.0);
    const auto giveUpMilliseconds = static_cast<qint64>(hours * 3600.0 * 1000.0 * scale * 4);

    test_support::FakePlatform fake;
    fake.Executable.Directory = std::filesystem::temp_directory_path();
    TForm1 form(fake.platform());
    form.show();
    form.setTimerScale(scale);
    const ConversionPage& page = *form.conversionPage();

    int captionTicks = 0;
    QObject::connect(form.findChild<QTimer*>("Timer1"), &QTimer::timeout, [&] { ++captionTicks; });
    int step = 0;
    QTimer user;
    user.setInterval(7);
    QObject::connect(&user, &QTimer::timeout, [&] {
        ++step;
        switch (step % 5) {
        case 0:
            page.NYear->setText(QString::number(1000 + step % 9000));
            QTest::mouseClick(page.SpeedButton1, Qt::LeftButton);
            break;
        case 1:
            QTest::mouseClick(page.SpeedButton2, Qt::LeftButton);
            break;
        case 2:
            form.Button1Click();
            break;
        case 3:
            page.ComboBox->setCurrentIndex(step % 10);
            form.ComboBoxChange();
            break;
        default:
            if (step % 50 == 4) {
                // The dialog runs its own loop; the timers and this one tick on inside it.
                QTimer::singleShot(20, [] {
                    if (QWidget* dialog = QApplication::activeModalWidget()) {
                        dialog->close();
                    }
                });
                form.SpeedButton3Click();
            }
        }
    });
    user.start();

    QElapsedTimer clock;
    clock.start();
    long warmResident = -1;
    int warmObjects = -1;
    long highestResident = 0;
    while (captionTicks < dayTicks && clock.elapsed() < giveUpMilliseconds) {
        // A plain event loop: QTest::qWait naps between its rounds and would starve the timers.
        QEventLoop loop;
        QTimer::singleShot(50, &loop, &QEventLoop::quit);
        loop.exec();
        const long resident = ResidentKiB();
        if (warmResident < 0 && captionTicks > dayTicks / 10) {
            warmResident = resident;
            warmObjects = LiveObjects(form);
        } else if (warmResident >= 0) {
            highestResident = std::max(highestResident, resident);
        }
    }
    user.stop();
    // Let a lit lamp go out.
    QTest::qWait(20);
    form.setTimerScale(1000.0);
    if (form.findChild<QTimer*>("Timer3")->isActive()) {
        form.Timer3Timer();
    }
    QApplication::processEvents();

    RecordProperty("CaptionTicks", captionTicks);
    RecordProperty("UserSteps", step);
    RecordProperty("ResidentGrowthKiB", static_cast<int>(highestResident - warmResident));
    EXPECT_GE(captionTicks, dayTicks) << "the timers were starved";
    EXPECT_GT(step, 100);
    ASSERT_GT(warmResident, 0);
    EXPECT_LE(highestResident - warmResident, 1024) << "KiB above the warm-up level";
    EXPECT_EQ(LiveObjects(form), warmObjects);
    EXPECT_TRUE(fake.Reporter.Messages.isEmpty()) << fake.Reporter.Messages.join("|");
    const QImage loaded = QImage(QStringLiteral(":/assets/conversion-background.png"))
                              .convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(page.Image4->image(), loaded);
}

} // namespace
} // namespace chronavell
