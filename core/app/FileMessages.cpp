#include "core/app/FileMessages.h"

#include <cerrno>

#include "core/app/DocumentReader.h"
#include "core/app/FilePaths.h"
#include "core/app/SafeSave.h"
#include "core/settings/IniProfile.h"
#include "core/text/MessageText.h"

namespace razo {

namespace {

constexpr std::int64_t kMegabyte = 1024 * 1024;

} // namespace

std::string SettingsNotSavedMessage(const ProfileRefusal& refusal, const std::string& path) {
    std::string why;
    switch (refusal.reason) {
    case ProfileRefusal::Unreadable:
        why = FillMessage(strings::SettingsUnreadable, {path, SystemErrorText(refusal.error)});
        break;
    case ProfileRefusal::ReadOnly:
        why = FillMessage(strings::SettingsReadOnly, {path});
        break;
    case ProfileRefusal::NotRegular:
        why = FillMessage(strings::SettingsNotRegular, {path});
        break;
    case ProfileRefusal::FolderReadOnly:
        why = FillMessage(strings::SettingsFolderReadOnly, {FolderOf(path)});
        break;
    }
    return why + strings::SettingsNotSaved;
}

std::string OpenFailureMessage(const ReadOutcome& outcome, const std::string& shownPath, std::int64_t limit) {
    switch (outcome.status) {
    case ReadOutcome::Folder:
        return FillMessage(strings::CannotOpenFolder, {shownPath});
    case ReadOutcome::NotRegular:
        return FillMessage(strings::NotARegularFile, {shownPath});
    case ReadOutcome::TooLarge:
        return FillMessage(strings::FileTooLarge, {shownPath, std::to_string(outcome.size / kMegabyte),
                                                   std::to_string(limit / kMegabyte)});
    case ReadOutcome::Read:
    case ReadOutcome::Failed:
        break;
    }
    return FillMessage(strings::CannotOpenFile, {shownPath, SystemErrorText(outcome.error)});
}

std::string SaveFailureMessage(const SaveOutcome& outcome, const std::string& shownPath,
                               const std::string& shownBackup, const std::string& shownBackupFolder) {
    if (outcome.foreignBackupFolder)
        return FillMessage(strings::SavingFolderForeign, {shownPath, shownBackupFolder});
    std::string message = outcome.notRegular ? FillMessage(strings::CannotSaveNotRegular, {shownPath})
                                             : FillMessage(strings::CannotSaveFile,
                                                           {shownPath, SystemErrorText(outcome.error)});
    if (!outcome.keptBackup.empty())
        message += FillMessage(strings::PreviousTextKept, {shownBackup});
    return message;
}

std::string UnfinishedSaveQuestion(const std::string& shownPath) {
    return FillMessage(strings::UnfinishedSaveQuestion, {shownPath});
}

std::string CannotRestoreMessage(const std::string& shownPath, int error) {
    return FillMessage(strings::CannotRestore,
                       {shownPath, error == EIO ? strings::SavingJournalDamaged : SystemErrorText(error)});
}

std::string RecoveryFailureMessage(const std::vector<RecoveryFailure>& failures, std::int64_t limit) {
    std::string lines;
    bool kept = false;
    for (const RecoveryFailure& failure : failures) {
        std::string why;
        switch (failure.reason) {
        case RecoveryFailure::Damaged:
            why = strings::RecoveryFileDamaged;
            break;
        case RecoveryFailure::TooLarge:
            why = FillMessage(strings::RecoveryFileTooLarge,
                              {std::to_string(failure.size / kMegabyte), std::to_string(limit / kMegabyte)});
            break;
        case RecoveryFailure::TakenElsewhere:
            why = strings::RecoveryTakenElsewhere;
            break;
        case RecoveryFailure::Failed:
            why = SystemErrorText(failure.error);
            break;
        }
        kept = kept || failure.reason != RecoveryFailure::TakenElsewhere;
        lines += FillMessage(strings::RecoveryFailedLine, {failure.page, why});
    }
    return FillMessage(strings::RecoveryFailed, {lines}) + (kept ? strings::RecoveryKeptNote : "");
}

} // namespace razo
