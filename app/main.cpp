#include <QApplication>
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/CommandLine.h"
#include "core/check/CheckCommand.h"
#include "core/resources/Strings.h"
#include "core/text/MessageText.h"
#include "gui/app/DocumentFiles.h"
#include "gui/app/MainWindow.h"
#include "gui/app/RazoApplication.h"
#include "gui/app/SharedIconStyle.h"
#include "gui/app/SingleInstance.h"
#include "gui/resources/CommandIcons.h"

namespace {

// Answers the options that need no window; the exit status, or -1 to go on.
int AnswerOnTheTerminal(const razo::StartRequest& request) {
    using Action = razo::StartRequest::Action;
    switch (request.action) {
    case Action::Help:
        std::fputs(razo::strings::CommandLineUsage, stdout);
        return 0;
    case Action::Version:
        std::fputs(razo::FillMessage(razo::strings::VersionLine, {RAZO_VERSION}).c_str(), stdout);
        return 0;
    case Action::UnknownOption:
        std::fputs(razo::FillMessage(razo::strings::UnknownOption, {request.option}).c_str(), stderr);
        return 2;
    case Action::Open:
        break;
    }
    return -1;
}

} // namespace

int main(int argc, char** argv) {
    // Checking pages needs no window and no display: it is over before Qt starts.
    if (argc >= 2 && std::string_view(argv[1]) == "--check")
        return razo::RunCheckCommand(std::vector<std::string>(argv + 2, argv + argc), std::cout, std::cerr);
    // Read before Qt looks at the arguments: the path stays the bytes the system gave, so a name
    // that is not UTF-8 still opens.
    const razo::StartRequest request = razo::ParseCommandLine(std::vector<std::string>(argv, argv + argc));
    if (const int status = AnswerOnTheTerminal(request); status >= 0)
        return status;
    // Qt sees no arguments, so none of them is taken as one of its own switches.
    int qtArgc = 1;
    QApplication qtApp(qtArgc, argv);
    // The window already open on this display takes the page; this run ends.
    if (razo::HandToRunningInstance(request.path))
        return 0;
    QApplication::setApplicationName(QString::fromUtf8(razo::strings::AppTitle));
    QApplication::setApplicationVersion(QStringLiteral(RAZO_VERSION));
    QApplication::setWindowIcon(razo::ProgramIcon());
    // The desktop entry the window belongs to, so the desktop shows its name and icon for it.
    QGuiApplication::setDesktopFileName(QStringLiteral("razo"));

    QApplication::setStyle(new razo::SharedIconStyle);

    razo::RazoApplication app;
    app.Start(QString());
    app.ListenForLaterStarts();
    if (!request.path.empty())
        app.Window().Files().OpenPath(request.path);
    return QApplication::exec();
}
