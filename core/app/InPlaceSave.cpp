#include "core/app/InPlaceSave.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "core/app/Crc32.h"
#include "core/app/FileBytes.h"
#include "core/app/PrivateFolder.h"
#include "core/app/SaveJournal.h"
#include "core/settings/FileDescriptor.h"

namespace razo {

namespace {

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

// The journal of writing into `page`, whole on the disk under `path` when this returns 0: the
// header, then the old text, whose checksum goes into the header once it is known.
int WriteJournal(int page, SaveJournal& journal, const std::string& folder, const std::string& path,
                 const DiskCalls& calls) {
    const std::string partial = path + ".tmp";
    FileDescriptor fd(::open(partial.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!fd.IsOpen())
        return errno;
    int error = WriteAll(fd.Get(), EncodeSaveJournalHeader(journal), calls.write);
    std::uint32_t crc = 0;
    if (!error)
        error = CopyFileBytes(page, 0, static_cast<off_t>(journal.oldLength), fd.Get(), calls.write, &crc);
    journal.oldCrc = crc;
    if (!error && ::lseek(fd.Get(), 0, SEEK_SET) != 0)
        error = errno;
    if (!error)
        error = WriteAll(fd.Get(), EncodeSaveJournalHeader(journal), calls.write);
    if (!error && calls.fsync(fd.Get()) != 0)
        error = errno;
    if (const int closed = fd.Close(); !error)
        error = closed;
    // Under its own name only once whole: a journal is never half a journal.
    if (!error && ::rename(partial.c_str(), path.c_str()) != 0)
        error = errno;
    if (error) {
        ::unlink(partial.c_str());
        return error;
    }
    SyncFolder(folder);
    return 0;
}

void RemoveJournal(const std::string& path, const std::string& folder) {
    ::unlink(path.c_str());
    SyncFolder(folder);
}

bool SameFile(const FileStamp& a, const FileStamp& b) {
    return a.exists && b.exists && a.device == b.device && a.inode == b.inode;
}

} // namespace

int PutOldTextBack(int page, int journal, std::uint64_t offset, std::uint64_t length) {
    if (::lseek(page, 0, SEEK_SET) != 0)
        return errno;
    if (const int error = CopyFileBytes(journal, static_cast<off_t>(offset), static_cast<off_t>(length), page,
                                        DiskCalls::System().write))
        return error;
    if (::ftruncate(page, static_cast<off_t>(length)) != 0 || ::fsync(page) != 0)
        return errno;
    return 0;
}

SaveOutcome WriteIntoFile(const std::string& target, const std::vector<std::string_view>& pieces,
                          const FileStamp& expected, const SaveOptions& options, const DiskCalls& calls,
                          const ProcessIdentity& self) {
    SaveOutcome outcome;
    outcome.inPlace = true;
    const auto fail = [&outcome](int error) {
        outcome.error = error;
        return outcome;
    };
    const auto changed = [&outcome] {
        outcome.changed = true;
        return outcome;
    };
    if (options.backupFolder.empty())
        return fail(EACCES);
    const PrivateFolder folder = PreparePrivateFolder(options.backupFolder);
    outcome.foreignBackupFolder = folder.status == PrivateFolder::Foreign;
    if (folder.status != PrivateFolder::Ready)
        return fail(folder.error);
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
    if (StampFrom(info) != expected)
        return changed();

    SaveJournal journal;
    journal.path = target;
    journal.device = static_cast<std::uint64_t>(info.st_dev);
    journal.inode = static_cast<std::uint64_t>(info.st_ino);
    journal.oldLength = static_cast<std::uint64_t>(info.st_size);
    for (const std::string_view piece : pieces) {
        journal.newLength += piece.size();
        journal.newCrc = Crc32(piece, journal.newCrc);
    }
    const std::string journalPath =
        (std::filesystem::path(options.backupFolder) / SaveJournalFileName(self, NextSerial())).string();
    if (const int error = WriteJournal(fd.Get(), journal, options.backupFolder, journalPath, calls))
        return fail(error);

    // The last look before the first byte is overwritten: the file the page knew, under its name.
    if (::fstat(fd.Get(), &info) != 0 || StampFrom(info) != expected ||
        !SameFile(StampOf(target), StampFrom(info))) {
        RemoveJournal(journalPath, options.backupFolder);
        return changed();
    }
    const auto oldSize = static_cast<off_t>(journal.oldLength);
    const auto newSize = static_cast<off_t>(journal.newLength);
    // Room for the longer text is taken before a byte of the old one is overwritten.
    if (newSize > oldSize) {
        const int error = calls.allocate(fd.Get(), 0, newSize);
        if (error != 0 && error != EOPNOTSUPP && error != EINVAL) {
            // The file is its old text again only once what the allocation added is cut off.
            if (::ftruncate(fd.Get(), oldSize) == 0)
                RemoveJournal(journalPath, options.backupFolder);
            else
                outcome.keptBackup = journalPath;
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
    struct stat written {};
    if (!error && ::fstat(fd.Get(), &written) != 0)
        error = errno;
    if (error) {
        FileDescriptor copy(::open(journalPath.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
        const std::uint64_t headerSize = EncodeSaveJournalHeader(journal).size();
        if (copy.IsOpen() && PutOldTextBack(fd.Get(), copy.Get(), headerSize, journal.oldLength) == 0)
            RemoveJournal(journalPath, options.backupFolder);
        else
            outcome.keptBackup = journalPath;
        return fail(error);
    }
    // Replaced by another program while it was written: the text went into a file without a name.
    const bool replaced = !SameFile(StampOf(target), StampFrom(info));
    RemoveJournal(journalPath, options.backupFolder);
    if (replaced)
        return changed();
    outcome.saved = true;
    outcome.stamp = StampFrom(written);
    return outcome;
}

} // namespace razo
