#include "app/tform1.h"
#include "support/fake_platform.h"
#include "support/qt_printers.h"
#include "support/unprivileged.h"

#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <memory>
#include <unistd.h>

namespace chronavell {
namespace {

namespace fs = std::filesystem;

const QString Missing = "Your Imperial Sayings File is missing from the application Directory!";

struct BadFile
{
    const char* Name;
    // Makes the thing at the path; the folder is the program's.
    std::function<void(const fs::path&)> Make;
    // What the saying label shows after the start and after a click, and the error box's
    // text, which the start shows and each click shows again.
    QString Shown;
    QString Reported;
};

void WriteBytes(const fs::path& file, const std::string& bytes)
{
    std::ofstream out(file, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Whatever lies at Sayings.txt, the window starts, says what it found in the program's own
// words or in a clear error box, and goes on working.
TEST(BadSayingsFile, EveryKindOfBadFile)
{
    const std::string fiftyMiB(50U << 20U, 'x');
    const std::vector<BadFile> cases = {
        {"missing", [](const fs::path&) {}, Missing, ""},
        {"empty", [](const fs::path& f) { WriteBytes(f, ""); }, Missing, ""},
        {"directory", [](const fs::path& f) { fs::create_directory(f); }, Missing, ""},
        {"binary",
         [](const fs::path& f) { WriteBytes(f, std::string("\x01\xFE\x80\x7F\x1B[2J", 8)); },
         QString("\"") + QChar(1) + "þ€" + QChar(0x7F) + QChar(0x1B) + "[2J\"", ""},
        {"NUL bytes", [](const fs::path& f) { WriteBytes(f, std::string("a\0b\r\n", 5)); },
         QString("\"a") + QChar(0) + "b\"", ""},
        {"invalid UTF-8", [](const fs::path& f) { WriteBytes(f, "Caf\xC3 \xE9t\xE9\r\n"); },
         "\"CafÃ été\"", ""},
        {"50 MiB in one line", [&](const fs::path& f) { WriteBytes(f, fiftyMiB); },
         "\"" + QString(4095, u'x'), ""},
        // Read at offset 0 the process's own memory fails: nothing is mapped there.
        {"a link to a file that fails to read",
         [](const fs::path& f) { fs::create_symlink("/proc/self/mem", f); }, "",
         "Input/output error."},
        {"a link to a file that never ends",
         [](const fs::path& f) { fs::create_symlink("/proc/self/pagemap", f); }, "",
         "Input/output error."},
    };
    for (const BadFile& c : cases) {
        test_support::FakePlatform fake;
        const fs::path folder =
            fs::temp_directory_path() / ("chronavell-bad-" + std::to_string(::getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder);
        fake.Executable.Directory = folder;
        c.Make(folder / "Sayings.txt");

        // How much of a huge file is read is the sayings loader's to test; here the window
        // just has to come up and show the cut saying.
        auto form = std::make_unique<TForm1>(fake.platform());
        form->show();
        auto* saying = form->findChild<QLabel*>("Label2");
        EXPECT_EQ(saying->text(), c.Shown) << c.Name;
        EXPECT_EQ(fake.Reporter.Messages.join("|"), c.Reported) << c.Name;
        // And the window keeps working: the clock ticks, the label answers clicks.
        fake.TheClock.advance(std::chrono::seconds(1));
        EXPECT_EQ(form->windowTitle(), "[0347005.M 3] : 19:07:06") << c.Name;
        QTest::mouseClick(form->findChild<QWidget*>("SayingArea"), Qt::LeftButton);
        EXPECT_EQ(saying->text(), c.Shown) << c.Name;
        EXPECT_EQ(fake.Reporter.Messages.join("|"),
                  c.Reported.isEmpty() ? "" : c.Reported + "|" + c.Reported)
            << c.Name;
        form.reset();
        fs::remove_all(folder);
    }
}

TEST(BadSayingsFile, UnreadableGivesAClearErrorAndTheWindowGoesOn)
{
    const fs::path folder =
        fs::temp_directory_path() / ("chronavell-unreadable-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    WriteBytes(folder / "Sayings.txt", "secret\r\n");
    fs::permissions(folder / "Sayings.txt", fs::perms::none);
    fs::permissions(folder, fs::perms::owner_all | fs::perms::others_exec);
    const int status = test_support::RunUnprivileged([&] {
        test_support::FakePlatform fake;
        fake.Executable.Directory = folder;
        TForm1 form(fake.platform());
        form.show();
        const bool reported = fake.Reporter.Messages == QStringList{"File access denied."};
        fake.TheClock.advance(std::chrono::seconds(1));
        const bool ticking = form.windowTitle() == "[0347005.M 3] : 19:07:06";
        return (reported ? 0 : 1) | (ticking ? 0 : 2);
    });
    fs::remove_all(folder);
    EXPECT_EQ(status, 0) << "1 no clear error, 2 the window stopped";
}

} // namespace
} // namespace chronavell
