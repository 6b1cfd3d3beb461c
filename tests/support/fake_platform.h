#pragma once

#include "app/executable_location.h"
#include "app/platform.h"
#include "app/regional_settings.h"
#include "pages/site_opener.h"
#include "support/fake_clock.h"
#include "support/private_folder.h"
#include "widgets/error_reporter.h"

#include <QList>
#include <QStringList>
#include <QUrl>

namespace chronavell::test_support {

// A desktop under the test's control: a clock set and moved on by hand, a chosen region, an
// empty folder of the test's own for the executable, and a reporter and an opener that record
// instead of showing boxes and browsers.
struct FakePlatform
{
    struct FakeRegional final : RegionalSettings
    {
        QLocale Locale = QLocale(QLocale::German, QLocale::Germany);
        QLocale locale() const override { return Locale; }
    };
    struct FakeExecutable final : ExecutableLocation
    {
        std::filesystem::path Directory;
        std::filesystem::path directory() const override { return Directory; }
    };
    struct RecordingReporter final : ErrorReporter
    {
        QStringList Messages;
        void report(const QString& message) override { Messages.append(message); }
    };
    struct RecordingOpener final : SiteOpener
    {
        QList<QUrl> Opened;
        void open(const QUrl& address) override { Opened.append(address); }
    };

    PrivateFolder Folder;
    FakeClock TheClock;
    FakeRegional Regional;
    FakeExecutable Executable;

    FakePlatform() { Executable.Directory = Folder.path(); }
    RecordingReporter Reporter;
    RecordingOpener Opener;

    Platform platform() { return {TheClock, Regional, Executable, Reporter, Opener}; }
};

} // namespace chronavell::test_support
