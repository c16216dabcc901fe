#include "elements/TemplateRegistry.h"

#include "elements/Blocks.h"
#include "elements/Lists.h"
#include "prefs/Preferences.h"

namespace razo {

const std::vector<const DialogTemplate*>& AllDialogTemplates() {
    static const std::vector<const DialogTemplate*> all = {
        // Headings, paragraphs and blocks
        &CHeadingDialog::TemplateData(),
        &CParagraphDialog::TemplateData(),
        &CPreformattedDialog::TemplateData(),
        &CLineBreakDialog::TemplateData(),
        &CHorizontalRuleDialog::TemplateData(),
        &CDivisionDialog::TemplateData(),
        &CDocumentTypeDialog::TemplateData(),
        // Lists
        &CUnorderedListDialog::TemplateData(),
        &COrderedListDialog::TemplateData(),
        &CDirectoryMenuDialog::TemplateData(),
        &CDefinitionListDialog::TemplateData(),
        &CListItemDialog::TemplateData(),
        // Preferences
        &CPreferencesDialog::TemplateData(),
    };
    return all;
}

const DialogTemplate* FindTemplateByHelpContext(int contextId) {
    for (const DialogTemplate* t : AllDialogTemplates())
        if (t->HelpContext() == contextId)
            return t;
    return nullptr;
}

} // namespace razo
