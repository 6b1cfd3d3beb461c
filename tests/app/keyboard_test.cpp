#include "app/tform1.h"
#include "app/timer.h"
#include "support/fake_platform.h"
#include "support/modal_dialog.h"
#include "support/qt_printers.h"
#include "widgets/digit_field.h"
#include "widgets/picture.h"

#include <QApplication>
#include <QDateEdit>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace chronavell {
namespace {

// The window worked with the keyboard alone, every key sent as the user's.
class Keyboard : public ::testing::Test
{
protected:
    void SetUp() override
    {
        form_ = std::make_unique<TForm1>(fake_.platform());
        form_->show();
        form_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    }

    template <typename T = QWidget> T* find(const char* name) const
    {
        return form_->findChild<T*>(QString::fromLatin1(name));
    }
    int page() const { return find<QTabBar>("Tabs")->currentIndex(); }
    void press(const char* name, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* target = find(name);
        target->setFocus(Qt::TabFocusReason);
        QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    }
    // Whether the action opens the dialog; Escape closes it again.
    static bool opensTheDialog(const std::function<void()>& action)
    {
        bool opened = false;
        action();
        test_support::WithModalDialog([&opened](QWidget& modal) {
            opened = modal.objectName() == "FCheckDate";
            QTest::keyClick(&modal, Qt::Key_Escape);
        });
        return opened;
    }

