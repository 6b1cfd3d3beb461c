#include "app/application_start.h"
#include "app/application_title.h"
#include "app/desktop_site_opener.h"
#include "app/executable_location.h"
#include "app/message_box_reporter.h"
#include "app/program_options.h"
#include "app/regional_settings.h"
#include "app/system_clock.h"
#include "app/tform1.h"
#include "build_info.h"
#include "widgets/form_fonts.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    using namespace chronavell;

    if (const auto status = AnswerProgramOptions(argc, argv)) {
        return *status;
    }
    const auto application = StartApplication(argc, argv);
    // The name only: a display name would be appended to every window title.
    QApplication::setApplicationName(ApplicationTitle);
    // Lets the desktop match the window to its menu entry and icon.
    QApplication::setDesktopFileName(QString::fromLatin1(ApplicationId));
    // The window's face serves its tool tips and messages too. Every text box also lays out
    // its empty text in the application's face as it is made, so a second face would be
    // loaded at start for nothing.
    QApplication::setFont(FormFont(SansSerifFace, 11));

    SystemClock clock;
    SystemRegionalSettings regional;
    SystemExecutableLocation executable;
    MessageBoxReporter reporter;
    DesktopSiteOpener opener;
    const Platform platform{clock, regional, executable, reporter, opener};

    TForm1 window(platform);
    reporter.setParentWindow(&window);
    window.show();
    QApplication::exec();
    return 0;
}
