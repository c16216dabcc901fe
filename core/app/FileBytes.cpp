#include "core/app/FileBytes.h"

#include <algorithm>
#include <cerrno>
#include <string>
#include <unistd.h>

#include "core/app/Crc32.h"
#include "core/settings/FileDescriptor.h"

namespace razo {

namespace {

constexpr off_t kPiece = 1 << 20;

} // namespace

int ReadFileBytes(int fd, off_t offset, off_t length, const std::function<int(std::string_view)>& piece) {
    std::string buffer(static_cast<std::size_t>(std::min(kPiece, std::max<off_t>(length, 1))), '\0');
    for (off_t done = 0; done < length;) {
        const auto wanted = static_cast<std::size_t>(std::min<off_t>(kPiece, length - done));
        const ssize_t got = ::pread(fd, buffer.data(), wanted, offset + done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return errno;
        if (got == 0)
            return EIO; // the file is shorter than it should be
        if (const int error = piece(std::string_view(buffer.data(), static_cast<std::size_t>(got))))
            return error;
        done += got;
    }
    return 0;
}

int CopyFileBytes(int from, off_t offset, off_t length, int to, const WriteCall& write, std::uint32_t* crc) {
    return ReadFileBytes(from, offset, length, [&](std::string_view bytes) {
        if (crc)
            *crc = Crc32(bytes, *crc);
        return WriteAll(to, bytes, write);
    });
}

int ChecksumFileBytes(int fd, off_t offset, off_t length, std::uint32_t& crc,
                      const std::function<bool(off_t done)>& progress) {
    crc = 0;
    off_t done = 0;
    return ReadFileBytes(fd, offset, length, [&](std::string_view bytes) {
        crc = Crc32(bytes, crc);
        done += static_cast<off_t>(bytes.size());
        return !progress || progress(done) ? 0 : ECANCELED;
    });
}

} // namespace razo
