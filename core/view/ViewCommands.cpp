#include "core/view/ViewCommands.h"

#include "core/elements/EditTag.h"
#include "core/elements/ElementRegistry.h"
#include "core/elements/ElementServices.h"
#include "core/resources/CommandIds.h"
#include "core/settings/MarkupStyleSetting.h"
#include "core/view/Entities.h"
#include "core/view/FixedTags.h"
#include "core/view/RazoView.h"
#include "core/view/StandardTags.h"

namespace razo {

namespace {

// Puts the element families' commands on one view's command route.
class ViewRegistry : public ElementRegistry {
public:
    ViewRegistry(CRazoView& view, ElementServices& services) : m_view(view), m_services(services) {}

    void DialogCommand(int id, RegisteredDialog, Handler handler) override {
        m_view.Target().OnCommand(id, [&view = m_view, &services = m_services, handler] {
            ElementContext context{view, services};
            handler(context);
        });
    }
    void SubDialog(RegisteredDialog) override {}

private:
    CRazoView& m_view;
    ElementServices& m_services;
};

} // namespace

void RegisterViewCommands(CRazoView& view, ElementServices& services) {
    view.SetMarkupStyle([&profile = services.profile] { return StoredMarkupStyle(profile); });
    RegisterFixedTagCommands(view);
    RegisterEntityCommands(view);
    ViewRegistry registry(view, services);
    RegisterElementFamilies(registry);
    RegisterStandardTags(view, services);
    view.Target().OnCommand(cmd::EditTag, [&view, &services] { EditTagAtCaret(view, services); });
}

} // namespace razo
