// The yardstick of the start-up benchmark: a bare Qt window with one QScintilla editor, and
// nothing else. Once shown it says so the way the program does, with a file at the path of the
// program's socket.
#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QStandardPaths>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QsciScintilla(&window));
    window.resize(720, 540);
    window.show();
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    QFile shown(QDir(folder).filePath("razo-" + QGuiApplication::platformName()));
    shown.open(QIODevice::WriteOnly);
    return QApplication::exec();
}
