#include "app/message_box_reporter.h"
#include "core/convert_error.h"
#include "core/in_out_error.h"
#include "support/fake_platform.h"
#include "support/qt_printers.h"
#include "widgets/error_guard.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

namespace chronavell {
namespace {

TEST(ErrorGuard, FullStopRule)
{
    struct Case
    {
        QString Message;
        QString Shown;
    };
    for (const Case& c :
         {Case{"File access denied", "File access denied."}, Case{"I/O error 32", "I/O error 32."},
          Case{"'02/30/02005' is not a valid date and time",
               "'02/30/02005' is not a valid date and time."},
          Case{"'' is not a valid integer value", "'' is not a valid integer value."},
          Case{"Ends with a quote'", "Ends with a quote'"}, Case{"Done.", "Done."},
          Case{"Missing!", "Missing!"}, Case{"(aside)", "(aside)"}, Case{"minus-", "minus-"},
          Case{"slash/", "slash/."}, Case{"", ""}}) {
        test_support::FakePlatform fake;
        ErrorGuard(fake.Reporter).run([&c] { throw EConvertError(c.Message.toStdString()); });
        EXPECT_EQ(fake.Reporter.Messages, QStringList{c.Shown});
    }
}

TEST(ErrorGuard, ReportsEveryKindOfErrorAndGoesOn)
{
    test_support::FakePlatform fake;
    ErrorGuard guard(fake.Reporter);
    EXPECT_TRUE(guard.run([] {}));
    EXPECT_FALSE(guard.run([] { throw EConvertError("'x' is not a valid integer value"); }));
    EXPECT_FALSE(guard.run([] { throw EInOutError(5); }));
    EXPECT_FALSE(guard.run([] { throw std::bad_alloc(); }));
    EXPECT_FALSE(guard.run([] { throw 42; }));
    EXPECT_FALSE(guard.run([] { throw std::runtime_error("Caf\xE9"); }));
    EXPECT_EQ(fake.Reporter.Messages,
              (QStringList{"'x' is not a valid integer value.", "File access denied.",
                           "std::bad_alloc.", "Unknown error.", "Café."}));
}

// Boxes opened by the reporter are answered by the test as soon as they show.
class BoxAnswerer : public QObject
{
public:
    QStringList Seen;
    std::function<void()> OnFirst;

    void start()
    {
        auto* timer = new QTimer(this);
        timer->setInterval(5);
        connect(timer, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) {
                return;
            }
            Seen.append(box->windowTitle() + "|" + box->text() + "|" +
                        QString::number(static_cast<int>(box->icon())) + "|" +
                        QString::number(box->buttons().size()));
            if (Seen.size() == 1 && OnFirst) {
                OnFirst();
            }
            box->accept();
        });
        timer->start();
    }
};

TEST(MessageBoxReporter, ErrorsArrivingWhileABoxIsOpenWaitTheirTurn)
{
    MessageBoxReporter reporter;
    BoxAnswerer answerer;
    // A timer tick inside the first box's own event loop reports two more errors.
    answerer.OnFirst = [&] {
        reporter.report("Second.");
        reporter.report("Third.");
    };
    answerer.start();
    reporter.report("First.");
    const QString critical = QString::number(static_cast<int>(QMessageBox::Critical));
    EXPECT_EQ(answerer.Seen, (QStringList{"Chronavell|First.|" + critical + "|1",
                                          "Chronavell|Second.|" + critical + "|1",
                                          "Chronavell|Third.|" + critical + "|1"}));
}

} // namespace
} // namespace chronavell
