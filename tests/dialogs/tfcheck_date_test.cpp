#include "dialogs/tfcheck_date.h"
#include "support/qt_printers.h"
#include "widgets/text_label.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <vector>

namespace chronavell {
namespace {

// Opens the dialog as the main window does and runs `action` once its modal loop runs. The
// showing must then end; a watchdog ends a forgotten one so a failure cannot hang. How it
// ended is left in `ending` when one is given.
QPointer<TFCheckDate> ShowAndRun(QWidget* parent, const std::function<void(TFCheckDate&)>& action,
                                 TFCheckDate::Ending* ending = nullptr)
{
    QPointer<TFCheckDate> shown;
    QTimer::singleShot(0, [&] {
        shown = qobject_cast<TFCheckDate*>(QApplication::activeModalWidget());
        if (shown) {
            action(*shown);
        }
    });
    QTimer watchdog;
    QObject::connect(&watchdog, &QTimer::timeout, [] {
        ADD_FAILURE() << "still open";
        if (QWidget* modal = QApplication::activeModalWidget()) {
            modal->close();
        }
    });
    watchdog.start(3000);
    const TFCheckDate::Ending ended = TFCheckDate::showModal(parent);
    if (ending != nullptr) {
        *ending = ended;
    }
    return shown;
}

struct MainWindowStandIn : QWidget
{
    MainWindowStandIn()
    {
        setGeometry(200, 250, 445, 172);
        show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(this));
    }
};

TEST(CheckDateDialog, CloseButtonAndCloseBoxEndTheShowingAndDestroyIt)
{
    const std::function<void(TFCheckDate&)> ways[] = {
        [](TFCheckDate& dialog) {
            QTest::mouseClick(dialog.findChild<QToolButton*>("SpeedButton1"), Qt::LeftButton);
        },
        [](TFCheckDate& dialog) {
            QCloseEvent closeBox;
            QApplication::sendEvent(&dialog, &closeBox);
        }};
    for (const auto& closeIt : ways) {
        MainWindowStandIn main;
        QRect frame;
        QSize size;
        int shown = 0;
        const QPointer<TFCheckDate> dialog = ShowAndRun(&main, [&](TFCheckDate& open) {
            shown += open.isVisible() && open.isModal() ? 1 : 0;
            frame = open.frameGeometry();
            size = open.size();
            closeIt(open);
        });
        EXPECT_EQ(shown, 1);
        EXPECT_TRUE(dialog.isNull());
        EXPECT_EQ(size, QSize(415, 385));
        // Its frame in the middle of the screen, not over the window that opened it.
        const QRect screen = main.screen()->geometry();
        EXPECT_EQ(frame.topLeft(), QPoint((screen.width() - frame.width()) / 2,
                                          (screen.height() - frame.height()) / 2));
    }
}

// Ctrl+Q, which ends the program from anywhere, ends the showing too and tells the opener to
// carry it out; every other way out is a plain close.
TEST(CheckDateDialog, CtrlQEndsTheShowingAsAskingToQuit)
{
    struct Way
    {
        const char* Name = nullptr;
        std::function<void(TFCheckDate&)> Press;
        TFCheckDate::Ending Ending = TFCheckDate::Ending::Closed;
    };
    const auto key = [](Qt::Key pressed, Qt::KeyboardModifiers modifiers) {
        return [pressed, modifiers](TFCheckDate& dialog) {
            // A dialog counts as active with its opener; the keys go to it once it is the
            // active window itself.
            EXPECT_TRUE(
                QTest::qWaitFor([&dialog] { return QApplication::activeWindow() == &dialog; }));
            QTest::keyClick(&dialog, pressed, modifiers);
        };
    };
    const Way ways[] = {
        {"Ctrl+Q", key(Qt::Key_Q, Qt::ControlModifier), TFCheckDate::Ending::Quit},
        {"Escape", key(Qt::Key_Escape, Qt::NoModifier), TFCheckDate::Ending::Closed},
        {"Close",
         [](TFCheckDate& dialog) {
             QTest::mouseClick(dialog.findChild<QToolButton*>("SpeedButton1"), Qt::LeftButton);
         },
         TFCheckDate::Ending::Closed},
        {"close box",
         [](TFCheckDate& dialog) {
             QCloseEvent closeBox;
             QApplication::sendEvent(&dialog, &closeBox);
         },
         TFCheckDate::Ending::Closed},
    };
    for (const Way& way : ways) {
        MainWindowStandIn main;
        bool ended = false;
        auto ending = TFCheckDate::Ending::Closed;
        const QPointer<TFCheckDate> dialog = ShowAndRun(
            &main,
            [&](TFCheckDate& open) {
                way.Press(open);
                ended = !open.isVisible();
            },
            &ending);
        EXPECT_TRUE(ended) << way.Name;
        EXPECT_EQ(ending, way.Ending) << way.Name;
        EXPECT_TRUE(dialog.isNull()) << way.Name;
    }
}

// The opener's timers tick on while the dialog is open: here a timer of the opener's closes
// the dialog on its fifth tick, which it could not do if they stood still.
TEST(CheckDateDialog, EveryOpeningLooksTheSameAndTheOpenersTimersTick)
{
    MainWindowStandIn main;
    QTimer clock(&main);
    int ticks = 0;
    QObject::connect(&clock, &QTimer::timeout, [&ticks] {
        if (++ticks % 5 == 0) {
            QTest::mouseClick(
                QApplication::activeModalWidget()->findChild<QToolButton*>("SpeedButton1"),
                Qt::LeftButton);
        }
    });
    clock.start(0);
    QImage pictures[2];
    for (QImage& picture : pictures) {
        ShowAndRun(&main, [&picture](TFCheckDate& dialog) { picture = dialog.grab().toImage(); });
    }
    clock.stop();
    EXPECT_EQ(ticks, 10);
    EXPECT_EQ(pictures[0].size(), QSize(415, 385));
    EXPECT_TRUE(pictures[0] == pictures[1]);
}

TEST(CheckDateDialog, DestroyedAlsoWhenShowingFails)
{
    struct RefuseToShow : QObject
    {
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() == QEvent::Show && qobject_cast<TFCheckDate*>(watched)) {
                throw std::runtime_error("showing refused");
            }
            return false;
        }
    } refuse;
    MainWindowStandIn main;
    qApp->installEventFilter(&refuse);
    EXPECT_THROW(TFCheckDate::showModal(&main), std::runtime_error);
    qApp->removeEventFilter(&refuse);
    EXPECT_EQ(main.findChild<TFCheckDate*>(), nullptr);
}

