#pragma once
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/RecoveryJournal.h"

namespace razo {

// The recovery folder: a folder for each run of the program that had unsaved text, holding the
// run's lock and one file per page, "<serial>.page". Nothing in it is ever opened as a page
// unless it is a whole recovery file beside the lock of a run that has ended; anything else is
// left where it is.
class RecoveryStore {
public:
    explicit RecoveryStore(std::string root, const ProcessTable& table = ProcessTable::System());

    const std::string& Root() const { return m_root; }
    const ProcessIdentity& Owner() const { return m_owner; }

    // This run's files; safe to call from any thread.
    //
    // Replaces the file of page `serial` in one step (a temporary file, synced, renamed), after
    // creating this run's folder and lock. 0, or the errno of the step that failed.
    int WritePage(int serial, const JournalPage& page, std::string_view text);
    void RemovePage(int serial);
    // Everything of this run, the lock last: what a clean exit leaves is nothing.
    void RemoveAll();
    // Where the file of page `serial` is (or would be); empty before this run's folder exists.
    std::string PageFile(int serial) const;

    // Pages left by runs that have ended, oldest first.
    struct Orphan {
        std::string file;
        JournalPage page;
        std::int64_t size = 0; // of the text
    };
    std::vector<Orphan> FindOrphans() const;

    struct Claimed {
        JournalPage page;
        std::string text;
    };
    // Reads an orphan again and moves its file into this run's folder as the file of page
    // `serial`, so the text is never only in memory. Nullopt when another run took it first or
    // it is no longer whole (it is then left alone).
    std::optional<Claimed> Claim(const Orphan& orphan, int serial);
    void Discard(const Orphan& orphan);
    // Removes the folders of ended runs that hold nothing but their lock (and temporary files
    // of writes they did not finish).
    void Tidy() const;

private:
    int EnsureFolder();

    std::string m_root;
    const ProcessTable& m_table;
    ProcessIdentity m_owner;
    mutable std::mutex m_mutex;
    std::string m_folder; // this run's, once made
};

} // namespace razo
