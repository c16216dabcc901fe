#pragma once

namespace razo::strings {

inline constexpr const char* AppTitle = "Razo"; // application and main frame title
inline constexpr const char* AboutTitle = "About Razo";
inline constexpr const char* IdleMessage = "For Help, press F1";
inline constexpr const char* LnColFormat = "Ln %d, Col %d";
inline constexpr const char* LnColWidthText = "Ln        , Col       ";
inline constexpr const char* ContextHelpPrompt = "Select an object on which to get Help";
inline constexpr const char* CapsIndicator = "CAP";
inline constexpr const char* NumIndicator = "NUM";
inline constexpr const char* ScrollIndicator = "SCRL";

// File messages; %1 is the file's path (or a document's title), %2 the system's reason.
inline constexpr const char* CannotOpenFile = "Cannot open %1.\n\n%2";
inline constexpr const char* CannotOpenFolder = "Cannot open %1.\n\nIt is a folder, not a file.";
inline constexpr const char* FileTooLarge =
    "Cannot open %1.\n\nThe file is %2 MB; Razo opens files of up to %3 MB.";
inline constexpr const char* CannotReadFile = "Cannot read %1.\n\n%2";
inline constexpr const char* CannotSaveFile = "Cannot save %1.\n\n%2";
inline constexpr const char* SaveChangesQuestion = "Save changes to %1?";
inline constexpr const char* NotARegularFile =
    "Cannot open %1.\n\nIt is not a regular file but a pipe, a device or a socket.";
inline constexpr const char* CannotSaveNotRegular =
    "Cannot save %1.\n\nIt is not a regular file but a pipe, a device or a socket.";
// Added to a failed save's message when the old text could not be put back into the file; %1 is
// where it is kept.
inline constexpr const char* PreviousTextKept =
    "\n\nThe previous text of the file is kept in %1, and Razo offers to put it back the next time it "
    "starts.";

// Said once at start when the settings file will not be written; %1 is its path, %2 the system's
// reason.
inline constexpr const char* SettingsUnreadable = "Razo cannot read its settings file %1:\n%2.";
inline constexpr const char* SettingsReadOnly = "The settings file %1 is read-only.";
inline constexpr const char* SettingsNotRegular = "The settings file %1 is not a regular file.";
inline constexpr const char* SettingsNotSaved =
    "\n\nRazo starts with the settings it could read, and changes to them will not be saved.";

// Edit Tag's notes in the status bar; %1 is the tag ("<B>", "</TD>").
inline constexpr const char* NoTagAtCaret = "No tag at the caret.";
inline constexpr const char* TagHasNoDialog = "%1 has no dialog to edit it in.";
inline constexpr const char* NoStartTag = "No start tag for %1 within reach.";
inline constexpr const char* CommentHasNoDialog = "A comment has no dialog to edit it in.";
inline constexpr const char* DeclarationHasNoDialog = "A declaration has no dialog to edit it in.";

// Pages brought back after the program ended without saving them.
inline constexpr const char* RecoveryTitle = "Recover Unsaved Pages";
inline constexpr const char* RecoveryIntro =
    "Razo ended while these pages had changes that were not saved. Recover them?";
inline constexpr const char* RecoveryPageColumn = "Page";
inline constexpr const char* RecoveryFolderColumn = "Folder";
inline constexpr const char* RecoveryTimeColumn = "Last change";
inline constexpr const char* RecoveryNeverSaved = "(never saved)";
inline constexpr const char* RecoveryNote =
    "Recovered pages open with their changes, not yet saved. Discarded changes are lost for good; "
    "Decide Later asks again the next time Razo starts.";
inline constexpr const char* RecoverButton = "&Recover";
inline constexpr const char* DiscardButton = "&Discard";
inline constexpr const char* DecideLaterButton = "Decide &Later";
inline constexpr const char* RecoveryNotKept = "Razo cannot keep a recovery copy of %1: %2";

// Pages changed on the disk by another program; %1 is the file's path.
inline constexpr const char* ReloadedFromDisk = "%1 was changed by another program and has been reloaded.";
inline constexpr const char* ChangedOnDiskQuestion =
    "%1 has been changed by another program.\n\nReload it from the disk and lose your changes, or keep "
    "your changes?";
inline constexpr const char* ReloadButton = "&Reload";
inline constexpr const char* KeepChangesButton = "&Keep My Changes";
inline constexpr const char* OverwriteQuestion =
    "%1 has been changed by another program since Razo read it.\n\nSave your version over it?";
inline constexpr const char* OverwriteButton = "&Overwrite";
inline constexpr const char* GoneFromDisk =
    "%1 was deleted or renamed by another program; the page is kept with its changes unsaved.";
inline constexpr const char* CannotReload = "%1 was changed by another program and cannot be read: %2";

// The help window.
inline constexpr const char* HelpTitle = "Razo Help";
inline constexpr const char* HelpPageTitle = "Razo Help - %1";
inline constexpr const char* UsingHelpTitle = "Using Help";
inline constexpr const char* HelpBackButton = "< &Back";
inline constexpr const char* HelpForwardButton = "&Forward >";
inline constexpr const char* HelpContentsButton = "&Contents";
inline constexpr const char* HelpContentsList = "Contents";
inline constexpr const char* HelpFindLabel = "Fi&nd:";
inline constexpr const char* HelpFindHint = "Text in this page";
inline constexpr const char* HelpFindPrevious = "&Previous";
inline constexpr const char* HelpFindNext = "Ne&xt";
inline constexpr const char* HelpNotFound = "Not found";

// A save that wrote into the existing file and was cut short; %1 is the file's path.
inline constexpr const char* UnfinishedSaveQuestion =
    "Razo ended while it was saving %1, so the file may hold part of the new text and part of the "
    "old.\n\nRestore the previous text, or keep the file as it is?";
inline constexpr const char* RestoreButton = "&Restore Previous Text";
inline constexpr const char* KeepAsItIsButton = "&Keep As It Is";
inline constexpr const char* CannotRestore = "Cannot restore the previous text of %1.\n\n%2";
inline constexpr const char* SavingJournalDamaged = "The copy of the previous text is damaged.";
// %2 is the folder where the previous text is kept while a file is written.
inline constexpr const char* SavingFolderForeign =
    "Cannot save %1.\n\nThe folder %2, where Razo keeps the previous text while it writes the file, "
    "belongs to another user or is not a folder.";

// The settings folder; %1 is its path.
inline constexpr const char* SettingsFolderReadOnly = "The settings folder %1 is read-only.";

// Recovery files that are damaged, too large, or could not be taken over; %1 is a page's name.
inline constexpr const char* RecoverySizeColumn = "Size";
inline constexpr const char* RecoveryDamaged = "%1 (damaged)";
inline constexpr const char* RecoveryUnknownPage = "(unknown page)";
inline constexpr const char* RecoveryDamagedNote = "Damaged files cannot be recovered; Discard removes them.";
inline constexpr const char* RecoveryChecking = "Checking the recovered pages...";
inline constexpr const char* RecoveryFailed = "Razo could not recover these pages:\n%1";
inline constexpr const char* RecoveryFailedLine = "\n%1: %2";
inline constexpr const char* RecoveryKeptNote =
    "\n\nTheir recovery files are kept and offered again the next time Razo starts.";
inline constexpr const char* RecoveryFileDamaged = "The recovery file is damaged.";
inline constexpr const char* RecoveryFileTooLarge = "The page is %1 MB; Razo opens files of up to %2 MB.";
inline constexpr const char* RecoveryTakenElsewhere = "Another Razo recovered it first.";
// %1 is the recovery folder.
inline constexpr const char* RecoveryFolderForeign =
    "The recovery folder %1 belongs to another user or is not a folder.\n\nRazo will not keep recovery "
    "copies of unsaved pages in this run.";

} // namespace razo::strings