TEST(CheckDateDialog, TextsFitTheirBoxesAndNeverOverlap)
{
    TFCheckDate dialog;
    EXPECT_EQ(dialog.windowTitle(), "Check Date Classes");
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    std::vector<std::pair<QString, QRect>> boxes{{"TitleLabel", {16, 4, 186, 24}},
                                                 {"Class6Note", {56, 245, 281, 25}}};
    const int captionTops[] = {39, 65, 91, 118, 144, 176, 208, 265, 298, 342};
    const QRect textBoxes[] = {{56, 40, 345, 16},  {56, 67, 345, 16},  {56, 93, 345, 16},
                               {56, 120, 345, 16}, {56, 146, 345, 29}, {56, 177, 345, 25},
                               {56, 210, 345, 73}, {56, 267, 345, 33}, {56, 300, 281, 41},
                               {56, 344, 281, 49}};
    for (int n = 0; n < 10; ++n) {
        boxes.emplace_back(QStringLiteral("ClassCaption%1").arg(n),
                           QRect(5, captionTops[n], 46, 13));
        boxes.emplace_back(QStringLiteral("ClassText%1").arg(n), textBoxes[n]);
    }
    std::vector<QRect> texts;
    for (const auto& [name, box] : boxes) {
        const auto* label = dialog.findChild<TextLabel*>(name);
        ASSERT_NE(label, nullptr) << name;
        EXPECT_EQ(label->geometry(), box) << name;
        const int flags = static_cast<int>(label->alignment()) |
                          (label->wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine);
        const QRect text = label->fontMetrics().boundingRect(box, flags, label->text());
        EXPECT_TRUE(box.contains(text) && dialog.rect().contains(text)) << name;
        for (const QRect& other : texts) {
            EXPECT_FALSE(other.intersects(text)) << name;
        }
        texts.push_back(text);
    }
    EXPECT_EQ(dialog.findChild<TextLabel*>("ClassCaption7")->text(), "Class 7:");
}

TEST(CheckDateDialog, GradientRuleAndFlatButton)
{
    TFCheckDate dialog;
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    const QImage picture = dialog.grab().toImage();
    EXPECT_EQ(picture.pixel(2, 0), qRgb(0, 0, 0));
    EXPECT_EQ(picture.pixel(2, 384), qRgb(91, 91, 215)); // band 54 of 64
    EXPECT_EQ(picture.pixel(200, 27), qRgb(255, 255, 255));
    EXPECT_EQ(picture.pixel(414, 29), qRgb(255, 255, 255)); // runs off the right edge
    // Every pixel of the rule's left end, its corners included, and none beside it.
    for (const int y : {26, 27, 28, 29}) {
        EXPECT_EQ(picture.pixel(16, y), qRgb(255, 255, 255)) << y;
        EXPECT_NE(picture.pixel(15, y), qRgb(255, 255, 255)) << y;
    }
    // Away from the pointer the Close button shows neither face nor frame.
    for (const int y : {328, 377}) {
        EXPECT_EQ(picture.pixel(360, y), picture.pixel(358, y));
        EXPECT_EQ(picture.pixel(409, y), picture.pixel(358, y));
    }
    const auto* close = dialog.findChild<QToolButton*>("SpeedButton1");
    EXPECT_EQ(close->toolTip(), "Close this window");
    EXPECT_TRUE(close->font().underline());
}

} // namespace
} // namespace chronavell
