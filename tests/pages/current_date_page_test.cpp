#include "pages/current_date_page.h"
#include "support/qt_printers.h"
#include "support/shown_page.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDateEdit>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

namespace chronavell {
namespace {

class CurrentDatePageTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(test_support::ShowPage(page_, true)); }

    CurrentDatePage page_;

    QDateEdit* findPicker() const { return page_.findChild<QDateEdit*>("DateTimePicker"); }
    QCalendarWidget* openCalendar() const
    {
        auto* calendar = findPicker()->calendarWidget();
        return calendar != nullptr && calendar->isVisible() ? calendar : nullptr;
    }
};

// The whole picker shows the pointing hand, its text as well as its arrow.
TEST_F(CurrentDatePageTest, PickerShowsTheHandAllOver)
{
    QDateEdit* picker = findPicker();
    for (int x = 2; x < picker->width() - 2; x += 4) {
        const QPoint at(x, picker->height() / 2);
        const QWidget* under = picker->childAt(at) != nullptr ? picker->childAt(at) : picker;
        EXPECT_EQ(under->cursor().shape(), Qt::PointingHandCursor) << x;
    }
}

// Alt+Down and F4 open the calendar, as they open a drop-down list, and leave the day alone;
// the calendar keeps the desktop's colours, not the box's lavender and white.
TEST_F(CurrentDatePageTest, CalendarOpensFromTheKeyboardInTheDesktopsColours)
{
    QDateEdit* picker = findPicker();
    const QDate day = picker->date();
    const QPalette desktop = QApplication::palette();
    for (const auto& [key, modifiers] :
         {std::pair{Qt::Key_Down, Qt::KeyboardModifiers(Qt::AltModifier)},
          std::pair{Qt::Key_F4, Qt::KeyboardModifiers()}}) {
        picker->setFocus();
        QTest::keyClick(picker, key, modifiers);
        QCalendarWidget* calendar = openCalendar();
        ASSERT_NE(calendar, nullptr) << key;
        EXPECT_EQ(picker->date(), day);
        for (const QPalette::ColorRole role : {QPalette::Base, QPalette::Text, QPalette::Window,
                                               QPalette::WindowText, QPalette::AlternateBase}) {
            EXPECT_EQ(calendar->palette().color(role), desktop.color(role)) << role;
        }
        calendar->window()->hide();
    }
    EXPECT_NE(picker->palette().color(QPalette::Base), desktop.color(QPalette::Base));
}

// Ctrl+C copies the Imperial date wherever the focus is on the page but in the picker's text,
// which copies its own selection; so does the date's context menu.
TEST_F(CurrentDatePageTest, ImperialDateCopies)
{
    page_.setPickedDay(QDate(1936, 5, 4));
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    auto* saying = page_.findChild<QWidget*>("SayingArea");
    saying->setFocus(Qt::TabFocusReason);
    QTest::keyClick(saying, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), "0344936.M 2");

    clipboard->clear();
    QDateEdit* picker = findPicker();
    picker->setFocus(Qt::TabFocusReason);
    picker->setSelectedSection(QDateTimeEdit::YearSection);
    QTest::keyClick(picker, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), QString::number(picker->date().year()));

    clipboard->clear();
    auto* date = page_.findChild<QWidget*>("Label1");
    QTimer::singleShot(0, [] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            menu->actions().value(0)->trigger();
            menu->close();
        }
    });
    QContextMenuEvent request(QContextMenuEvent::Mouse, date->rect().center(),
                              date->mapToGlobal(date->rect().center()));
    QApplication::sendEvent(date, &request);
    EXPECT_EQ(clipboard->text(), "0344936.M 2");
}

// After a day is picked in the calendar, nothing is selected in the picker's text: Ctrl+C
// there copies the Imperial date, as everywhere on the page; so does the picker's menu.
TEST_F(CurrentDatePageTest, PickerWithoutASelectionCopiesTheImperialDate)
{
    page_.setPickedDay(QDate(1936, 5, 4));
    QClipboard* clipboard = QGuiApplication::clipboard();
    QDateEdit* picker = findPicker();
    picker->setFocus(Qt::TabFocusReason);
    QTest::keyClick(picker, Qt::Key_F4);
    ASSERT_NE(openCalendar(), nullptr);
    QTest::keyClick(openCalendar()->focusProxy(), Qt::Key_Right);
    QTest::keyClick(openCalendar()->focusProxy(), Qt::Key_Return);
    ASSERT_EQ(openCalendar(), nullptr);
    // A click on a day leaves nothing selected; the keys leave the day's section selected.
    picker->findChild<QLineEdit*>()->deselect();
    clipboard->setText(QStringLiteral("before"));
    QTest::keyClick(picker, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), "0347936.M 2"); // 5 May 1936, picked

    clipboard->setText(QStringLiteral("before"));
    QStringList items;
    QTimer::singleShot(0, [&items] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (QAction* action : menu->actions()) {
                items.append(action->text());
            }
            menu->actions().constLast()->trigger();
            menu->close();
        }
    });
    QContextMenuEvent request(QContextMenuEvent::Mouse, picker->rect().center(),
                              picker->mapToGlobal(picker->rect().center()));
    QApplication::sendEvent(picker, &request);
    EXPECT_TRUE(items.contains("&Step up")) << items.join('|').toStdString();
    EXPECT_EQ(items.value(items.size() - 1), "Copy Imperial Date");
    EXPECT_EQ(clipboard->text(), "0347936.M 2");
}

// Ctrl+Home in the text, Home in the calendar (which stays open) and the calendar's Today
// button each ask for today.
TEST_F(CurrentDatePageTest, TodayIsAskedForFromTheTextAndTheCalendar)
{
    const QSignalSpy asked(&page_, &CurrentDatePage::todayRequested);
    QDateEdit* picker = findPicker();
    picker->setFocus(Qt::TabFocusReason);
    QTest::keyClick(picker, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(asked.count(), 1);

    QTest::keyClick(picker, Qt::Key_F4);
    ASSERT_NE(openCalendar(), nullptr);
    QTest::keyClick(openCalendar()->focusProxy(), Qt::Key_Home);
    EXPECT_EQ(asked.count(), 2);
    ASSERT_NE(openCalendar(), nullptr);

    auto* today = openCalendar()->findChild<QToolButton*>("TodayButton");
    ASSERT_NE(today, nullptr);
    EXPECT_TRUE(today->isVisible());
    QTest::mouseClick(today, Qt::LeftButton);
    EXPECT_EQ(asked.count(), 3);
    EXPECT_EQ(openCalendar(), nullptr);
}

} // namespace
} // namespace chronavell
