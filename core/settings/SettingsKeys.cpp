#include "core/settings/SettingsKeys.h"

#include "core/settings/IniProfile.h"

namespace razo {

int Read(const IniProfile& profile, const IntSetting& setting) {
    return profile.GetProfileInt(setting.section, setting.key, setting.defaultValue);
}

std::string Read(const IniProfile& profile, const StringSetting& setting) {
    return profile.GetProfileString(setting.section, setting.key, setting.defaultValue);
}

bool Write(IniProfile& profile, const IntSetting& setting, int value) {
    return profile.WriteProfileInt(setting.section, setting.key, value);
}

bool Write(IniProfile& profile, const StringSetting& setting, const std::string& value) {
    return profile.WriteProfileString(setting.section, setting.key, value);
}

} // namespace razo
