#pragma once
#include <QString>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/SafeSave.h"

namespace razo {

class ScintillaTextControl;

// Documents are read and written byte for byte, under the names the system gives them: a path
// is the system's bytes (QFile::encodeName of a name the user typed or chose), so a name that is
// not valid UTF-8 survives the way from the command line or the recent-file list to the disk.

// Files above this size are refused: the editor holds the whole text in memory several times.
inline constexpr qint64 MaxDocumentBytes = 512LL * 1024 * 1024;

// Reads the file into `control` a piece at a time, so it is never held twice. A UTF-8 byte
// order mark is kept out of the text (`byteOrderMark` tells whether there was one). False with
// `error` saying why (for the user); the control's text is then undefined.
bool LoadDocumentFile(const std::string& path, ScintillaTextControl& control, bool& byteOrderMark,
                      QString& error);
// The same for bytes already in memory. Returns whether they started with a byte order mark.
bool LoadDocumentBytes(std::string_view bytes, ScintillaTextControl& control);

// Writes `pieces` as the file's whole content without ever leaving it truncated or half-written
// (see SaveFileSafely), provided the file is still `expected`. SaveFailureText says why a save
// failed, in the system's words.
SaveOutcome SaveDocumentFile(const std::string& path, const std::vector<std::string_view>& pieces,
                             const std::optional<FileStamp>& expected);
QString SaveFailureText(const SaveOutcome& outcome, const std::string& path);
// The same over whatever file is there; false with `error` saying why.
bool SaveDocumentFile(const std::string& path, const std::vector<std::string_view>& pieces, QString& error);

// A path as the user sees it, and a path the user gave as the system's bytes.
QString ShownPath(const std::string& path);
std::string SystemPath(const QString& path);

// Where a save that writes into the existing file keeps the old text until the new one is safe:
// $XDG_CACHE_HOME/razo/saving, by default ~/.cache/razo/saving.
std::string DocumentBackupFolder();

} // namespace razo
