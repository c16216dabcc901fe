#pragma once
#include <functional>
#include <type_traits>

#include "core/dialogs/DialogTemplate.h"
#include "core/dialogs/ExpandDialog.h"
#include "core/elements/ElementCommand.h"

namespace razo {

// Where an element family registers itself, once: its commands and every dialog it shows. The
// same registration fills a view's command route (ViewCommands) and the list of all dialog
// templates (TemplateRegistry: help pages, the layout test), so a family cannot have one
// without the other.
class ElementRegistry {
public:
    using Handler = std::function<void(ElementContext&)>;

    virtual ~ElementRegistry() = default;

    // A command with a handler of its own (several dialogs in a row, say).
    virtual void Command(int id, Handler handler) = 0;
    // A dialog template the family shows; `expandableClass` says whether its class derives from
    // CExpandDialog, which must agree with the template's own flag.
    virtual void Template(const DialogTemplate& dialogTemplate, bool expandableClass) = 0;

    // One element command: `Dialog` runs (constructed from `args`, and the profile when it is
    // expandable); on OK `build` makes the texts that go into the view.
    template <class Dialog, class Build, class... Args> void Bind(int id, Build build, Args... args) {
        Shows<Dialog>();
        Command(id, [build, args...](ElementContext& context) {
            RunElementCommand<Dialog>(context, build, args...);
        });
    }
    // A dialog the family shows without Bind: a sub-dialog, or one run by its own handler.
    template <class Dialog> void Shows() {
        Template(Dialog::TemplateData(), std::is_base_of_v<CExpandDialog, Dialog>);
    }
};

// Every element family's registration, in menu order.
void RegisterElementFamilies(ElementRegistry& registry);

} // namespace razo
