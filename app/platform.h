#pragma once

namespace chronavell {

class Clock;
class ErrorReporter;
class ExecutableLocation;
class RegionalSettings;
class SiteOpener;

// What the main window asks of the desktop. The program passes the real ones; tests pass
// their own, so that a run can be set to any moment, region or folder.
struct Platform
{
    Clock& TheClock;
    RegionalSettings& Regional;
    ExecutableLocation& Executable;
    ErrorReporter& Reporter;
    SiteOpener& Opener;
};

} // namespace chronavell
