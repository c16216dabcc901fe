#include "gui/app/QtSystemInfo.h"

#include <QDateTime>
#include <QLocale>

namespace razo {

LocalTime QtSystemInfo::Now() const {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    return {date.year(),
            date.month(),
            date.day(),
            time.hour(),
            time.minute(),
            time.second(),
            now.offsetFromUtc() / 60};
}

std::string QtSystemInfo::Language() const {
    // "C" and the like have no language of their own.
    if (QLocale::system().language() == QLocale::C)
        return "en";
    return QLocale::system().bcp47Name().toStdString();
}

} // namespace razo
