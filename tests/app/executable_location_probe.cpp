// Writes the folder that SystemExecutableLocation finds to standard output, byte for byte, so
// that a test can run copies of this probe from folders of its choosing. An argument names a
// file to remove first: the probe's own, to stand for a program replaced while it starts.

#include "app/executable_location.h"

#include <QCoreApplication>

#include <cstdio>
#include <filesystem>
#include <system_error>

int main(int argc, char* argv[])
{
    // As in the program, the location is asked for with an application object in place.
    const QCoreApplication application(argc, argv);
    if (argc > 1) {
        std::error_code error;
        std::filesystem::remove(argv[1], error);
    }
    const std::string folder = chronavell::SystemExecutableLocation().directory().native();
    return std::fwrite(folder.data(), 1, folder.size(), stdout) == folder.size() ? 0 : 1;
}
