#include "core/elements/StandardTags.h"

#include "core/elements/ElementRegistry.h"
#include "core/resources/CommandIds.h"

namespace razo {

namespace {

// Runs a command of the view's route as its menu item would.
void RunViewCommand(CRazoView& view, int id) {
    if (const CommandTarget::Handler* handler = view.Target().FindCommand(id)) {
        auto run = *handler;
        run();
    }
}

} // namespace

void RegisterStandardTags(ElementRegistry& registry) {
    registry.Command(cmd::InsertStandardTags, [](ElementContext& context) {
        // Each step acts on the selection the previous one left: the document type goes to the
        // top and leaves the caret behind its line, so the rest follows it there.
        RunViewCommand(context.view, cmd::DocumentType);
        RunViewCommand(context.view, cmd::Html);
        context.view.InsertTagPair(standardTags::HeadBlock, "", false);
        RunViewCommand(context.view, cmd::Body);
    });
}

} // namespace razo
