#include "settings/AtomicFile.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace razo {

namespace fs = std::filesystem;

namespace {

FileStamp StampFrom(const struct stat& info) {
    return FileStamp{true, static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino),
                     static_cast<std::int64_t>(info.st_size),
                     static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// Makes the rename itself durable; a failure here does not undo the write.
void SyncFolder(const fs::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

fs::path ResolveLink(const std::string& path) {
    std::error_code error;
    if (fs::is_symlink(path, error)) {
        const fs::path target = fs::weakly_canonical(path, error);
        if (!error)
            return target;
    }
    return path;
}

} // namespace

FileStamp StampOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return {};
    return StampFrom(info);
}

FileSnapshot ReadSnapshot(const std::string& path) {
    FileSnapshot snapshot;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return snapshot;
    struct stat info {};
    if (::fstat(fd, &info) == 0) {
        snapshot.stamp = StampFrom(info);
        if (S_ISREG(info.st_mode)) {
            char buffer[65536];
            for (;;) {
                const ssize_t got = ::read(fd, buffer, sizeof buffer);
                if (got < 0 && errno == EINTR)
                    continue;
                if (got <= 0)
                    break;
                snapshot.bytes.append(buffer, static_cast<size_t>(got));
            }
        }
    }
    ::close(fd);
    return snapshot;
}

std::string TemporaryPathFor(const std::string& path) {
    return path + "." + std::to_string(::getpid()) + ".tmp";
}

std::optional<FileStamp> WriteAtomically(const std::string& path, std::string_view bytes) {
    const fs::path target = ResolveLink(path);
    std::error_code error;
    if (target.has_parent_path())
        fs::create_directories(target.parent_path(), error);

    struct stat old {};
    const bool hadFile = ::stat(target.c_str(), &old) == 0;
    const mode_t mode = hadFile ? (old.st_mode & 07777) : 0666;

    // A temporary left by a crashed run is replaced; anything else in the way fails the write.
    const std::string temporary = TemporaryPathFor(target.string());
    ::unlink(temporary.c_str());
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd < 0)
        return std::nullopt;
    bool ok = WriteAll(fd, bytes);
    if (ok && hadFile)
        ::fchmod(fd, mode);
    ok = ok && ::fsync(fd) == 0;
    struct stat written {};
    ok = ok && ::fstat(fd, &written) == 0;
    ok = (::close(fd) == 0) && ok;
    if (!ok || ::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return std::nullopt;
    }
    SyncFolder(target.parent_path());
    return StampFrom(written);
}

} // namespace razo
