#pragma once
#include <functional>
#include <type_traits>

#include "core/dialogs/DialogTemplate.h"
#include "core/dialogs/ExpandDialog.h"
#include "core/elements/EditableElement.h"
#include "core/elements/ElementCommand.h"

namespace razo {

// A dialog as the program registers it: its template, and whether its class derives from
// CExpandDialog, which must agree with the template's own `expandable`.
struct RegisteredDialog {
    const DialogTemplate* dialogTemplate;
    bool expandableClass;
};

template <class Dialog> RegisteredDialog DialogOf() {
    return {&Dialog::TemplateData(), std::is_base_of_v<CExpandDialog, Dialog>};
}

// Where an element family registers itself, once: its commands, the dialog each command opens,
// and the sub-dialogs its dialogs open. The same registration fills a view's command route
// (ViewCommands) and the list of all dialogs with the command that opens each (the help's
// TemplateRegistry), so a family cannot have one without the other.
class ElementRegistry {
public:
    using Handler = std::function<void(ElementContext&)>;

    virtual ~ElementRegistry() = default;

    // Command `id` opens `dialog` and runs `handler`.
    virtual void DialogCommand(int id, RegisteredDialog dialog, Handler handler) = 0;
    // A dialog that another dialog of the family opens, not a command.
    virtual void SubDialog(RegisteredDialog dialog) = 0;
    // Command `id`'s dialog can also rewrite a start tag of the page (Edit Tag).
    virtual void EditableCommand(int /*id*/, EditableFactory /*make*/) {}

    // One element command: `Dialog` runs (constructed from `args`, and the profile when it is
    // expandable); on OK `build` makes the texts that go into the view. The line names the
    // dialog the command opens. A dialog with rows (TagRows) also edits its element's tags.
    template <class Dialog, class Build, class... Args> void Bind(int id, Build build, Args... args) {
        DialogCommand(id, DialogOf<Dialog>(), [build, args...](ElementContext& context) {
            RunElementCommand<Dialog>(context, build, args...);
        });
        if constexpr (HasTagRows<Dialog>)
            EditableCommand(id, [args...](ElementServices& services) -> std::unique_ptr<EditableElement> {
                return std::make_unique<EditableDialog<Dialog>>(
                    detail::MakeDialog<Dialog>(services, args...));
            });
    }
    template <class Dialog> void Shows() { SubDialog(DialogOf<Dialog>()); }
};

// Every element family's registration, in menu order.
void RegisterElementFamilies(ElementRegistry& registry);

} // namespace razo
