#include "core/elements/ElementCommand.h"

#include "core/dialogs/UrlHistory.h"

namespace razo {

std::string BuildContext::RelativePath(const std::string& value, const std::string& section) const {
    return MakeRelativePath(value, section, profile, document, prompts);
}

BuildContext ElementContext::Build(bool expanded) const {
    return {expanded, services.profile, services.prompts, view.GetDocument()};
}

} // namespace razo
