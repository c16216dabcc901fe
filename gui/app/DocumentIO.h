#pragma once
#include <QByteArray>
#include <QString>
#include <optional>

namespace razo {

// Documents are read and written whole, byte for byte.

// Files above this size are refused: the editor holds the whole text in memory several times.
inline constexpr qint64 MaxDocumentBytes = 512LL * 1024 * 1024;

// The file's bytes, or nullopt with `error` saying why (for the user).
std::optional<QByteArray> ReadDocumentFile(const QString& path, QString& error);
// Writes through a temporary file renamed over the old one, so a failed write leaves the old
// file as it was. False with `error` saying why.
bool WriteDocumentFile(const QString& path, const QByteArray& bytes, QString& error);

} // namespace razo
