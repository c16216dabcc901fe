#include "core/app/RecoveryStore.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "core/settings/FileDescriptor.h"

namespace razo {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kLockName = "lock";
constexpr std::string_view kPageSuffix = ".page";
constexpr std::string_view kTemporarySuffix = ".page.tmp";
constexpr std::size_t kLockLimit = 4096;

// A regular file's bytes (never through a link, never more than `limit`); nullopt otherwise.
std::optional<std::string> ReadRegularFile(const std::string& path, std::uint64_t limit) {
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat info {};
    if (fd.Get() < 0 || ::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode) ||
        static_cast<std::uint64_t>(info.st_size) > limit)
        return std::nullopt;
    std::string bytes;
    bytes.resize(static_cast<std::size_t>(info.st_size));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::read(fd.Get(), bytes.data() + done, bytes.size() - done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return std::nullopt;
        done += static_cast<std::size_t>(got);
    }
    // Grown since it was looked at: not the file that was measured.
    char extra = 0;
    if (::read(fd.Get(), &extra, 1) != 0)
        return std::nullopt;
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

// "<digits>.page" and "<digits>.page.tmp" are this program's names; nothing else is touched.
bool IsPageName(std::string_view name) {
    return EndsWith(name, kPageSuffix) && AllDigits(name.substr(0, name.size() - kPageSuffix.size()));
}

bool IsTemporaryName(std::string_view name) {
    return EndsWith(name, kTemporarySuffix) &&
           AllDigits(name.substr(0, name.size() - kTemporarySuffix.size()));
}

bool IsRealFolder(const fs::directory_entry& entry) {
    std::error_code error;
    return entry.symlink_status(error).type() == fs::file_type::directory;
}

bool IsRealFile(const fs::directory_entry& entry) {
    std::error_code error;
    return entry.symlink_status(error).type() == fs::file_type::regular;
}

// A folder only its owner may enter, made level by level.
int MakePrivateFolders(const fs::path& folder) {
    fs::path made;
    for (const fs::path& part : folder) {
        made /= part;
        if (::mkdir(made.c_str(), 0700) != 0 && errno != EEXIST)
            return errno;
    }
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0)
        return errno;
    return S_ISDIR(info.st_mode) ? 0 : ENOTDIR;
}

std::string FolderNameFor(const ProcessIdentity& owner) {
    std::string boot;
    for (const char c : owner.bootId)
        if (std::isalnum(static_cast<unsigned char>(c)) && boot.size() < 8)
            boot += c;
    return std::to_string(owner.pid) + "-" + std::to_string(owner.startTime) +
           (boot.empty() ? "" : "-" + boot);
}

// The ended runs' folders, with their owners.
template <typename Visit>
void ForEachEndedRun(const std::string& root, const ProcessTable& table, Visit visit) {
    std::error_code error;
    for (fs::directory_iterator it(root, error), end; !error && it != end; it.increment(error)) {
        if (!IsRealFolder(*it))
            continue;
        const auto lock = ReadRegularFile((it->path() / kLockName).string(), kLockLimit);
        const auto owner = lock ? ParseLock(*lock) : std::nullopt;
        if (owner && !IsRunning(*owner, table))
            visit(it->path());
    }
}

} // namespace

RecoveryStore::RecoveryStore(std::string root, const ProcessTable& table)
    : m_root(std::move(root)), m_table(table), m_owner(CurrentProcess(table)) {}

int RecoveryStore::EnsureFolder() {
    if (!m_folder.empty())
        return 0;
    if (const int error = MakePrivateFolders(m_root))
        return error;
    // A folder of the same name may be left by a run of an earlier boot; it is never shared.
    const std::string base = (fs::path(m_root) / FolderNameFor(m_owner)).string();
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

std::vector<RecoveryStore::Orphan> RecoveryStore::FindOrphans() const {
    std::vector<Orphan> orphans;
    ForEachEndedRun(m_root, m_table, [&orphans](const fs::path& folder) {
        std::error_code error;
        for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
            if (!IsRealFile(*it) || !IsPageName(it->path().filename().string()))
                continue;
            const auto bytes = ReadRegularFile(it->path().string(), UINT64_MAX);
            const auto parsed = bytes ? ParseJournal(*bytes) : std::nullopt;
            if (parsed)
                orphans.push_back(
                    {it->path().string(), parsed->page, static_cast<std::int64_t>(parsed->text.size())});
        }
    });
    std::sort(orphans.begin(), orphans.end(), [](const Orphan& a, const Orphan& b) {
        return a.page.writtenAt != b.page.writtenAt ? a.page.writtenAt < b.page.writtenAt : a.file < b.file;
    });
    return orphans;
}

std::optional<RecoveryStore::Claimed> RecoveryStore::Claim(const Orphan& orphan, int serial) {
    auto bytes = ReadRegularFile(orphan.file, UINT64_MAX);
    const auto parsed = bytes ? ParseJournal(*bytes) : std::nullopt;
    if (!parsed)
        return std::nullopt;
    Claimed claimed{parsed->page, {}};
    const auto headerSize = static_cast<std::size_t>(parsed->text.data() - bytes->data());
    std::string folder;
    {
        std::lock_guard lock(m_mutex);
        if (EnsureFolder() != 0)
            return std::nullopt;
        folder = m_folder;
    }
    // The rename is the claim: of two runs offering the same page, one gets it.
    const std::string target =
        (fs::path(folder) / (std::to_string(serial) + std::string(kPageSuffix))).string();
    if (::rename(orphan.file.c_str(), target.c_str()) != 0)
        return std::nullopt;
    SyncFolder(folder);
    bytes->erase(0, headerSize);
    claimed.text = std::move(*bytes);
    return claimed;
}

void RecoveryStore::Discard(const Orphan& orphan) {
    if (IsPageName(fs::path(orphan.file).filename().string()))
        ::unlink(orphan.file.c_str());
}

void RecoveryStore::Tidy() const {
    ForEachEndedRun(m_root, m_table, [](const fs::path& folder) {
        std::vector<fs::path> temporaries;
        bool onlyOurs = true;
        std::error_code error;
        for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
            const std::string name = it->path().filename().string();
            if (name == kLockName)
                continue;
            if (IsRealFile(*it) && IsTemporaryName(name))
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
