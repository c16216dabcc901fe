#pragma once
#include <string>

#include "resources/Strings.h"

namespace razo {

struct ProfileRefusal;

// What the user is told at start when the settings file will not be written: `path` as shown,
// `reason` the system's words for an unreadable file.
std::string SettingsNotSavedMessage(const ProfileRefusal& refusal, const std::string& path);

} // namespace razo
