#include "core/elements/TemplateRegistry.h"

#include <set>

#include "core/elements/ElementRegistry.h"
#include "core/prefs/Preferences.h"
#include "core/view/DisplaySettings.h"

namespace razo {

namespace {

// Runs the families' registrations for their templates only.
class TemplateCollector : public ElementRegistry {
public:
    void Command(int, Handler) override {}
    void Template(const DialogTemplate& dialogTemplate, bool expandableClass) override {
        if (m_seen.insert(&dialogTemplate).second)
            dialogs.push_back({&dialogTemplate, expandableClass});
    }
    template <class Dialog> void Add() { Shows<Dialog>(); }

    std::vector<RegisteredDialog> dialogs;

private:
    std::set<const DialogTemplate*> m_seen;
};

} // namespace

const std::vector<RegisteredDialog>& RegisteredDialogs() {
    static const std::vector<RegisteredDialog> all = [] {
        TemplateCollector collector;
        RegisterElementFamilies(collector);
        collector.Add<CPreferencesDialog>();
        collector.Add<CTabStopsDialog>();
        return collector.dialogs;
    }();
    return all;
}

const std::vector<const DialogTemplate*>& AllDialogTemplates() {
    static const std::vector<const DialogTemplate*> all = [] {
        std::vector<const DialogTemplate*> templates;
        for (const RegisteredDialog& dialog : RegisteredDialogs())
            templates.push_back(dialog.dialogTemplate);
        return templates;
    }();
    return all;
}

const DialogTemplate* FindTemplateByHelpContext(int contextId) {
    for (const DialogTemplate* t : AllDialogTemplates())
        if (t->HelpContext() == contextId)
            return t;
    return nullptr;
}

} // namespace razo
