// The floor that Qt itself sets: one empty window of the main window's size and nothing else,
// so that the start-up, memory and idle figures of the program can be read against it.
//
//   chronavell_bare_window [--text] [--caption-clock]
//
// --text puts one line of text in it, in the face and size the program uses: the floor of any
// window that draws text, which the empty one never pays for. --caption-clock writes the time
// into its title every second the way any Qt program would, the floor of a window with a
// clock in its title bar.
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QTime>
#include <QTimer>
#include <QWidget>

#include <cstring>

int main(int argc, char* argv[])
{
    const QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setFixedSize(445, 172);
    QTimer clock;
    for (int index = 1; index < argc; ++index) {
        if (std::strcmp(argv[index], "--text") == 0) {
            auto* line = new QLabel(QStringLiteral("One line of text"), &window);
            QFont face(QStringLiteral("Liberation Sans"));
            face.setPixelSize(11);
            line->setFont(face);
            line->move(8, 8);
        } else if (std::strcmp(argv[index], "--caption-clock") == 0) {
            QObject::connect(&clock, &QTimer::timeout, &window,
                             [&window] { window.setWindowTitle(QTime::currentTime().toString()); });
            clock.start(1000);
        }
    }
    window.show();
    return QApplication::exec();
}
