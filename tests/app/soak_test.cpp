#include "app/tform1.h"
#include "support/fake_platform.h"
#include "support/modal_dialog.h"
#include "support/qt_printers.h"
#include "widgets/digit_field.h"
#include "widgets/picture.h"

#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cstdlib>
#include <malloc.h>
#include <string_view>

namespace chronavell {
namespace {

using namespace std::chrono_literals;

// The heap the program holds. Resident memory moves with the allocator's housekeeping, and
// so does this figure while the allocator keeps freed blocks in its per-thread cache, which it
// counts as in use: the test runs with that cache off (GLIBC_TUNABLES below), and then a
// program that keeps nothing holds the very same heap hour after hour.
long HeapInUseKiB()
{
    return static_cast<long>(mallinfo2().uordblks / 1024);
}

constexpr const char* NoThreadCache = "glibc.malloc.tcache_count=0";

int LiveObjects(const QObject& root)
{
    return static_cast<int>(root.findChildren<QObject*>().size() +
                            QApplication::allWidgets().size());
}

// A day of the window's life on the fake clock: every caption tick and blink, with a
// conversion, a pick, a check class or a dialog every seven seconds in between. Nothing piles
// up, and the background is the picture as loaded whenever the lamp is unlit.
// CHRONAVELL_SOAK_HOURS sets a longer or shorter day.
TEST(Soak, ADayOfTicksBlinksAndUse)
{
    const char* hoursSetting = std::getenv("CHRONAVELL_SOAK_HOURS");
    const int hours =
        hoursSetting != nullptr ? static_cast<int>(std::strtol(hoursSetting, nullptr, 10)) : 24;
    ASSERT_GE(hours, 3);
    const char* tunables = std::getenv("GLIBC_TUNABLES");
    ASSERT_TRUE(tunables != nullptr &&
                std::string_view(tunables).find(NoThreadCache) != std::string_view::npos)
        << "run with GLIBC_TUNABLES=" << NoThreadCache;

    test_support::FakePlatform fake;
    TForm1 form(fake.platform());
    form.show();
    const auto find = [&form](const char* name) {
        return form.findChild<QWidget*>(QString::fromLatin1(name));
    };
    auto* year = form.findChild<DigitField*>("NYear");
    auto* classes = form.findChild<QComboBox*>("ComboBox");

    int step = 0;
    const auto use = [&] {
        ++step;
        switch (step % 5) {
        case 0:
            year->setText(QString::number(1000 + step % 9000));
            QTest::mouseClick(find("SpeedButton1"), Qt::LeftButton);
            break;
        case 1:
            QTest::mouseClick(find("SpeedButton2"), Qt::LeftButton);
            break;
        case 2:
            fake.TheClock.UtcMillisecond = static_cast<std::uint32_t>(step) * 7919U % 86'400'000U;
            QTest::mouseClick(find("SayingArea"), Qt::LeftButton);
            break;
        case 3:
            QTest::keyClick(classes, step % 2 == 0 ? Qt::Key_Down : Qt::Key_Up);
            break;
        default:
            if (step % 50 == 4) {
                QTest::mouseClick(find("SpeedButton3"), Qt::LeftButton);
                EXPECT_TRUE(test_support::WithModalDialog([](QWidget& dialog) { dialog.close(); }));
            }
        }
    };

    long warmHeap = -1;
    long highestHeap = 0;
    int warmObjects = -1;
    constexpr int stepsAnHour = 3600 / 7;
    for (int hour = 0; hour < hours; ++hour) {
        for (int i = 0; i < stepsAnHour; ++i) {
            use();
            fake.TheClock.advance(7s);
        }
        fake.TheClock.advance(3600s - stepsAnHour * 7s);
        QApplication::processEvents();
        // The first two hours fill the caches that last: fonts, glyphs, the class list.
        if (hour == 1) {
            warmHeap = HeapInUseKiB();
            warmObjects = LiveObjects(form);
        } else if (hour > 1) {
            highestHeap = std::max(highestHeap, HeapInUseKiB());
        }
    }
    fake.TheClock.advance(5s);
    fake.TheClock.advance(1s);

    RecordProperty("UserSteps", step);
    RecordProperty("HeapGrowthKiB", static_cast<int>(highestHeap - warmHeap));
    EXPECT_EQ(fake.TheClock.elapsed(), hours * 3'600'000LL + 6000);
    EXPECT_LE(highestHeap - warmHeap, 4) << "KiB above the warm-up level";
    EXPECT_EQ(LiveObjects(form), warmObjects);
    EXPECT_TRUE(fake.Reporter.Messages.isEmpty()) << fake.Reporter.Messages.join("|");
    const QImage loaded = QImage(QStringLiteral(":/assets/conversion-background.png"))
                              .convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(form.findChild<Picture*>("Image4")->image(), loaded);
}

} // namespace
} // namespace chronavell
