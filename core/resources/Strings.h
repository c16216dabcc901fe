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

} // namespace razo::strings
