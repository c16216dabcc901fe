#include "app/FileMessages.h"

#include <utility>

#include "app/DocumentReader.h"
#include "settings/IniProfile.h"

namespace razo {

namespace {

std::string Filled(std::string text, const std::string& first, const std::string& second = "") {
    for (const auto& [mark, value] : {std::pair<std::string, std::string>{"%1", first}, {"%2", second}})
        if (const auto at = text.find(mark); at != std::string::npos)
            text.replace(at, mark.size(), value);
    return text;
}

} // namespace

std::string SettingsNotSavedMessage(const ProfileRefusal& refusal, const std::string& path) {
    std::string why;
    switch (refusal.reason) {
    case ProfileRefusal::Unreadable:
        why = Filled(strings::SettingsUnreadable, path, SystemErrorText(refusal.error));
        break;
    case ProfileRefusal::ReadOnly:
        why = Filled(strings::SettingsReadOnly, path);
        break;
    case ProfileRefusal::NotRegular:
        why = Filled(strings::SettingsNotRegular, path);
        break;
    }
    return why + strings::SettingsNotSaved;
}

} // namespace razo
