#include "dialogs/HelpPages.h"

#include "dialogs/HelpTopics.h"
#include "elements/TemplateRegistry.h"

#include <map>

namespace razo {

namespace {

// Templates are static data, so the pointers stay valid for the whole run.
std::map<int, const DialogTemplate*>& ShownTemplates() {
    static std::map<int, const DialogTemplate*> shown;
    return shown;
}

} // namespace

void RememberDialogTemplate(const DialogTemplate& dialogTemplate) {
    ShownTemplates()[dialogTemplate.HelpContext()] = &dialogTemplate;
}

QString DialogHelpPage(int contextId) {
    const DialogTemplate* found = FindTemplateByHelpContext(contextId);
    if (found == nullptr) {
        const auto shown = ShownTemplates().find(contextId);
        found = shown == ShownTemplates().end() ? nullptr : shown->second;
    }
    return found ? QString::fromStdString(HelpTopicHtml(*found)) : QString();
}

} // namespace razo
