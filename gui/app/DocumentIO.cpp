#include "app/DocumentIO.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "resources/Strings.h"

namespace razo {
namespace {

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

} // namespace

std::optional<QByteArray> ReadDocumentFile(const QString& path, QString& error) {
    const QString shown = QDir::toNativeSeparators(path);
    QFile file(path);
    if (QFileInfo(path).isDir()) {
        error = Text(strings::CannotOpenFolder).arg(shown);
        return std::nullopt;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        error = Text(strings::CannotOpenFile).arg(shown, file.errorString());
        return std::nullopt;
    }
    if (file.size() > MaxDocumentBytes) {
        error = Text(strings::FileTooLarge)
                    .arg(shown)
                    .arg(file.size() / (1024 * 1024))
                    .arg(MaxDocumentBytes / (1024 * 1024));
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        error = Text(strings::CannotReadFile).arg(shown, file.errorString());
        return std::nullopt;
    }
    return bytes;
}

bool WriteDocumentFile(const QString& path, const QByteArray& bytes, QString& error) {
    QSaveFile file(path);
    const auto fail = [&] {
        error = Text(strings::CannotSaveFile).arg(QDir::toNativeSeparators(path), file.errorString());
        file.cancelWriting();
        return false;
    };
    if (!file.open(QIODevice::WriteOnly))
        return fail();
    if (file.write(bytes) != bytes.size())
        return fail();
    if (!file.commit()) {
        error = Text(strings::CannotSaveFile).arg(QDir::toNativeSeparators(path), file.errorString());
        return false;
    }
    return true;
}

} // namespace razo
