#include "core/app/DocumentReader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "core/settings/FileDescriptor.h"

namespace razo {

namespace {

ReadOutcome Refused(ReadOutcome::Status status, std::int64_t size = 0) {
    return ReadOutcome{status, 0, size};
}

ReadOutcome SystemFailure(int error) {
    return ReadOutcome{ReadOutcome::Failed, error, 0};
}

// What a file's type and size allow, before a byte is read.
std::optional<ReadOutcome> Refusal(const struct stat& info, std::int64_t limit) {
    if (S_ISDIR(info.st_mode))
        return Refused(ReadOutcome::Folder);
    if (!S_ISREG(info.st_mode))
        return Refused(ReadOutcome::NotRegular);
    if (info.st_size > limit)
        return Refused(ReadOutcome::TooLarge, info.st_size);
    return std::nullopt;
}

} // namespace

ReadOutcome ReadDocumentBytes(const std::string& path, std::int64_t limit, ReadSink& sink,
                              std::size_t pieceSize) {
    // Looked at before it is opened: opening some devices has effects of its own.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return SystemFailure(errno);
    if (auto refusal = Refusal(info, limit))
        return *refusal;

    // Without blocking: the name may have been replaced by a FIFO since.
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.Get() < 0)
        return SystemFailure(errno);
    if (::fstat(file.Get(), &info) != 0)
        return SystemFailure(errno);
    if (auto refusal = Refusal(info, limit))
        return *refusal;

    sink.Begin(info.st_size);
    std::vector<char> piece(std::max<std::size_t>(pieceSize, 1));
    std::int64_t total = 0;
    for (;;) {
        // One byte beyond the limit is enough to know the file is too large.
        const auto room = static_cast<std::size_t>(
            std::min<std::int64_t>(static_cast<std::int64_t>(piece.size()), limit + 1 - total));
        const ssize_t got = ::read(file.Get(), piece.data(), room);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return SystemFailure(errno);
        if (got == 0)
            break;
        total += got;
        if (total > limit)
            return Refused(ReadOutcome::TooLarge, total);
        sink.Append(std::string_view(piece.data(), static_cast<std::size_t>(got)));
    }
    return ReadOutcome{ReadOutcome::Read, 0, total};
}

void Utf8Check::Feed(std::string_view bytes) {
    const char* next = bytes.data();
    const char* const end = next + bytes.size();
    while (m_valid && next < end) {
        // Runs of ASCII, the bulk of a page, go eight bytes at a time.
        if (m_needed == 0) {
            std::uint64_t word = 0;
            while (end - next >= 8 && (std::memcpy(&word, next, 8), (word & 0x8080808080808080ULL) == 0))
                next += 8;
            if (next == end)
                break;
        }
        const auto byte = static_cast<unsigned char>(*next++);
        if (m_needed > 0) {
            if (byte < m_lower || byte > m_upper) {
                m_valid = false;
                return;
            }
            --m_needed;
            m_lower = 0x80;
            m_upper = 0xBF;
            continue;
        }
        if (byte < 0x80)
            continue;
        // The first continuation byte's range rules out overlong forms, surrogates and values
        // above U+10FFFF.
        if (byte >= 0xC2 && byte <= 0xDF) {
            m_needed = 1;
        } else if (byte >= 0xE0 && byte <= 0xEF) {
            m_needed = 2;
            if (byte == 0xE0)
                m_lower = 0xA0;
            else if (byte == 0xED)
                m_upper = 0x9F;
        } else if (byte >= 0xF0 && byte <= 0xF4) {
            m_needed = 3;
            if (byte == 0xF0)
                m_lower = 0x90;
            else if (byte == 0xF4)
                m_upper = 0x8F;
        } else {
            m_valid = false;
        }
    }
}

std::string SystemErrorText(int error) {
    char buffer[256];
    // The GNU strerror_r may return a static string instead of filling the buffer.
    const char* text = ::strerror_r(error, buffer, sizeof buffer);
    return text ? std::string(text) : "Error " + std::to_string(error);
}

} // namespace razo
