#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "core/resources/Strings.h"

namespace razo {

struct ProfileRefusal;
struct ReadOutcome;
struct SaveOutcome;

// What the user is told at start when the settings file will not be written: `path` as shown,
// `reason` the system's words for an unreadable file.
std::string SettingsNotSavedMessage(const ProfileRefusal& refusal, const std::string& path);

// Why a page was not opened (any outcome but Read) or not saved. Paths are given as the user sees
// them; `limit` is the largest page that opens, in bytes.
std::string OpenFailureMessage(const ReadOutcome& outcome, const std::string& shownPath, std::int64_t limit);
// `shownBackup` is where a failed write left the old text, `shownBackupFolder` the folder
// such copies are kept in.
std::string SaveFailureMessage(const SaveOutcome& outcome, const std::string& shownPath,
                               const std::string& shownBackup, const std::string& shownBackupFolder = {});

// The question about a save into an existing file that was cut short, and why its old text could
// not be put back (an errno of RestoreUnfinishedSave).
std::string UnfinishedSaveQuestion(const std::string& shownPath);
std::string CannotRestoreMessage(const std::string& shownPath, int error);

// A page that Recover could not bring back.
struct RecoveryFailure {
    enum Reason {
        Damaged,        // its text is not what was written
        TooLarge,       // more than the program opens; `size` says how much
        TakenElsewhere, // another run claimed it first
        Failed,         // the system refused; `error` is its errno
    };
    std::string page; // as the user sees it
    Reason reason = Failed;
    int error = 0;
    std::int64_t size = 0;
};
// One message for all of them; `limit` is the largest page that opens, in bytes.
std::string RecoveryFailureMessage(const std::vector<RecoveryFailure>& failures, std::int64_t limit);

} // namespace razo
