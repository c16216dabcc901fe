#include "core/app/SafeSave.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "core/app/FilePaths.h"
#include "core/app/InPlaceSave.h"
#include "core/app/ProcessIdentity.h"
#include "core/app/SaveTemporaries.h"
#include "core/settings/FileDescriptor.h"

namespace razo {

namespace {

namespace fs = std::filesystem;

std::string ResolveLinks(const std::string& path) {
    std::error_code error;
    if (fs::is_symlink(path, error)) {
        const fs::path target = fs::weakly_canonical(path, error);
        if (!error)
            return target.string();
    }
    return path;
}

unsigned NextSerial() {
    static std::atomic<unsigned> serial{0};
    return serial++;
}

int WritePieces(const DiskCalls& calls, int fd, const std::vector<std::string_view>& pieces) {
    for (const std::string_view piece : pieces)
        if (const int error = WriteAll(fd, piece, calls.write))
            return error;
    return 0;
}

enum class Attempt { Saved, Failed, Changed, WriteInPlace };

bool CannotSwap(int error) {
    return error == EINVAL || error == ENOSYS || error == EOPNOTSUPP;
}

// Gives `target` the temporary's text, provided the file under that name is still `expected`.
// A swap of the two names checks the very file it displaces; where the file system cannot swap,
// the name is looked at just before the rename. 0 (with `changed` set when the name was left to
// another file), or an errno.
int TakeName(const std::string& temporary, const std::string& target, const FileStamp& expected,
             bool& changed) {
    if (!expected.exists) {
        // A file that appeared meanwhile is never replaced.
        if (::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0)
            return 0;
        if (errno == EEXIST) {
            changed = true;
            return 0;
        }
    } else if (::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, target.c_str(), RENAME_EXCHANGE) == 0) {
        // The file displaced is now under the temporary name.
        if (StampOf(temporary) == expected) {
            ::unlink(temporary.c_str()); // the old text
            return 0;
        }
        // Another program put its file there meanwhile: it gets its name back.
        changed = true;
        if (::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, target.c_str(), RENAME_EXCHANGE) != 0)
            ::rename(temporary.c_str(), target.c_str());
        return 0;
    } else if (errno == ENOENT) {
        changed = true; // deleted or renamed meanwhile
        return 0;
    }
    if (!CannotSwap(errno))
        return errno;
    if (StampOf(target) != expected) {
        changed = true;
        return 0;
    }
    return ::rename(temporary.c_str(), target.c_str()) == 0 ? 0 : errno;
}

// The atomic way: a temporary file beside the target, synced, then given the target's name.
Attempt ReplaceByRename(const std::string& target, const struct stat* old, const FileStamp& expected,
                        const std::vector<std::string_view>& pieces, const DiskCalls& calls,
                        const ProcessIdentity& self, int& error, FileStamp& saved) {
    const std::string temporary = SaveTemporaryPath(target, self, NextSerial());
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
    struct stat written {};
    if (calls.fsync(fd.Get()) != 0 || ::fstat(fd.Get(), &written) != 0)
        return discard(Attempt::Failed, errno);
    saved = StampFrom(written);
    if (const int cause = fd.Close()) {
        ::unlink(temporary.c_str());
        error = cause;
        return Attempt::Failed;
    }
    bool changed = false;
    error = TakeName(temporary, target, expected, changed);
    if (error || changed) {
        ::unlink(temporary.c_str());
        // A sticky folder lets only a file's owner replace it; writing into it may still be allowed.
        if (old && (error == EPERM || error == EACCES))
            return Attempt::WriteInPlace;
        return changed ? Attempt::Changed : Attempt::Failed;
    }
    SyncFolder(FolderOf(target));
    return Attempt::Saved;
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
    const ProcessTable& processes = options.processes ? *options.processes : ProcessTable::System();
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
    const FileStamp found = exists ? StampFrom(info) : FileStamp{};
    const FileStamp expected = options.expected.value_or(found);
    if (found != expected) {
        outcome.changed = true;
        return outcome;
    }
    // A file the user may not write is not replaced either, although the folder would allow it.
    if (exists && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
        outcome.error = errno;
        return outcome;
    }
    RemoveStaleSaveTemporaries(FolderOf(target), processes);
    const ProcessIdentity self = CurrentProcess(processes);
    // Replacing a file with more than one name would leave the other names with the old text.
    if (!exists || info.st_nlink <= 1) {
        int error = 0;
        switch (ReplaceByRename(target, exists ? &info : nullptr, expected, pieces, calls, self, error,
                                outcome.stamp)) {
        case Attempt::Saved:
            outcome.saved = true;
            return outcome;
        case Attempt::Failed:
            outcome.error = error;
            return outcome;
        case Attempt::Changed:
            outcome.changed = true;
            return outcome;
        case Attempt::WriteInPlace:
            break;
        }
    }
    return WriteIntoFile(target, pieces, expected, options, calls, self);
}

} // namespace razo
