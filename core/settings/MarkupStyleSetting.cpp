#include "core/settings/MarkupStyleSetting.h"

#include "core/settings/SettingsKeys.h"

namespace razo {

markup::MarkupStyle StoredMarkupStyle(const IniProfile& profile) {
    return {Read(profile, settings::LowerCaseNames) != 0, Read(profile, settings::QuoteEveryValue) != 0};
}

} // namespace razo
