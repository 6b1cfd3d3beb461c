#pragma once

#include <QApplication>

#include <memory>

namespace chronavell {

// Makes the application object, which opens the display. When no display can be opened, Qt
// would end the process with an abort and a page of advice about reinstalling; instead this
// writes one line to standard error, naming the display the command line asked for with
// -display, or else DISPLAY, and the other variables that choose the display, and exits with
// status 1. Qt's other messages while the display is opened are held back and passed on once
// it is open, so that the failure stays one line. When the platform asked for is one Qt has
// no plugin for, the line names it instead and Qt's messages follow it, since they list the
// platforms there are; the exit is the same. What these lines quote from the command line or
// the environment is escaped, and cut, by the rule of ShownText.
std::unique_ptr<QApplication> StartApplication(int& argc, char** argv);

} // namespace chronavell
