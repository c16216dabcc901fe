#include "core/app/RecoveryStore.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "core/app/Crc32.h"
#include "core/app/FileBytes.h"
#include "core/settings/FileDescriptor.h"

namespace razo {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kLockName = "lock";
constexpr std::string_view kPageSuffix = ".page";
constexpr std::string_view kDamagedSuffix = ".damaged";
constexpr std::string_view kTemporarySuffix = ".page.tmp";
constexpr std::string_view kLockTemporary = "lock.tmp";
constexpr std::size_t kLockLimit = 4096;
// A header is a few lines; a path and a title at most a few kilobytes each.
constexpr std::size_t kHeaderLimit = 64 * 1024;

// The first bytes (at most `limit`) of a regular file of the user's that nobody else may change,
// never through a link; nullopt for anything else. `size` is the whole file's.
std::optional<std::string> ReadOwnFileHead(const std::string& path, std::size_t limit, std::int64_t& size) {
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat info {};
    if (fd.Get() < 0 || ::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode) || !IsUsersOwn(info))
        return std::nullopt;
    size = info.st_size;
    std::string bytes(std::min<std::size_t>(limit, static_cast<std::size_t>(info.st_size)), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got =
            ::pread(fd.Get(), bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        done += static_cast<std::size_t>(got);
    }
    bytes.resize(done);
    return bytes;
}

// Writes `pieces` to `path` through a temporary file beside it; readable by the owner only.
int ReplaceFile(const std::string& folder, const std::string& path, const std::string& temporary,
                std::initializer_list<std::string_view> pieces) {
    ::unlink(temporary.c_str());
    FileDescriptor fd(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (fd.Get() < 0)
        return errno;
    int error = 0;
    for (const std::string_view piece : pieces)
        if (!error)
            error = WriteAll(fd.Get(), piece);
    if (!error && ::fsync(fd.Get()) != 0)
        error = errno;
    if (const int closed = fd.Close(); !error)
        error = closed;
    if (!error && ::rename(temporary.c_str(), path.c_str()) != 0)
        error = errno;
    if (error) {
        ::unlink(temporary.c_str());
        return error;
    }
    SyncFolder(folder);
    return 0;
}

bool EndsWith(std::string_view text, std::string_view suffix) {
    return text.size() > suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

bool AllDigits(std::string_view text) {
    return !text.empty() && text.size() <= 9 &&
           text.find_first_not_of("0123456789") == std::string_view::npos;
}

// "<digits><suffix>" names are this program's; nothing else is touched.
bool IsNumbered(std::string_view name, std::string_view suffix) {
    return EndsWith(name, suffix) && AllDigits(name.substr(0, name.size() - suffix.size()));
}

bool IsPageName(std::string_view name) {
    return IsNumbered(name, kPageSuffix);
}

bool IsDamagedName(std::string_view name) {
    return IsNumbered(name, kDamagedSuffix);
}

bool IsTemporaryName(std::string_view name) {
    return IsNumbered(name, kTemporarySuffix) || name == kLockTemporary;
}

// The user's own folder, closed to writes of others, not reached through a link.
bool IsOwnFolder(const fs::path& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && IsUsersOwn(info);
}

bool IsOwnFile(const fs::path& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && IsUsersOwn(info);
}

// "<digits>.page" becomes "<digits>.damaged" in the same folder.
std::string DamagedName(const std::string& file) {
    const fs::path path(file);
    std::string name = path.filename().string();
    if (IsPageName(name))
        name = name.substr(0, name.size() - kPageSuffix.size()) + std::string(kDamagedSuffix);
    return (path.parent_path() / name).string();
}

// The run a folder belongs to: its lock says; a folder whose lock was never made says by its name.
enum class Run { Going, Ended, Unknown };
Run RunOf(const fs::path& folder, const ProcessTable& table) {
    std::int64_t size = 0;
    const auto lock = ReadOwnFileHead((folder / kLockName).string(), kLockLimit, size);
    if (lock) {
        const auto owner = size <= static_cast<std::int64_t>(kLockLimit) ? ParseLock(*lock) : std::nullopt;
        return !owner ? Run::Unknown : IsRunning(*owner, table) ? Run::Going : Run::Ended;
    }
    std::error_code error;
    if (fs::symlink_status(folder / kLockName, error).type() != fs::file_type::not_found)
        return Run::Unknown;
    // "<run>" or "<run>-<attempt>"; a name with an attempt number reads as a boot id of digits.
    std::string name = folder.filename().string();
    auto owner = ParseRunName(name);
    if (const auto dash = name.rfind('-'); !owner && dash != std::string::npos)
        owner = ParseRunName(std::string_view(name).substr(0, dash));
    return !owner ? Run::Unknown : IsRunning(*owner, table) ? Run::Going : Run::Ended;
}

// The folders of ended runs that are the user's own.
template <typename Visit>
void ForEachEndedRun(const std::string& root, const ProcessTable& table, Visit visit) {
    std::error_code error;
    for (fs::directory_iterator it(root, error), end; !error && it != end; it.increment(error))
        if (IsOwnFolder(it->path()) && RunOf(it->path(), table) == Run::Ended)
            visit(it->path());
}

std::optional<RecoveryStore::Orphan> ReadOrphan(const fs::path& file) {
    RecoveryStore::Orphan orphan;
    orphan.file = file.string();
    std::int64_t fileSize = 0;
    const auto head = ReadOwnFileHead(orphan.file, kHeaderLimit, fileSize);
    if (!head)
        return std::nullopt;
    const auto header = ParseJournalHeader(*head);
    if (header)
        orphan.header = *header;
    orphan.damaged = !header || IsDamagedName(file.filename().string()) ||
                     static_cast<std::uint64_t>(fileSize) != header->size + header->length;
    orphan.size = orphan.damaged ? fileSize : static_cast<std::int64_t>(header->length);
    orphan.writtenAt = header ? header->page.writtenAt : 0;
    struct stat info {};
    if (!header && ::lstat(orphan.file.c_str(), &info) == 0)
        orphan.writtenAt = info.st_mtim.tv_sec;
    return orphan;
}

// Runs `body` on the open file of an orphan's text, once the file is seen to have the length its
// header gives. Its result, or an errno (EIO for a damaged file).
template <typename Body>
int WithText(const std::string& file, const RecoveryStore::Orphan& orphan, Body body) {
    const FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat info {};
    if (!fd.IsOpen() || ::fstat(fd.Get(), &info) != 0)
        return errno;
    if (orphan.damaged || !S_ISREG(info.st_mode) ||
        static_cast<std::uint64_t>(info.st_size) != orphan.header.size + orphan.header.length)
        return EIO;
    return body(fd.Get());
}

} // namespace

RecoveryStore::RecoveryStore(std::string root, const ProcessTable& table)
    : m_root(std::move(root)), m_table(table), m_owner(CurrentProcess(table)) {}

PrivateFolder RecoveryStore::PrepareRoot(bool create) {
    if (m_rootState)
        return *m_rootState;
    struct stat info {};
    if (!create && ::lstat(m_root.c_str(), &info) != 0)
        return {PrivateFolder::Failed, errno};
    const PrivateFolder state = PreparePrivateFolder(m_root);
    if (state.status != PrivateFolder::Failed)
        m_rootState = state;
    return state;
}

PrivateFolder RecoveryStore::CheckRoot() {
    std::lock_guard lock(m_mutex);
    return PrepareRoot(false);
}

int RecoveryStore::EnsureFolder() {
    if (!m_folder.empty())
        return 0;
    if (const PrivateFolder root = PrepareRoot(true); root.status != PrivateFolder::Ready)
        return root.error;
    // A folder of the same name may be left by a run of an earlier boot; it is never shared.
    const std::string base = (fs::path(m_root) / RunName(m_owner)).string();
    for (int attempt = 1; attempt < 100; ++attempt) {
        const std::string folder = attempt == 1 ? base : base + "-" + std::to_string(attempt);
        if (::mkdir(folder.c_str(), 0700) != 0) {
            if (errno == EEXIST)
                continue;
            return errno;
        }
        const std::string lock = (fs::path(folder) / kLockName).string();
        if (const int error = ReplaceFile(folder, lock, lock + ".tmp", {EncodeLock(m_owner)})) {
            ::rmdir(folder.c_str());
            return error;
        }
        m_folder = folder;
        return 0;
    }
    return EEXIST;
}

std::string RecoveryStore::PageFile(int serial) const {
    std::lock_guard lock(m_mutex);
    return m_folder.empty()
               ? std::string()
               : (fs::path(m_folder) / (std::to_string(serial) + std::string(kPageSuffix))).string();
}

int RecoveryStore::WritePage(int serial, const JournalPage& page, std::string_view text) {
    std::string folder;
    {
        std::lock_guard lock(m_mutex);
        if (const int error = EnsureFolder())
            return error;
        folder = m_folder;
    }
    const std::string path =
        (fs::path(folder) / (std::to_string(serial) + std::string(kPageSuffix))).string();
    return ReplaceFile(folder, path, path + ".tmp", {EncodeJournalHeader(page, text), text});
}

void RecoveryStore::RemovePage(int serial) {
    const std::string path = PageFile(serial);
    if (!path.empty())
        ::unlink(path.c_str());
}

void RecoveryStore::RemoveAll() {
    std::lock_guard lock(m_mutex);
    if (m_folder.empty())
        return;
    std::error_code error;
    for (fs::directory_iterator it(m_folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (IsPageName(name) || IsTemporaryName(name))
            ::unlink(it->path().c_str());
    }
    ::unlink((fs::path(m_folder) / kLockName).c_str());
    ::rmdir(m_folder.c_str());
    m_folder.clear();
}

std::vector<RecoveryStore::Orphan> RecoveryStore::FindOrphans() {
    std::vector<Orphan> orphans;
    if (CheckRoot().status != PrivateFolder::Ready)
        return orphans;
    ForEachEndedRun(m_root, m_table, [&orphans](const fs::path& folder) {
        std::error_code error;
        for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
            const std::string name = it->path().filename().string();
            if (!IsPageName(name) && !IsDamagedName(name))
                continue;
            if (auto orphan = ReadOrphan(it->path()))
                orphans.push_back(std::move(*orphan));
        }
    });
    std::sort(orphans.begin(), orphans.end(), [](const Orphan& a, const Orphan& b) {
        return a.writtenAt != b.writtenAt ? a.writtenAt < b.writtenAt : a.file < b.file;
    });
    return orphans;
}

int RecoveryStore::Verify(const Orphan& orphan, const std::function<bool(std::int64_t done)>& progress) {
    return WithText(orphan.file, orphan, [&](int fd) {
        std::uint32_t crc = 0;
        const int error = ChecksumFileBytes(fd, static_cast<off_t>(orphan.header.size),
                                            static_cast<off_t>(orphan.header.length), crc,
                                            [&progress](off_t done) { return !progress || progress(done); });
        return error ? error : crc == orphan.header.crc ? 0 : EIO;
    });
}

int RecoveryStore::Claim(const Orphan& orphan, int serial, std::string& claimed) {
    std::string folder;
    {
        std::lock_guard lock(m_mutex);
        if (const int error = EnsureFolder())
            return error;
        folder = m_folder;
    }
    if (!IsOwnFile(orphan.file))
        return ENOENT;
    // The rename is the claim: of two runs offering the same page, one gets it.
    const std::string target =
        (fs::path(folder) / (std::to_string(serial) + std::string(kPageSuffix))).string();
    if (::rename(orphan.file.c_str(), target.c_str()) != 0)
        return errno;
    SyncFolder(folder);
    claimed = target;
    return 0;
}

int RecoveryStore::ReadText(const std::string& claimed, const Orphan& orphan,
                            const std::function<void(std::string_view)>& piece) {
    return WithText(claimed, orphan, [&](int fd) {
        std::uint32_t crc = 0;
        const int error =
            ReadFileBytes(fd, static_cast<off_t>(orphan.header.size),
                          static_cast<off_t>(orphan.header.length), [&](std::string_view bytes) {
                              crc = Crc32(bytes, crc);
                              piece(bytes);
                              return 0;
                          });
        return error ? error : crc == orphan.header.crc ? 0 : EIO;
    });
}

void RecoveryStore::GiveBack(const std::string& claimed, const Orphan& orphan, bool damaged) {
    const std::string place = damaged ? DamagedName(orphan.file) : orphan.file;
    if (::rename(claimed.c_str(), place.c_str()) == 0)
        SyncFolder(fs::path(place).parent_path().string());
}

void RecoveryStore::MarkDamaged(const Orphan& orphan) {
    const std::string place = DamagedName(orphan.file);
    if (place != orphan.file && IsOwnFile(orphan.file) && ::rename(orphan.file.c_str(), place.c_str()) == 0)
        SyncFolder(fs::path(place).parent_path().string());
}

void RecoveryStore::Discard(const Orphan& orphan) {
    const std::string name = fs::path(orphan.file).filename().string();
    if ((IsPageName(name) || IsDamagedName(name)) && IsOwnFile(orphan.file))
        ::unlink(orphan.file.c_str());
}

void RecoveryStore::Tidy() {
    if (CheckRoot().status != PrivateFolder::Ready)
        return;
    ForEachEndedRun(m_root, m_table, [](const fs::path& folder) {
        std::vector<fs::path> temporaries;
        bool onlyOurs = true;
        std::error_code error;
        for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
            const std::string name = it->path().filename().string();
            if (name == kLockName)
                continue;
            if (IsTemporaryName(name) && IsOwnFile(it->path()))
                temporaries.push_back(it->path());
            else
                onlyOurs = false;
        }
        if (error || !onlyOurs)
            return;
        for (const fs::path& temporary : temporaries)
            ::unlink(temporary.c_str());
        ::unlink((folder / kLockName).c_str());
        ::rmdir(folder.c_str());
    });
}

} // namespace razo
