#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

namespace razo {

// The system calls through which a save puts bytes on the disk. Tests replace them to make the
// disk fill up at a chosen moment; every other call is the system's own.
struct DiskCalls {
    std::function<ssize_t(int fd, const void* data, std::size_t size)> write;
    std::function<int(int fd)> fsync;
    // posix_fallocate: returns 0 or an errno value.
    std::function<int(int fd, off_t offset, off_t length)> allocate;

    static const DiskCalls& System();
};

struct SaveOptions {
    // Where a save that must write into the existing file keeps a synced copy of the old text
    // until the new text is on the disk. Created when missing.
    std::string backupFolder;
    const DiskCalls* calls = nullptr; // nullptr: the system's
};

struct SaveOutcome {
    bool saved = false;
    int error = 0;           // errno of the step that failed
    bool notRegular = false; // the name belongs to a folder, FIFO or device
    bool inPlace = false;    // the existing file was written over rather than replaced
    // Set when a failed write into the existing file could not put the old text back: the old
    // text is kept in this copy.
    std::string keptBackup;
};

// Writes `pieces`, one after the other, as the whole content of the file at `path` (a byte path).
// The file is never left truncated or half-written: either the old or the new text is in it, or
// (after a failure while writing into the file itself) in the backup copy named in the outcome.
//
// A new file, or one whose replacement keeps everything the old one had, is written to a
// temporary file beside it that is synced and renamed over it. Where a rename would lose
// something (a second hard link, an owner or group the new file cannot get) or is impossible (no
// temporary file allowed in the folder), the new text is written into the existing file, after
// a complete synced copy of the old text was made in the backup folder. Symbolic links stay
// links (their target is written) and permission bits are kept.
SaveOutcome SaveFileSafely(const std::string& path, const std::vector<std::string_view>& pieces,
                           const SaveOptions& options);

} // namespace razo
