#include <QApplication>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/DocumentFiles.h"
#include "app/MainWindow.h"
#include "app/RazoApplication.h"
#include "resources/CommandIcons.h"
#include "resources/Strings.h"

int main(int argc, char** argv) {
    // The whole command line after the program name is one document path, taken before Qt
    // looks at the arguments.
    const std::vector<std::string> arguments(argv, argv + argc);
    // Qt sees no arguments, so none of them is taken as one of its own switches.
    int qtArgc = 1;
    QApplication qtApp(qtArgc, argv);
    QApplication::setApplicationName(QString::fromUtf8(razo::strings::AppTitle));
    QApplication::setApplicationVersion(QStringLiteral(RAZO_VERSION));
    QApplication::setWindowIcon(razo::ProgramIcon());
    // The desktop entry the window belongs to, so the desktop shows its name and icon for it.
    QGuiApplication::setDesktopFileName(QStringLiteral("razo"));

    razo::RazoApplication app;
    app.Start(QString());
    // The path stays the bytes the system gave, so a name that is not UTF-8 still opens.
    if (const std::string path = razo::DocumentPathFromArguments(arguments); !path.empty())
        app.Window().Files().OpenPath(path);
    return QApplication::exec();
}
