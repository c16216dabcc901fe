#include "core/settings/AtomicFile.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "core/settings/FileDescriptor.h"

namespace razo {

namespace fs = std::filesystem;

namespace {

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

FileStamp StampFrom(const struct stat& info) {
    return FileStamp{true, static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino),
                     static_cast<std::int64_t>(info.st_size),
                     static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}

FileStamp StampOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return {};
    return StampFrom(info);
}

FileSnapshot ReadSnapshot(const std::string& path) {
    FileSnapshot snapshot;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        if (errno != ENOENT)
            snapshot.error = errno;
        return snapshot;
    }
    snapshot.stamp = StampFrom(info);
    if (!S_ISREG(info.st_mode)) {
        snapshot.notRegular = true;
        return snapshot;
    }
    // Without blocking, in case the name became a FIFO since it was looked at.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        snapshot.error = errno;
        return snapshot;
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        snapshot.notRegular = true;
        ::close(fd);
        return snapshot;
    }
    snapshot.stamp = StampFrom(info);
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            snapshot.error = errno;
            snapshot.bytes.clear();
            break;
        }
        if (got == 0)
            break;
        snapshot.bytes.append(buffer, static_cast<size_t>(got));
    }
    ::close(fd);
    return snapshot;
}

std::string TemporaryPathFor(const std::string& path) {
    return path + "." + std::to_string(::getpid()) + ".tmp";
}

int RemoveStaleTemporaries(const std::string& path) {
    const fs::path target = ResolveLink(path);
    const std::string prefix = target.filename().string() + ".";
    const std::string suffix = ".tmp";
    const auto now = fs::file_time_type::clock::now();
    int removed = 0;
    std::error_code error;
    for (fs::directory_iterator it(target.has_parent_path() ? target.parent_path() : fs::path("."), error),
         end;
         !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.size() <= prefix.size() + suffix.size() || name.compare(0, prefix.size(), prefix) != 0 ||
            name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
            continue;
        const std::string digits = name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
        if (digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos)
            continue;
        std::error_code ignored;
        if (!it->is_regular_file(ignored) || it->is_symlink(ignored))
            continue;
        const auto pid = static_cast<pid_t>(std::stol(digits));
        const bool writerGone = pid != ::getpid() && ::kill(pid, 0) != 0 && errno == ESRCH;
        const auto written = it->last_write_time(ignored);
        const bool old = !ignored && now - written > std::chrono::hours(1);
        if ((writerGone || old) && fs::remove(it->path(), ignored))
            ++removed;
    }
    return removed;
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
    bool ok = WriteAll(fd, bytes) == 0;
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
    SyncFolder(target.parent_path().string());
    return StampFrom(written);
}

} // namespace razo
