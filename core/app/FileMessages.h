#pragma once
#include <string>

namespace razo {

struct ProfileRefusal;

namespace strings {

// More file messages; %1 is the file's path, %2 the system's reason.
inline constexpr const char* NotARegularFile =
    "Cannot open %1.\n\nIt is not a regular file but a pipe, a device or a socket.";
inline constexpr const char* CannotSaveNotRegular =
    "Cannot save %1.\n\nIt is not a regular file but a pipe, a device or a socket.";
// Added to a failed save's message when the old text could not be put back into the file.
inline constexpr const char* PreviousTextKept = "\n\nThe previous text of the file is kept in %1.";

} // namespace strings

// What the user is told at start when the settings file will not be written: `path` as shown,
// `reason` the system's words for an unreadable file.
std::string SettingsNotSavedMessage(const ProfileRefusal& refusal, const std::string& path);

} // namespace razo
