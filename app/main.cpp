#include <QApplication>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/CommandLine.h"
#include "core/check/CheckCommand.h"
#include "core/resources/Strings.h"
#include "gui/app/DocumentFiles.h"
#include "gui/app/MainWindow.h"
#include "gui/app/RazoApplication.h"
#include "gui/resources/CommandIcons.h"

int main(int argc, char** argv) {
    // Checking pages needs no window and no display: it is over before Qt starts.
    if (argc >= 2 && std::string_view(argv[1]) == "--check")
        return razo::RunCheckCommand(std::vector<std::string>(argv + 2, argv + argc), std::cout, std::cerr);
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
