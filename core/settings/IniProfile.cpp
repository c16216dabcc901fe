#include "core/settings/IniProfile.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace razo {

namespace {

// The classic reading of a number: leading blanks, an optional sign, decimal digits up to the
// first other character; no digits at all reads as 0. Out-of-range values stop at the limit.
int ParseProfileInt(std::string_view text) {
    size_t i = text.find_first_not_of(" \t");
    if (i == std::string_view::npos)
        return 0;
    bool negative = false;
    if (text[i] == '+' || text[i] == '-')
        negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    return static_cast<int>(value);
}

// Whether a file can be written into the folder of `path` (or, while that is missing, into the
// nearest folder above it, where the missing ones would be made). A folder without any write
// permission was made read-only by the user, whoever runs the program.
bool FolderTakesFiles(const std::string& path) {
    std::filesystem::path folder = std::filesystem::path(path).parent_path();
    struct stat info {};
    while (!folder.empty() && ::stat(folder.c_str(), &info) != 0 && errno == ENOENT &&
           folder.has_relative_path())
        folder = folder.parent_path();
    const std::string name = folder.empty() ? "." : folder.string();
    if (::stat(name.c_str(), &info) != 0)
        return true; // a folder that cannot be looked at is left to the write to report
    return (info.st_mode & 0222) != 0 && ::faccessat(AT_FDCWD, name.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

} // namespace

IniProfile::IniProfile(std::string path) : m_path(std::move(path)) {
    CheckWritable();
    // Left by instances killed while writing; they would lie beside the file for ever.
    RemoveStaleTemporaries(m_path);
}

void IniProfile::CheckWritable() const {
    if (m_refusal)
        return;
    struct stat info {};
    if (::stat(m_path.c_str(), &info) != 0) {
        // A missing file is written when first needed, if its folder takes it.
        if (errno == ENOENT && !FolderTakesFiles(m_path))
            m_refusal = ProfileRefusal{ProfileRefusal::FolderReadOnly, 0};
        return;
    }
    if (!S_ISREG(info.st_mode)) {
        m_refusal = ProfileRefusal{ProfileRefusal::NotRegular, 0};
        return;
    }
    if (::faccessat(AT_FDCWD, m_path.c_str(), R_OK, AT_EACCESS) != 0) {
        m_refusal = ProfileRefusal{ProfileRefusal::Unreadable, errno};
        return;
    }
    // Without any write permission the user made it read-only, whoever runs the program.
    if ((info.st_mode & 0222) == 0 || ::faccessat(AT_FDCWD, m_path.c_str(), W_OK, AT_EACCESS) != 0)
        m_refusal = ProfileRefusal{ProfileRefusal::ReadOnly, 0};
    // The file is replaced by a new one, which its folder must take.
    else if (!FolderTakesFiles(m_path))
        m_refusal = ProfileRefusal{ProfileRefusal::FolderReadOnly, 0};
}

const std::optional<ProfileRefusal>& IniProfile::Refusal() const {
    return m_refusal;
}

const IniDocument& IniProfile::Current() const {
    if (m_batchPending || (m_refusal && m_stamp))
        return m_document;
    if (!m_stamp || StampOf(m_path) != *m_stamp) {
        FileSnapshot snapshot = ReadSnapshot(m_path);
        if (snapshot.notRegular)
            m_refusal = ProfileRefusal{ProfileRefusal::NotRegular, 0};
        else if (snapshot.error != 0)
            m_refusal = ProfileRefusal{ProfileRefusal::Unreadable, snapshot.error};
        m_document = IniDocument::Parse(snapshot.bytes);
        m_stamp = snapshot.stamp;
    }
    return m_document;
}

bool IniProfile::Edit(const std::function<void(IniDocument&)>& change) {
    if (m_batchDepth > 0) {
        Current();
        change(m_document); // in place: a batch of many writes copies nothing
        m_batchPending = true;
        return true;
    }
    IniDocument changed = Current();
    change(changed);
    return Commit(std::move(changed));
}

bool IniProfile::Commit(IniDocument changed) {
    if (m_batchDepth > 0) {
        Current();
        m_document = std::move(changed);
        m_batchPending = true;
        return true;
    }
    CheckWritable();
    if (m_refusal) {
        // Kept for this run only; the file is never written over.
        m_document = std::move(changed);
        return false;
    }
    const std::string bytes = changed.Serialize();
    if (bytes == Current().Serialize())
        return true;
    if (m_refusal) {
        m_document = std::move(changed);
        return false;
    }
    const auto stamp = WriteAtomically(m_path, bytes);
    if (!stamp)
        return false;
    m_document = std::move(changed);
    m_stamp = *stamp;
    return true;
}

bool IniProfile::Batch::Finish() {
    if (m_finished)
        return true;
    m_finished = true;
    if (--m_profile.m_batchDepth > 0 || !m_profile.m_batchPending)
        return true;
    m_profile.m_batchPending = false;
    IniDocument pending = std::move(m_profile.m_document);
    if (!m_profile.m_refusal)
        m_profile.m_stamp.reset(); // compare against the file as it is on disk now
    return m_profile.Commit(std::move(pending));
}

int IniProfile::GetProfileInt(std::string_view section, std::string_view key, int defaultValue) const {
    const auto value = Current().Get(section, key);
    // An empty value counts as missing, as with the classic function.
    if (!value || value->empty())
        return defaultValue;
    return ParseProfileInt(*value);
}

std::string IniProfile::GetProfileString(std::string_view section, std::string_view key,
                                         std::string_view defaultValue) const {
    auto value = Current().Get(section, key);
    return value ? std::move(*value) : std::string(defaultValue);
}

bool IniProfile::WriteProfileInt(std::string_view section, std::string_view key, int value) {
    return WriteProfileString(section, key, std::to_string(value));
}

// Names or values with line breaks would write lines of their own into the file, so they are
// refused rather than stored.
bool IniProfile::WriteProfileString(std::string_view section, std::string_view key,
                                    std::optional<std::string_view> value) {
    if (!IniDocument::IsStorableSection(section) || !IniDocument::IsStorableKey(key))
        return false;
    if (value && !IniDocument::IsStorableValue(*value))
        return false;
    return Edit([&](IniDocument& document) {
        if (value)
            document.Set(section, key, *value);
        else
            document.Remove(section, key);
    });
}

bool IniProfile::DeleteSection(std::string_view section) {
    return Edit([section](IniDocument& document) { document.RemoveSection(section); });
}

bool IniProfile::DeleteSections(const std::function<bool(std::string_view name)>& doomed) {
    return Edit([&doomed](IniDocument& document) { document.RemoveSections(doomed); });
}

std::vector<std::string> IniProfile::SectionNames() const {
    return Current().SectionNames();
}

std::vector<std::string> IniProfile::KeyNames(std::string_view section) const {
    return Current().KeyNames(section);
}

} // namespace razo
