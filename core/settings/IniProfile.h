#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings/AtomicFile.h"
#include "core/settings/IniDocument.h"

namespace razo {

// Why the settings file is never written in this run.
struct ProfileRefusal {
    enum Reason {
        Unreadable,     // it exists but cannot be read: writing would replace keys never seen
        ReadOnly,       // the file (or the file system) does not allow writing
        NotRegular,     // a FIFO, device or folder stands where the file belongs
        FolderReadOnly, // its folder takes no new file, so the file cannot be replaced
    };
    Reason reason = Unreadable;
    int error = 0; // errno, for Unreadable
};

// The INI profile with the semantics of the classic profile functions: sections and keys match
// case-insensitively, every read passes its own default, writing a null value deletes the key,
// integers are decimal text, comments and lines it does not understand are kept. Every write is
// on disk (temporary file, then rename) before it returns, and a change made by another running
// instance is seen by the next read.
//
// A file that exists but cannot be read, is read-only or is not a regular file, or one in a
// folder that is read-only, is never written: changes then last for this run only (and the
// writes return false).
class IniProfile {
public:
    explicit IniProfile(std::string path);

    const std::string& Path() const { return m_path; }

    int GetProfileInt(std::string_view section, std::string_view key, int defaultValue) const;
    std::string GetProfileString(std::string_view section, std::string_view key,
                                 std::string_view defaultValue) const;
    // Returns false when the file could not be written; the profile on disk is then unchanged.
    bool WriteProfileInt(std::string_view section, std::string_view key, int value);
    // A null value deletes the key.
    bool WriteProfileString(std::string_view section, std::string_view key,
                            std::optional<std::string_view> value);
    // Removes a whole section.
    bool DeleteSection(std::string_view section);
    // Removes, in one edit, every section whose name `doomed` picks.
    bool DeleteSections(const std::function<bool(std::string_view name)>& doomed);

    // Names of the sections and of one section's keys, in file order (for saved layouts).
    std::vector<std::string> SectionNames() const;
    std::vector<std::string> KeyNames(std::string_view section) const;

    // Set once the file turned out not to be writable; from then on nothing is written.
    const std::optional<ProfileRefusal>& Refusal() const;

    // Groups the writes of one command (a saved toolbar layout, say) into one write of the file,
    // made when the outermost batch ends. Reads inside the batch see the batch's writes.
    class Batch {
    public:
        explicit Batch(IniProfile& profile) : m_profile(profile) { ++m_profile.m_batchDepth; }
        ~Batch() { Finish(); }
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;
        // Ends the batch early; false when the file could not be written.
        bool Finish();

    private:
        IniProfile& m_profile;
        bool m_finished = false;
    };

private:
    // The file as last read or written; read again when the file on disk was replaced or changed.
    const IniDocument& Current() const;
    bool Edit(const std::function<void(IniDocument&)>& change);
    bool Commit(IniDocument changed);
    // Looks at the file as it is now; sets m_refusal when it must not be written.
    void CheckWritable() const;

    std::string m_path;
    mutable IniDocument m_document;
    mutable std::optional<FileStamp> m_stamp;
    mutable std::optional<ProfileRefusal> m_refusal;
    int m_batchDepth = 0;
    bool m_batchPending = false;
};

} // namespace razo
