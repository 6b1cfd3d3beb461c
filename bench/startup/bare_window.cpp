// The floor that Qt itself sets: one empty window of the main window's size and nothing else,
// so that the start-up, memory and idle figures of the program can be read against it.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    const QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setFixedSize(445, 172);
    window.show();
    return QApplication::exec();
}
