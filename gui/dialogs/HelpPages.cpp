#include "dialogs/HelpPages.h"

#include "dialogs/HelpTopics.h"
#include "elements/TemplateRegistry.h"

namespace razo {

QString DialogHelpPage(int contextId) {
    const DialogTemplate* found = FindTemplateByHelpContext(contextId);
    return found ? QString::fromStdString(HelpTopicHtml(*found)) : QString();
}

} // namespace razo