    test_support::FakePlatform fake_;
    std::unique_ptr<TForm1> form_;
};

TEST_F(Keyboard, PageKeysGoRoundTheTabs)
{
    struct Step
    {
        int Key = 0;
        Qt::KeyboardModifiers Modifiers;
        int Page = 0;
    };
    find<QTabBar>("Tabs")->setCurrentIndex(1);
    for (const Step& step :
         {Step{Qt::Key_Tab, Qt::ControlModifier, 2}, Step{Qt::Key_PageDown, Qt::ControlModifier, 3},
          Step{Qt::Key_PageDown, Qt::ControlModifier, 4}, Step{Qt::Key_Tab, Qt::ControlModifier, 0},
          Step{Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, 4},
          Step{Qt::Key_PageUp, Qt::ControlModifier, 3}}) {
        QWidget* focus =
            QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : form_.get();
        QTest::keyClick(focus, static_cast<Qt::Key>(step.Key), step.Modifiers);
        EXPECT_EQ(page(), step.Page) << step.Key;
    }
    // From inside a field too: the field has no use for them.
    find<QTabBar>("Tabs")->setCurrentIndex(1);
    press("NDay", Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(page(), 2);
}

// Return converts from the row it is pressed in, lamp and all, and a date that is no day is
// reported as the button reports it.
TEST_F(Keyboard, ReturnConvertsAsTheButtonsDo)
{
    find<QTabBar>("Tabs")->setCurrentIndex(1);
    find<Timer>("Timer2")->setEnabled(false);
    find<DigitField>("NMonth")->setText("1");
    find<DigitField>("NDay")->setText("1");
    press("NDay", Qt::Key_Return);
    EXPECT_EQ(find<DigitField>("IYearSeg")->text(), "003");
    EXPECT_TRUE(find<Timer>("Timer3")->isEnabled()) << "the lamp lit";

    find<DigitField>("IYearSeg")->setText("999");
    press("IMill", Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(find<DigitField>("NMonth")->text() + "/" + find<DigitField>("NDay")->text(), "12/30");

    find<DigitField>("NDay")->setText("31");
    find<DigitField>("NMonth")->setText("2");
    press("NYear", Qt::Key_Return);
    EXPECT_EQ(fake_.Reporter.Messages, QStringList{"'02/31/02005' is not a valid date and time."});
}

TEST_F(Keyboard, HelpFromEveryPageAndCtrlQCloses)
{
    for (int page = 0; page < 5; ++page) {
        find<QTabBar>("Tabs")->setCurrentIndex(page);
        EXPECT_TRUE(opensTheDialog([this] { QTest::keyClick(form_.get(), Qt::Key_F1); })) << page;
        // The window manager gives the window back its activation once the dialog is gone.
        form_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    }
    EXPECT_TRUE(form_->isVisible());
    QTest::keyClick(form_.get(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(form_->isVisible());
}

// Ctrl+Q ends the program from the dialog as well, which holds the keys while it is open: the
// dialog closes, and the window after it.
TEST_F(Keyboard, CtrlQInTheDialogClosesItAndTheWindow)
{
    QPointer<QWidget> dialog;
    bool dialogEnded = false;
    QTest::keyClick(form_.get(), Qt::Key_F1);
    EXPECT_TRUE(test_support::WithModalDialog([&](QWidget& modal) {
        dialog = &modal;
        // The keys go to the dialog once it is the active window itself.
        EXPECT_TRUE(QTest::qWaitFor([&modal] { return QApplication::activeWindow() == &modal; }));
        QTest::keyClick(&modal, Qt::Key_Q, Qt::ControlModifier);
        dialogEnded = !modal.isVisible();
        if (!dialogEnded) {
            modal.close();
        }
    }));
    EXPECT_TRUE(dialogEnded);
    EXPECT_TRUE(dialog.isNull());
    EXPECT_FALSE(form_->isVisible());
}

// Links and the saying are reached with Tab after the designed stops; Space or Return
// presses them, and a double click opens a site once.
TEST_F(Keyboard, LinksAndTheSayingAnswerKeysAndOneClickEach)
{
    find<QTabBar>("Tabs")->setCurrentIndex(3);
    find<QTabBar>("Tabs")->setFocus(Qt::TabFocusReason);
    QWidget* focus = nullptr;
    for (const auto& [name, key] :
         {std::pair{"LinkBrannoch", Qt::Key_Space}, std::pair{"LinkZarrow", Qt::Key_Return},
          std::pair{"LinkVelquist", Qt::Key_Space}}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        EXPECT_EQ(focus->objectName(), name);
        QTest::keyClick(focus, key);
    }
    EXPECT_EQ(fake_.Opener.Opened.size(), 3);
    fake_.Opener.Opened.clear();
    // As the window system delivers a double click: press, release, the second press as a
    // double click, release.
    QWidget* area = find("LinkBrannoch");
    const QPoint at = area->rect().center();
    QTest::mousePress(area, Qt::LeftButton, {}, at);
    QTest::mouseRelease(area, Qt::LeftButton, {}, at);
    QMouseEvent second(QEvent::MouseButtonDblClick, at, area->mapToGlobal(at), Qt::LeftButton,
                       Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(area, &second);
    QTest::mouseRelease(area, Qt::LeftButton, {}, at);
    EXPECT_EQ(fake_.Opener.Opened.size(), 1);

    find<QTabBar>("Tabs")->setCurrentIndex(0);
    fake_.TheClock.UtcMillisecond = 0;
    press("SayingArea", Qt::Key_Return);
    EXPECT_EQ(find<QLabel>("Label2")->text(),
              "Your Imperial Sayings File is missing from the application Directory!");
}

// A click leaves no focus frame on an area; Tab does.
TEST_F(Keyboard, FocusFrameOnlyFromTheKeyboard)
{
    find<QTabBar>("Tabs")->setCurrentIndex(3);
    QWidget* area = find("LinkZarrow");
    const QImage unfocused = area->grab().toImage();
    QTest::mouseClick(area, Qt::LeftButton);
    EXPECT_FALSE(area->hasFocus());
    EXPECT_EQ(area->grab().toImage(), unfocused);
    find("LinkBrannoch")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(find("LinkBrannoch"), Qt::Key_Tab);
    ASSERT_TRUE(area->hasFocus());
    EXPECT_NE(area->grab().toImage(), unfocused);
}

// Ctrl+Home in the picker goes back to today, and the label and the caption follow.
TEST_F(Keyboard, ControlHomeInThePickerPicksToday)
{
    auto* picker = find<QDateEdit>("DateTimePicker");
    picker->setDate(QDate(2000, 9, 20));
    ASSERT_EQ(find<QLabel>("Label1")->text(), "0721000.M 3");
    press("DateTimePicker", Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(picker->date(), QDate(2005, 5, 5));
    EXPECT_EQ(find<QLabel>("Label1")->text(), "0347005.M 3");
    EXPECT_TRUE(form_->windowTitle().startsWith("[0347005.M 3] : "));
}

} // namespace
} // namespace chronavell
