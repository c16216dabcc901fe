#include "gui/app/QtProcessLauncher.h"

#include <QProcess>
#include <QStringList>

namespace razo {

bool QtProcessLauncher::StartDetached(const std::string& program, const std::vector<std::string>& arguments) {
    QStringList args;
    for (const std::string& argument : arguments)
        args << QString::fromStdString(argument);
    return QProcess::startDetached(QString::fromStdString(program), args);
}

} // namespace razo
