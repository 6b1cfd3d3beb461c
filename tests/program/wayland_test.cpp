#include "app/desktop_site_opener.h"
#include "app/executable_location.h"
#include "app/message_box_reporter.h"
#include "app/regional_settings.h"
#include "app/system_clock.h"
#include "app/tform1.h"
#include "support/qt_printers.h"
#include "widgets/tabbed_notebook.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QGuiApplication>
#include <QPointer>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>

namespace chronavell {
namespace {

// Generous: a loaded machine may take seconds to bring a window up. Nothing here measures
// time; each wait ends as soon as what it waits for is there.
constexpr int Patience = 20000;

// Qt's complaints while the window runs; on Wayland, one that cannot be done as asked (a
// position of the window's own choosing, say) must degrade quietly.
QStringList& Complaints()
{
    static QStringList complaints;
    return complaints;
}

void RecordComplaint(QtMsgType type, const QMessageLogContext& /*context*/, const QString& text)
{
    if (type != QtDebugMsg && type != QtInfoMsg) {
        Complaints().append(text);
    }
}

bool Exposed(QWidget* widget)
{
    return widget != nullptr && widget->windowHandle() != nullptr &&
           QTest::qWaitForWindowExposed(widget->windowHandle(), Patience);
}

// The real main window on the real desktop platform, as the program makes it.
class OnWayland : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(QGuiApplication::platformName(), "wayland")
            << "run on a Wayland compositor, with QT_QPA_PLATFORM=wayland";
        Complaints().clear();
        previous_ = qInstallMessageHandler(RecordComplaint);
        form_ = std::make_unique<TForm1>(platform_);
        reporter_.setParentWindow(form_.get());
        form_->show();
        ASSERT_TRUE(Exposed(form_.get()));
    }
    void TearDown() override
    {
        form_.reset();
        qInstallMessageHandler(previous_);
        EXPECT_EQ(Complaints(), QStringList());
    }

    template <typename T> T* control(const char* name) const
    {
        T* child = form_->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }

    SystemClock clock_;
    SystemRegionalSettings regional_;
    SystemExecutableLocation executable_;
    MessageBoxReporter reporter_;
    DesktopSiteOpener opener_;
    const Platform platform_{clock_, regional_, executable_, reporter_, opener_};
    QtMessageHandler previous_ = nullptr;
    std::unique_ptr<TForm1> form_;
};

TEST_F(OnWayland, WindowComesUpAndItsCaptionClockTicks)
{
    const QRegularExpression caption(QStringLiteral("^\\[\\d+\\.M \\d+\\] : \\S+"));
    // The first tick replaces the start's caption; every later one shows another second.
    QString seen = form_->windowTitle();
    for (int tick = 0; tick < 2; ++tick) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return form_->windowTitle() != seen; }, Patience))
            << "the caption stayed " << seen;
        seen = form_->windowTitle();
        EXPECT_TRUE(caption.match(seen).hasMatch()) << seen;
    }
}

TEST_F(OnWayland, HelpButtonOpensTheDialogAndItsCloseButtonClosesIt)
{
    control<TabbedNotebook>("TabbedNotebook1")->setCurrentIndex(1);
    auto* help = control<QAbstractButton>("SpeedButton3");
    ASSERT_NE(help, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([help] { return help->isVisible(); }, Patience));

    // The dialog runs its own loop: it is found, waited for and closed from inside that loop.
    // If it never comes up or will not close, the watchdog ends the showing so the test ends.
    QPointer<QDialog> dialog;
    bool exposed = false;
    bool closing = false;
    QTimer inside;
    QObject::connect(&inside, &QTimer::timeout, [&] {
        dialog = form_->findChild<QDialog*>(QStringLiteral("FCheckDate"));
        if (dialog == nullptr || !dialog->isVisible()) {
            return;
        }
        inside.stop();
        exposed = Exposed(dialog);
        auto* close = dialog->findChild<QAbstractButton*>(QStringLiteral("SpeedButton1"));
        ASSERT_NE(close, nullptr);
        closing = true;
        QTest::mouseClick(close, Qt::LeftButton);
    });
    inside.start(10);
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] {
        ADD_FAILURE() << "the dialog did not come up or did not close";
        if (QWidget* modal = QApplication::activeModalWidget()) {
            modal->close();
        }
    });
    watchdog.start(3 * Patience);

    // The click asks for the dialog; it opens from the event loop, once the click is done.
    QTest::mouseClick(help, Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return closing && QApplication::activeModalWidget() == nullptr; }, 3 * Patience));

    EXPECT_TRUE(exposed);
    EXPECT_TRUE(watchdog.isActive()) << "the showing was ended by the watchdog";
    EXPECT_EQ(dialog, nullptr) << "the dialog outlived its showing";
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(OnWayland, ToolTipClassListAndCalendarComeUp)
{
    auto* checkClass = control<QComboBox>("ComboBox");
    auto* picker = control<QDateEdit>("DateTimePicker");
    ASSERT_NE(checkClass, nullptr);
    ASSERT_NE(picker, nullptr);

    control<TabbedNotebook>("TabbedNotebook1")->setCurrentIndex(1);
    ASSERT_TRUE(QTest::qWaitFor([checkClass] { return checkClass->isVisible(); }, Patience));
    QToolTip::showText(checkClass->mapToGlobal(QPoint(4, 4)), checkClass->toolTip(), checkClass);
    ASSERT_TRUE(QToolTip::isVisible());
    QWidget* tip = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->inherits("QTipLabel") && window->isVisible()) {
            tip = window;
        }
    }
    EXPECT_TRUE(Exposed(tip)) << "tool tip";
    QToolTip::hideText();

    checkClass->showPopup();
    EXPECT_TRUE(Exposed(checkClass->view()->window())) << "class list";
    checkClass->hidePopup();

    control<TabbedNotebook>("TabbedNotebook1")->setCurrentIndex(0);
    ASSERT_TRUE(QTest::qWaitFor([picker] { return picker->isVisible(); }, Patience));
    // The picker's drop-down arrow, where its style puts it.
    QStyleOptionComboBox option;
    option.initFrom(picker);
    option.editable = true;
    option.subControls = QStyle::SC_All;
    const QRect arrow = picker->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                        QStyle::SC_ComboBoxArrow, picker);
    QTest::mouseClick(picker, Qt::LeftButton, {}, arrow.center());
    ASSERT_NE(picker->calendarWidget(), nullptr);
    EXPECT_TRUE(Exposed(picker->calendarWidget()->window())) << "calendar";
    picker->calendarWidget()->window()->close();
}

} // namespace
} // namespace chronavell
