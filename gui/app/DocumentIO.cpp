#include "app/DocumentIO.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace razo {

std::optional<QByteArray> ReadDocumentFile(const QString& path, QString& error) {
    const QString shown = QDir::toNativeSeparators(path);
    QFile file(path);
    if (QFileInfo(path).isDir()) {
        error = QStringLiteral("Cannot open %1.\n\nIt is a folder, not a file.").arg(shown);
        return std::nullopt;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("Cannot open %1.\n\n%2").arg(shown, file.errorString());
        return std::nullopt;
    }
    if (file.size() > MaxDocumentBytes) {
        error = QStringLiteral("Cannot open %1.\n\nThe file is %2 MB; Razo opens files of up to %3 MB.")
                    .arg(shown)
                    .arg(file.size() / (1024 * 1024))
                    .arg(MaxDocumentBytes / (1024 * 1024));
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        error = QStringLiteral("Cannot read %1.\n\n%2").arg(shown, file.errorString());
        return std::nullopt;
    }
    return bytes;
}

bool WriteDocumentFile(const QString& path, const QByteArray& bytes, QString& error) {
    QSaveFile file(path);
    const auto fail = [&] {
        error =
            QStringLiteral("Cannot save %1.\n\n%2").arg(QDir::toNativeSeparators(path), file.errorString());
        file.cancelWriting();
        return false;
    };
    if (!file.open(QIODevice::WriteOnly))
        return fail();
    if (file.write(bytes) != bytes.size())
        return fail();
    if (!file.commit()) {
        error =
            QStringLiteral("Cannot save %1.\n\n%2").arg(QDir::toNativeSeparators(path), file.errorString());
        return false;
    }
    return true;
}

} // namespace razo
