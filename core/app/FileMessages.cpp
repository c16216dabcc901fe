#include "app/FileMessages.h"

#include "app/DocumentReader.h"
#include "settings/IniProfile.h"

namespace razo {

std::string SettingsNotSavedMessage(const ProfileRefusal& refusal, const std::string& path) {
    std::string why;
    switch (refusal.reason) {
    case ProfileRefusal::Unreadable:
        why = "Razo cannot read its settings file " + path + ":\n" + SystemErrorText(refusal.error) + ".";
        break;
    case ProfileRefusal::ReadOnly:
        why = "The settings file " + path + " is read-only.";
        break;
    case ProfileRefusal::NotRegular:
        why = "The settings file " + path + " is not a regular file.";
        break;
    }
    return why + "\n\nRazo starts with the settings it could read, and changes to them will not be saved.";
}

} // namespace razo
