#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

#include "core/settings/AtomicFile.h"

namespace razo {

class ProcessTable;

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
    // Where a save that must write into the existing file keeps a journal with the old text
    // until the new text is on the disk (see SaveJournal). Made when missing; used only while it
    // is the user's own and closed to everybody else.
    std::string backupFolder;
    const DiskCalls* calls = nullptr; // nullptr: the system's
    // The file the page knows (`exists` false: none). Anything else found under the name, up to
    // the moment the new text takes it, is left alone and the outcome says `changed`. Nullopt:
    // the file as the save finds it.
    std::optional<FileStamp> expected;
    const ProcessTable* processes = nullptr; // nullptr: the system's
};

struct SaveOutcome {
    bool saved = false;
    FileStamp stamp;         // of the file as it was saved
    int error = 0;           // errno of the step that failed
    bool notRegular = false; // the name belongs to a folder, FIFO or device
    bool inPlace = false;    // the existing file was written over rather than replaced
    // Another program changed, replaced or made the file since the page knew it: nothing of it
    // was overwritten.
    bool changed = false;
    // The backup folder is another user's, or not a folder: nothing was written.
    bool foreignBackupFolder = false;
    // Set when a failed write into the existing file could not put the old text back: the
    // journal that keeps it, offered back when the program next starts.
    std::string keptBackup;
};

// Writes `pieces`, one after the other, as the whole content of the file at `path` (a byte path).
// The file is never left truncated or half-written without its old text kept: either the old or
// the new text is in it, or (after a failure or a kill while writing into the file itself) the
// old text is in a journal in the backup folder (see UnfinishedSaves).
//
// A new file, or one whose replacement keeps everything the old one had, is written to a
// temporary file beside it, synced, and then swapped with the file in one step, which hands
// back the file that was there to be checked against the one expected (where the file system
// cannot swap, the check comes just before the rename). Temporary files that killed saves left
// in the folder are removed first. Where a rename would lose something (a second hard link, an
// owner or group the new file cannot get) or is impossible (no temporary file allowed in the
// folder), the new text is written into the existing file (see WriteIntoFile). Symbolic links
// stay links (their target is written) and permission bits are kept.
SaveOutcome SaveFileSafely(const std::string& path, const std::vector<std::string_view>& pieces,
                           const SaveOptions& options);

} // namespace razo
