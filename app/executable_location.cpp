#include "app/executable_location.h"

#include <QCoreApplication>

namespace chronavell {

std::filesystem::path SystemExecutableLocation::directory() const
{
    // Qt reads /proc/self/exe, which the kernel has already resolved through every link.
    return QCoreApplication::applicationDirPath().toStdString();
}

} // namespace chronavell
