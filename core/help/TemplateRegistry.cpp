#include "core/help/TemplateRegistry.h"

#include <map>
#include <set>

#include "core/elements/Html5Page.h"
#include "core/prefs/Preferences.h"
#include "core/resources/CommandIds.h"
#include "core/view/DisplaySettings.h"
#include "core/view/GoToLine.h"

namespace razo {

namespace {

struct Registered {
    std::vector<RegisteredDialog> dialogs;
    std::map<int, const DialogTemplate*> byCommand;
};

// Runs the registrations for their dialogs only.
class TemplateCollector : public ElementRegistry {
public:
    explicit TemplateCollector(Registered& registered) : m_registered(registered) {}

    void DialogCommand(int id, RegisteredDialog dialog, Handler) override {
        SubDialog(dialog);
        m_registered.byCommand.emplace(id, dialog.dialogTemplate);
    }
    void SubDialog(RegisteredDialog dialog) override {
        if (m_seen.insert(dialog.dialogTemplate).second)
            m_registered.dialogs.push_back(dialog);
    }

private:
    Registered& m_registered;
    std::set<const DialogTemplate*> m_seen;
};

const Registered& Registry() {
    static const Registered registered = [] {
        Registered all;
        TemplateCollector collector(all);
        RegisterElementFamilies(collector);
        // The program's own dialogs, each with the command that opens it.
        collector.DialogCommand(cmd::Preferences, DialogOf<CPreferencesDialog>(), {});
        collector.DialogCommand(cmd::SetTabStops, DialogOf<CTabStopsDialog>(), {});
        collector.DialogCommand(cmd::GoToLine, DialogOf<CGoToLineDialog>(), {});
        collector.SubDialog(DialogOf<CHtml5PageDialog>());
        return all;
    }();
    return registered;
}

} // namespace

const std::vector<RegisteredDialog>& RegisteredDialogs() {
    return Registry().dialogs;
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

const DialogTemplate* CommandDialog(int id) {
    const auto& byCommand = Registry().byCommand;
    const auto found = byCommand.find(id);
    return found == byCommand.end() ? nullptr : found->second;
}

} // namespace razo
