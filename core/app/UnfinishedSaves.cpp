#include "core/app/UnfinishedSaves.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

#include "core/app/FileBytes.h"
#include "core/app/FilePaths.h"
#include "core/app/InPlaceSave.h"
#include "core/app/PrivateFolder.h"
#include "core/settings/FileDescriptor.h"

namespace razo {

namespace {

namespace fs = std::filesystem;

// A header is a few lines; anything longer is not one.
constexpr std::size_t kHeaderLimit = 64 * 1024;

std::optional<UnfinishedSave> ReadJournal(const std::string& file) {
    FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat info {};
    if (!fd.IsOpen() || ::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode) || !IsUsersOwn(info))
        return std::nullopt;
    std::string head(kHeaderLimit, '\0');
    const ssize_t got = ::pread(fd.Get(), head.data(), head.size(), 0);
    if (got <= 0)
        return std::nullopt;
    head.resize(static_cast<std::size_t>(got));
    const auto parsed = ParseSaveJournalHeader(head);
    // Cut short or grown: not the journal that was made.
    if (!parsed || static_cast<std::uint64_t>(info.st_size) != parsed->headerSize + parsed->journal.oldLength)
        return std::nullopt;
    return UnfinishedSave{file, parsed->journal, parsed->headerSize};
}

enum class PageState { Unfinished, Whole, Gone };

// Whether the file still needs its journal: it holds neither text the journal knows of.
PageState StateOf(const SaveJournal& journal) {
    FileDescriptor fd(::open(journal.path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat info {};
    if (!fd.IsOpen() || ::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode) ||
        static_cast<std::uint64_t>(info.st_dev) != journal.device ||
        static_cast<std::uint64_t>(info.st_ino) != journal.inode)
        return PageState::Gone;
    const auto size = static_cast<std::uint64_t>(info.st_size);
    if (size != journal.newLength && size != journal.oldLength)
        return PageState::Unfinished;
    std::uint32_t crc = 0;
    if (ChecksumFileBytes(fd.Get(), 0, info.st_size, crc) != 0)
        return PageState::Unfinished;
    const bool isNew = size == journal.newLength && crc == journal.newCrc;
    const bool isOld = size == journal.oldLength && crc == journal.oldCrc;
    return isNew || isOld ? PageState::Whole : PageState::Unfinished;
}

bool IsOfPage(const SaveJournal& journal, const std::string& page) {
    struct stat info {};
    return journal.path == page ||
           (::stat(page.c_str(), &info) == 0 && static_cast<std::uint64_t>(info.st_dev) == journal.device &&
            static_cast<std::uint64_t>(info.st_ino) == journal.inode);
}

void Remove(const std::string& file) {
    ::unlink(file.c_str());
    SyncFolder(FolderOf(file));
}

} // namespace

std::vector<UnfinishedSave> FindUnfinishedSaves(const std::string& folder, const std::string& page,
                                                const ProcessTable& table) {
    std::vector<UnfinishedSave> saves;
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0 || PreparePrivateFolder(folder).status != PrivateFolder::Ready)
        return saves;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string file = it->path().string();
        const auto name = ParseSaveJournalFileName(it->path().filename().string());
        if (!name || ::lstat(file.c_str(), &info) != 0 || !S_ISREG(info.st_mode) || !IsUsersOwn(info) ||
            IsRunning(name->writer, table))
            continue;
        if (!name->whole) {
            Remove(file); // its save never touched the file
            continue;
        }
        // A damaged journal can neither be trusted with the old text nor thrown away unasked.
        auto save = ReadJournal(file);
        if (!save || (!page.empty() && !IsOfPage(save->journal, page)))
            continue;
        if (StateOf(save->journal) == PageState::Unfinished)
            saves.push_back(std::move(*save));
        else
            Remove(file);
    }
    return saves;
}

int RestoreUnfinishedSave(const UnfinishedSave& save) {
    const SaveJournal& journal = save.journal;
    FileDescriptor copy(::open(save.file.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    if (!copy.IsOpen())
        return errno;
    std::uint32_t crc = 0;
    const int checked = ChecksumFileBytes(copy.Get(), static_cast<off_t>(save.headerSize),
                                          static_cast<off_t>(journal.oldLength), crc);
    if (checked != 0)
        return checked;
    if (crc != journal.oldCrc)
        return EIO;
    FileDescriptor page(
        ::open(journal.path.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat info {};
    if (!page.IsOpen())
        return errno;
    if (::fstat(page.Get(), &info) != 0 || !S_ISREG(info.st_mode) ||
        static_cast<std::uint64_t>(info.st_dev) != journal.device ||
        static_cast<std::uint64_t>(info.st_ino) != journal.inode)
        return ESTALE;
    if (const int error = PutOldTextBack(page.Get(), copy.Get(), save.headerSize, journal.oldLength))
        return error;
    Remove(save.file);
    return 0;
}

void DismissUnfinishedSave(const UnfinishedSave& save) {
    Remove(save.file);
}

} // namespace razo
