#pragma once
// An open file descriptor that is closed when it goes out of scope, and the folder sync that
// makes a rename durable.
#include <cerrno>
#include <fcntl.h>
#include <string>
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

// Makes a rename or a new name in the folder durable; a failure here does not undo the write.
inline void SyncFolder(const std::string& folder) {
    const FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.IsOpen())
        ::fsync(fd.Get());
}

} // namespace razo
