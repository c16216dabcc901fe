#include "core/elements/ElementCommand.h"

#include "core/dialogs/UrlHistory.h"
#include "core/elements/TagReading.h"
#include "core/settings/SettingsKeys.h"

namespace razo {

std::string BuildContext::RelativePath(const std::string& value, const std::string& section) const {
    return MakeRelativePath(value, section, profile, document, prompts);
}

std::string BuildContext::UrlAsWritten(std::string_view attribute, const std::string& value, bool relative,
                                       const std::string& section) const {
    if (reading) {
        const std::string* before = reading->TakenValue(attribute);
        if (before && *before == value)
            return value;
    }
    if (relative)
        return RelativePath(value, section);
    SaveUrlHistory(profile, section.empty() ? settings::UrlHistorySection : section, value);
    return value;
}

BuildContext ElementContext::Build(bool expanded) const {
    return {expanded, services.profile, services.prompts, view.GetDocument()};
}

} // namespace razo
