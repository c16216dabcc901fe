#pragma once
// Large pages for benchmarks: a piece of markup written again and again to the size wanted.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <algorithm>

namespace razo::bench {

inline constexpr qint64 kMiB = 1024 * 1024;

// Writes `chunk` over and over until the file holds `bytes` (the last copy cut short).
inline bool WriteRepeated(const QString& path, const QByteArray& chunk, qint64 bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || chunk.isEmpty())
        return false;
    for (qint64 written = 0; written < bytes;) {
        const qint64 size = std::min<qint64>(chunk.size(), bytes - written);
        if (file.write(chunk.constData(), size) != size)
            return false;
        written += size;
    }
    return true;
}

} // namespace razo::bench
