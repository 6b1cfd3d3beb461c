#include "app/tform1.h"
#include "dialogs/tfcheck_date.h"
#include "support/fake_platform.h"
#include "support/qt_printers.h"
#include "widgets/digit_field.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include <fstream>
#include <unistd.h>

namespace chronavell {
namespace {

bool HasText(const QWidget* widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return !label->text().isEmpty();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        return !button->text().isEmpty();
    }
    return qobject_cast<const QComboBox*>(widget) != nullptr ||
           qobject_cast<const QDateEdit*>(widget) != nullptr ||
           qobject_cast<const DigitField*>(widget) != nullptr;
}

// Every control a sighted user can read something from, its text or its hint, tells a screen
// reader its name, and what it is for where it has a hint.
TEST(Accessibility, EveryControlWithTextOrHintHasNameAndDescription)
{
    test_support::FakePlatform fake;
    TForm1 form(fake.platform());
    form.show();
    int checked = 0;
    for (QWidget* widget : form.findChildren<QWidget*>()) {
        if (widget->objectName().isEmpty() || widget->objectName().startsWith("qt_")) {
            continue;
        }
        if (widget->toolTip().isEmpty() && !HasText(widget)) {
            continue;
        }
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
        ASSERT_NE(face, nullptr) << widget->objectName();
        EXPECT_FALSE(face->text(QAccessible::Name).isEmpty()) << widget->objectName();
        EXPECT_TRUE(widget->toolTip().isEmpty() || !face->text(QAccessible::Description).isEmpty())
            << widget->objectName();
        ++checked;
    }
    // Enough to know the walk reached every page.
    EXPECT_GT(checked, 20);
}

// The window is a window named by the program, with the picked day's date in its
// description; every control a user can work has a name of its own; a press action on every
// area that opens something.
TEST(Accessibility, WindowAndControlsTellWhatTheyAre)
{
    test_support::FakePlatform fake;
    TForm1 form(fake.platform());
    form.show();
    fake.TheClock.advance(std::chrono::seconds(1));
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&form);
    EXPECT_EQ(window->role(), QAccessible::Window);
    EXPECT_EQ(window->text(QAccessible::Name), "Chronavell");
    EXPECT_TRUE(window->text(QAccessible::Description).contains("0347005.M 3"))
        << window->text(QAccessible::Description);

    QStringList names;
    for (QWidget* widget : form.findChildren<QWidget*>()) {
        if (widget->focusPolicy() == Qt::NoFocus &&
            qobject_cast<QAbstractButton*>(widget) == nullptr) {
            continue;
        }
        if (!widget->isVisibleTo(&form) || widget->objectName().startsWith("qt_") ||
            widget->objectName().isEmpty()) {
            continue;
        }
        const QString name = QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
        EXPECT_FALSE(name.isEmpty()) << widget->objectName();
        EXPECT_FALSE(names.contains(name)) << widget->objectName() << " is named " << name;
        names.append(name);
    }
    for (const auto& [object, name] :
         {std::pair{"NYear", "Year"}, std::pair{"IYear", "Imperial year"},
          std::pair{"ComboBox", "Check date class"}, std::pair{"Label7", "Check digit"},
          std::pair{"Panel1", "Chronavell icon"}}) {
        QAccessibleInterface* face =
            QAccessible::queryAccessibleInterface(form.findChild<QWidget*>(object));
        EXPECT_EQ(face->text(QAccessible::Name), name) << object;
    }
    for (const char* area : {"LinkBrannoch", "LinkZarrow", "LinkVelquist", "SayingArea"}) {
        QAccessibleInterface* face =
            QAccessible::queryAccessibleInterface(form.findChild<QWidget*>(area));
        ASSERT_NE(face->actionInterface(), nullptr) << area;
        EXPECT_TRUE(face->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()))
            << area;
    }
}

TEST(Accessibility, DigitFieldsAndLabelsExposeWhatTheyShow)
{
    test_support::FakePlatform fake;
    fake.Executable.Directory =
        std::filesystem::temp_directory_path() / ("chronavell-a11y-" + std::to_string(::getpid()));
    std::filesystem::create_directories(fake.Executable.Directory);
    std::ofstream(fake.Executable.Directory / "Sayings.txt") << "Rank &and file && all\r\n";
    TForm1 form(fake.platform());
    form.show();
    const auto value = [&](const char* name) {
        auto* widget = form.findChild<QWidget*>(QString::fromLatin1(name));
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Value);
    };
    const auto name = [&](const char* object) {
        auto* widget = form.findChild<QWidget*>(QString::fromLatin1(object));
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
    };
    EXPECT_EQ(value("IYearSeg"), "347");
    EXPECT_EQ(value("NYear"), "02005");
    EXPECT_EQ(name("IMill"), "Millennium");
    EXPECT_EQ(name("Label1"), "0347005.M 3");
    EXPECT_EQ(name("SpeedButton1"), "Convert To Imperial");
    EXPECT_EQ(name("LinkZarrow"), "Zarrow forum");
    fake.TheClock.UtcMillisecond = 0;
    QTest::mouseClick(form.findChild<QWidget*>("SayingArea"), Qt::LeftButton);
    EXPECT_EQ(name("Label2"), "\"Rank and file & all\"");
    std::filesystem::remove_all(fake.Executable.Directory);
}

// A reader edits a field as typing would, the field putting itself in order after each
// change; it counts and names the class list's items without opening the list; and it knows
// the dialog keeps the user to itself.
TEST(Accessibility, FieldsEditListItemsAndTheModalDialog)
{
    test_support::FakePlatform fake;
    TForm1 form(fake.platform());
    form.show();
    const auto edit = [&](const char* name) {
        QAccessibleInterface* face =
            QAccessible::queryAccessibleInterface(form.findChild<QWidget*>(name));
        EXPECT_NE(face->textInterface(), nullptr) << name;
        return face->editableTextInterface();
    };
    const auto text = [&](const char* name) { return form.findChild<DigitField*>(name)->text(); };
    ASSERT_NE(edit("IYear"), nullptr);
    edit("IYear")->replaceText(0, 3, "999");
    EXPECT_EQ(text("IYear"), "999");
    edit("IYear")->deleteText(0, 1);
    EXPECT_EQ(text("IYear"), "099");
    edit("IYear")->insertText(0, "7x");
    EXPECT_EQ(text("IYear"), "799");
    edit("IMill")->replaceText(0, 2, "99");
    EXPECT_EQ(text("IMill"), "50");

    QAccessibleInterface* list =
        QAccessible::queryAccessibleInterface(form.findChild<QWidget*>("ComboBox"));
    ASSERT_EQ(list->childCount(), 1);
    QAccessibleInterface* rows = list->child(0);
    ASSERT_EQ(rows->childCount(), 10);
    EXPECT_EQ(rows->child(9)->text(QAccessible::Name), "Class 9");
    EXPECT_EQ(rows->parent()->object(), form.findChild<QWidget*>("ComboBox"));
    EXPECT_EQ(list->indexOfChild(rows), 0);

    TFCheckDate dialog(&form);
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&dialog);
    EXPECT_EQ(face->role(), QAccessible::Dialog);
    EXPECT_TRUE(face->state().modal);
}

} // namespace
} // namespace chronavell
