// Writes a picture of every page of the window and of the Check Date Classes dialog into a
// folder, from a window started on a fixed day with a fixed saying, on Qt's offscreen
// platform: two runs of the same program give the same pictures, so two versions of the
// program can be compared pixel for pixel (tools/compare-pages.sh).
//
//   chronavell_grab_pages FOLDER

#include "app/tform1.h"
#include "support/fake_platform.h"
#include "support/modal_dialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTabBar>

#include <cstdio>
#include <cstdlib>
#include <fstream>

using namespace chronavell;
using namespace std::chrono_literals;

namespace {

void Save(QWidget& widget, const QString& file)
{
    QApplication::processEvents();
    if (!widget.grab().toImage().save(file)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        std::exit(1);
    }
}

void Click(const QWidget& window, const char* name, int times = 1)
{
    for (int i = 0; i < times; ++i) {
        window.findChild<QAbstractButton*>(QString::fromLatin1(name))->click();
    }
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: chronavell_grab_pages FOLDER\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QApplication application(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]);

    test_support::FakePlatform fake;
    fake.Executable.Directory = std::filesystem::temp_directory_path() / "chronavell-grab";
    std::filesystem::create_directories(fake.Executable.Directory);
    std::ofstream(fake.Executable.Directory / "Sayings.txt", std::ios::binary)
        << "The Ledger counts what the sword forgets.\r\n";

    TForm1 window(fake.platform());
    window.show();
    auto* tabs = window.findChild<QTabBar*>(QStringLiteral("Tabs"));
    for (int page = 0; page < tabs->count(); ++page) {
        tabs->setCurrentIndex(page);
        Save(window, folder + QStringLiteral("/page-%1.png").arg(page + 1));
    }

    tabs->setCurrentIndex(2);
    Click(window, "BitBtn2", 20);
    Save(window, folder + QStringLiteral("/page-3-right.png"));
    Click(window, "BitBtn1", 7);
    Save(window, folder + QStringLiteral("/page-3-mid.png"));

    tabs->setCurrentIndex(1);
    fake.TheClock.advance(5s);
    Save(window, folder + QStringLiteral("/page-2-lit.png"));

    Click(window, "SpeedButton3");
    test_support::WithModalDialog([&](QWidget& dialog) {
        Save(dialog, folder + QStringLiteral("/dialog.png"));
        dialog.close();
    });
    return 0;
}
