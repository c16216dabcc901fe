#pragma once
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/PrivateFolder.h"
#include "core/app/RecoveryJournal.h"

namespace razo {

// The recovery folder: a folder for each run of the program that had unsaved text, holding the
// run's lock and one file per page, "<serial>.page". Nothing in it is ever opened as a page
// unless it is a whole recovery file beside the lock of a run that has ended, and only what the
// user owns and nobody else may change is looked at; anything else is left where it is. A file
// found damaged is renamed "<serial>.damaged", so that it is offered as such from then on.
class RecoveryStore {
public:
    explicit RecoveryStore(std::string root, const ProcessTable& table = ProcessTable::System());

    const std::string& Root() const { return m_root; }
    const ProcessIdentity& Owner() const { return m_owner; }

    // The recovery folder as it is now, made private when it was wider: Foreign when it is not
    // the user's own folder (it is then never used), Failed with ENOENT while it does not exist.
    PrivateFolder CheckRoot();

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

    // A page left by a run that has ended, as far as its header tells; only the header is read.
    struct Orphan {
        std::string file;
        JournalHeader header;       // page, length and checksum of the text; empty when damaged
        bool damaged = false;       // the header, the length or (found earlier) the text is not right
        std::int64_t size = 0;      // of the text; of the whole file when damaged
        std::int64_t writtenAt = 0; // as the header says, else the file's time
    };
    // Pages left by runs that have ended, oldest first.
    std::vector<Orphan> FindOrphans();

    // Checks the length and checksum of an orphan's text. `progress` is told the bytes done and
    // may stop the check (ECANCELED). 0, EIO when the text is not what was written, or an errno.
    static int Verify(const Orphan& orphan, const std::function<bool(std::int64_t done)>& progress = {});
    // Moves an orphan's file into this run's folder as the file of page `serial`, so the text is
    // never only in memory. 0 with `claimed` its new place, or an errno with the file left where
    // it was: ENOENT when another run took it first.
    int Claim(const Orphan& orphan, int serial, std::string& claimed);
    // Hands the text of a claimed file to `piece`, checking it on the way. 0, EIO when it is not
    // the text that was written, or an errno.
    static int ReadText(const std::string& claimed, const Orphan& orphan,
                        const std::function<void(std::string_view)>& piece);
    // Puts a claimed file back where it was found, as damaged when `damaged`.
    void GiveBack(const std::string& claimed, const Orphan& orphan, bool damaged);
    // Keeps an orphan found damaged under the name that says so.
    void MarkDamaged(const Orphan& orphan);
    void Discard(const Orphan& orphan);
    // Removes the folders of ended runs that hold nothing but their lock (and temporary files
    // of writes they did not finish).
    void Tidy();

private:
    int EnsureFolder();
    PrivateFolder PrepareRoot(bool create);

    std::string m_root;
    const ProcessTable& m_table;
    ProcessIdentity m_owner;
    mutable std::mutex m_mutex;
    std::optional<PrivateFolder> m_rootState; // once known to be usable or not
    std::string m_folder;                     // this run's, once made
};

} // namespace razo
