#pragma once
// The small pieces every careful file write is made of: a descriptor closed when it goes out of
// scope, a write that goes on until all is written, and the folder sync that makes a rename
// durable.
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <string_view>
#include <unistd.h>

namespace razo {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() { Close(); }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int Get() const { return m_fd; }
    bool IsOpen() const { return m_fd >= 0; }
    // 0, or the errno of a close that failed (a late write error on some file systems).
    int Close() {
        if (m_fd < 0)
            return 0;
        const int result = ::close(m_fd);
        m_fd = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int m_fd;
};

// Writes all of `bytes` with `write` (::write, or a failing one in tests). 0, or the errno of the
// write that failed.
template <typename Write> int WriteAll(int fd, std::string_view bytes, const Write& write) {
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return errno;
        if (written == 0)
            return EIO;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

inline int WriteAll(int fd, std::string_view bytes) {
    return WriteAll(fd, bytes, ::write);
}

// Makes a rename or a new name in the folder durable; a failure here does not undo the write.
inline void SyncFolder(const std::string& folder) {
    const FileDescriptor fd(
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.IsOpen())
        ::fsync(fd.Get());
}

} // namespace razo
