#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <sys/stat.h>

namespace razo {

// Identifies one version of a file cheaply: a file replaced by rename gets a new inode, so a
// change is seen even when size and time happen to match.
struct FileStamp {
    bool exists = false;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedNs = 0;
    bool operator==(const FileStamp&) const = default;
};

struct FileSnapshot {
    std::string bytes;
    FileStamp stamp;         // of the very file the bytes were read from
    int error = 0;           // errno when the file exists but could not be read
    bool notRegular = false; // a FIFO, device or folder has the name: nothing was read
};

FileStamp StampOf(const std::string& path);
// The stamp of a file the system described (stat, fstat).
FileStamp StampFrom(const struct stat& info);
// A missing or unreadable file reads as empty. Never blocks: a FIFO is not opened.
FileSnapshot ReadSnapshot(const std::string& path);

// Where WriteAtomically puts the new text before it replaces the file.
std::string TemporaryPathFor(const std::string& path);

// Removes the temporary files that writers of `path` left when they were killed mid-write:
// those of processes that no longer run, and any older than an hour (whose number another
// process may have taken since). Returns how many were removed.
int RemoveStaleTemporaries(const std::string& path);

// Writes a temporary file beside `path`, flushes it to the disk and renames it over `path`, so
// the file is always either the old or the new text. Creates the folder when missing, keeps
// the old file's permissions and writes through a symbolic link to its target. Returns the
// stamp of the new file, or nullopt when nothing was changed.
std::optional<FileStamp> WriteAtomically(const std::string& path, std::string_view bytes);

} // namespace razo
