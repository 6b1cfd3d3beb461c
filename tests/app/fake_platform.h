#pragma once

#include "app/clock.h"
#include "app/error_reporter.h"
#include "app/executable_location.h"
#include "app/platform.h"
#include "app/regional_settings.h"
#include "app/site_opener.h"

#include <QStringList>

#include <stdexcept>

namespace chronavell::test_support {

// A desktop under the test's control: a clock set by hand, a chosen region, a folder of the
// test's own for the executable, and a reporter that records instead of showing boxes.
struct FakePlatform
{
    struct FakeClock final : Clock
    {
        QDateTime Now = QDateTime(QDate(2005, 5, 5), QTime(19, 7, 5, 250));
        std::uint32_t UtcMillisecond = 43'200'000;
        bool Broken = false;

        QDateTime localNow() const override
        {
            if (Broken) {
                throw std::runtime_error("The clock stopped");
            }
            return Now;
        }
        std::uint32_t utcMillisecondOfDay() const override { return UtcMillisecond; }
    };
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

    FakeClock TheClock;
    FakeRegional Regional;
    FakeExecutable Executable;
    RecordingReporter Reporter;
    RecordingOpener Opener;

    Platform platform() { return {TheClock, Regional, Executable, Reporter, Opener}; }
};

} // namespace chronavell::test_support
