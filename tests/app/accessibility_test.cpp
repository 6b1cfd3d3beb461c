#include "app/tform1.h"
#include "fake_platform.h"
#include "pages/digit_field.h"
#include "support/qt_printers.h"
#include "widgets/text_label.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QDateEdit>

#include <gtest/gtest.h>

namespace chronavell {
namespace {

bool HasText(const QWidget* widget)
{
    if (const auto* label = qobject_cast<const TextLabel*>(widget)) {
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
// reader its name and what it is for.
TEST(Accessibility, EveryControlWithTextOrHintHasNameAndDescription)
{
    test_support::FakePlatform fake;
    fake.Executable.Directory = std::filesystem::temp_directory_path();
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
        EXPECT_FALSE(face->text(QAccessible::Description).isEmpty()) << widget->objectName();
        ++checked;
    }
    // Enough to know the walk reached every page.
    EXPECT_GT(checked, 20);
}

TEST(Accessibility, DigitFieldsAndLabelsExposeWhatTheyShow)
{
    test_support::FakePlatform fake;
    fake.Executable.Directory = std::filesystem::temp_directory_path();
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
    EXPECT_EQ(name("LinkZarrow"), "Got Zarrow? Get Zarrow here!");
    auto* saying = form.findChild<TextLabel*>("Label2");
    saying->setText("Rank &and file && all");
    EXPECT_EQ(name("Label2"), "Rank and file & all");
}

} // namespace
} // namespace chronavell
