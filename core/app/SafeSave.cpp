#include "core/app/SafeSave.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "core/app/FilePaths.h"
#include "core/settings/FileDescriptor.h"

namespace razo {

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kCopyPiece = 1 << 20;

std::string ResolveLinks(const std::string& path) {
    std::error_code error;
    if (fs::is_symlink(path, error)) {
        const fs::path target = fs::weakly_canonical(path, error);
        if (!error)
            return target.string();
    }
    return path;
}

std::string UniqueSuffix() {
    static std::atomic<unsigned> counter{0};
    return std::to_string(::getpid()) + "-" + std::to_string(counter++);
}

int WritePieces(const DiskCalls& calls, int fd, const std::vector<std::string_view>& pieces) {
    for (const std::string_view piece : pieces)
        if (const int error = WriteAll(fd, piece, calls.write))
            return error;
    return 0;
}

// Copies `size` bytes from the start of `from` to the current position of `to`. 0 or an errno.
int CopyBytes(int from, int to, off_t size, const DiskCalls& calls) {
    std::string piece(kCopyPiece, '\0');
    for (off_t done = 0; done < size;) {
        const auto wanted =
            static_cast<std::size_t>(std::min<off_t>(static_cast<off_t>(piece.size()), size - done));
        const ssize_t got = ::pread(from, piece.data(), wanted, done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return errno;
        if (got == 0)
            return EIO; // the file became shorter while it was copied
        if (const int error =
                WriteAll(to, std::string_view(piece.data(), static_cast<std::size_t>(got)), calls.write))
            return error;
        done += got;
    }
    return 0;
}

enum class Attempt { Saved, Failed, WriteInPlace };

// The atomic way: a temporary file beside the target, synced, then renamed over it.
Attempt ReplaceByRename(const std::string& target, const struct stat* old,
                        const std::vector<std::string_view>& pieces, const DiskCalls& calls, int& error) {
    const fs::path name(target);
    const std::string temporary =
        (name.parent_path() / ("." + name.filename().string() + ".razo-" + UniqueSuffix() + ".tmp")).string();
    FileDescriptor fd(
        ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, old ? 0600 : 0666));
    if (!fd.IsOpen()) {
        error = errno;
        // A folder that takes no new name may still let the file itself be written.
        return old && (error == EACCES || error == EPERM) ? Attempt::WriteInPlace : Attempt::Failed;
    }
    const auto discard = [&](Attempt attempt, int cause) {
        fd.Close();
        ::unlink(temporary.c_str());
        error = cause;
        return attempt;
    };
    if (old) {
        struct stat made {};
        if (::fstat(fd.Get(), &made) != 0)
            return discard(Attempt::Failed, errno);
        // The new file must belong to whom the old one did; where it cannot, the old file is
        // written instead of replaced.
        if ((made.st_uid != old->st_uid || made.st_gid != old->st_gid) &&
            ::fchown(fd.Get(), old->st_uid, old->st_gid) != 0)
            return discard(Attempt::WriteInPlace, 0);
        if (::fchmod(fd.Get(), old->st_mode & 07777) != 0)
            return discard(Attempt::Failed, errno);
    }
    if (const int cause = WritePieces(calls, fd.Get(), pieces))
        return discard(Attempt::Failed, cause);
    if (calls.fsync(fd.Get()) != 0)
        return discard(Attempt::Failed, errno);
    if (const int cause = fd.Close()) {
        ::unlink(temporary.c_str());
        error = cause;
        return Attempt::Failed;
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        error = errno;
        ::unlink(temporary.c_str());
        // A sticky folder lets only a file's owner replace it; writing into it may still be allowed.
        return old && (error == EPERM || error == EACCES) ? Attempt::WriteInPlace : Attempt::Failed;
    }
    SyncFolder(FolderOf(target));
    return Attempt::Saved;
}

// Puts the backup's bytes back into the file. It needs no room the file did not have before.
bool RestoreFromBackup(int fd, const std::string& backup, off_t oldSize) {
    FileDescriptor copy(::open(backup.c_str(), O_RDONLY | O_CLOEXEC));
    if (!copy.IsOpen() || ::lseek(fd, 0, SEEK_SET) != 0)
        return false;
    return CopyBytes(copy.Get(), fd, oldSize, DiskCalls::System()) == 0 && ::ftruncate(fd, oldSize) == 0 &&
           ::fsync(fd) == 0;
}

// Writes into the existing file, keeping a synced copy of its old text until the new text is on
// the disk, so that a failure or a kill at any moment leaves one of them whole.
SaveOutcome WriteIntoFile(const std::string& target, const std::vector<std::string_view>& pieces,
                          const SaveOptions& options, const DiskCalls& calls) {
    SaveOutcome outcome;
    outcome.inPlace = true;
    const auto fail = [&outcome](int error) {
        outcome.error = error;
        return outcome;
    };
    if (options.backupFolder.empty())
        return fail(EACCES);
    FileDescriptor fd(::open(target.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    if (!fd.IsOpen())
        return fail(errno);
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0)
        return fail(errno);
    if (!S_ISREG(info.st_mode)) {
        outcome.notRegular = true;
        return fail(0);
    }
    const off_t oldSize = info.st_size;

    std::error_code ignored;
    fs::create_directories(options.backupFolder, ignored);
    const std::string backup = (fs::path(options.backupFolder) /
                                (fs::path(target).filename().string() + "." + UniqueSuffix() + ".old"))
                                   .string();
    {
        FileDescriptor copy(
            ::open(backup.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
        if (!copy.IsOpen())
            return fail(errno);
        int error = CopyBytes(fd.Get(), copy.Get(), oldSize, calls);
        if (!error && calls.fsync(copy.Get()) != 0)
            error = errno;
        if (const int closed = copy.Close(); !error)
            error = closed;
        if (error) {
            ::unlink(backup.c_str());
            return fail(error);
        }
        SyncFolder(options.backupFolder);
    }

    off_t newSize = 0;
    for (const std::string_view piece : pieces)
        newSize += static_cast<off_t>(piece.size());
    // Room for the longer text is taken before a byte of the old one is overwritten.
    if (newSize > oldSize) {
        const int error = calls.allocate(fd.Get(), 0, newSize);
        if (error != 0 && error != EOPNOTSUPP && error != EINVAL) {
            // The file is its old text again only once what the allocation added is cut off.
            if (::ftruncate(fd.Get(), oldSize) == 0)
                ::unlink(backup.c_str());
            else
                outcome.keptBackup = backup;
            return fail(error);
        }
    }
    int error = ::lseek(fd.Get(), 0, SEEK_SET) == 0 ? 0 : errno;
    if (!error)
        error = WritePieces(calls, fd.Get(), pieces);
    if (!error && newSize < oldSize && ::ftruncate(fd.Get(), newSize) != 0)
        error = errno;
    if (!error && calls.fsync(fd.Get()) != 0)
        error = errno;
    if (error) {
        if (RestoreFromBackup(fd.Get(), backup, oldSize))
            ::unlink(backup.c_str());
        else
            outcome.keptBackup = backup;
        return fail(error);
    }
    fd.Close();
    ::unlink(backup.c_str());
    outcome.saved = true;
    return outcome;
}

} // namespace

const DiskCalls& DiskCalls::System() {
    static const DiskCalls calls{
        [](int fd, const void* data, std::size_t size) { return ::write(fd, data, size); },
        [](int fd) { return ::fsync(fd); },
        [](int fd, off_t offset, off_t length) { return ::posix_fallocate(fd, offset, length); },
    };
    return calls;
}

SaveOutcome SaveFileSafely(const std::string& path, const std::vector<std::string_view>& pieces,
                           const SaveOptions& options) {
    const DiskCalls& calls = options.calls ? *options.calls : DiskCalls::System();
    SaveOutcome outcome;
    const std::string target = ResolveLinks(path);
    struct stat info {};
    const bool exists = ::stat(target.c_str(), &info) == 0;
    if (!exists && errno != ENOENT) {
        outcome.error = errno;
        return outcome;
    }
    if (exists && S_ISDIR(info.st_mode)) {
        outcome.error = EISDIR;
        return outcome;
    }
    if (exists && !S_ISREG(info.st_mode)) {
        outcome.notRegular = true;
        return outcome;
    }
    // A file the user may not write is not replaced either, although the folder would allow it.
    if (exists && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
        outcome.error = errno;
        return outcome;
    }
    // Replacing a file with more than one name would leave the other names with the old text.
    if (!exists || info.st_nlink <= 1) {
        int error = 0;
        switch (ReplaceByRename(target, exists ? &info : nullptr, pieces, calls, error)) {
        case Attempt::Saved:
            outcome.saved = true;
            return outcome;
        case Attempt::Failed:
            outcome.error = error;
            return outcome;
        case Attempt::WriteInPlace:
            break;
        }
    }
    return WriteIntoFile(target, pieces, options, calls);
}

} // namespace razo
