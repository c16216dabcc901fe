#include "core/view/StandardTags.h"

#include "core/resources/CommandIds.h"
#include "core/view/RazoView.h"

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

void RegisterStandardTags(CRazoView& view) {
    view.Target().OnCommand(cmd::InsertStandardTags, [&view] {
        // Each step acts on the selection the previous one left: the document type goes to the
        // top and leaves the caret behind its line, so the rest follows it there.
        RunViewCommand(view, cmd::DocumentType);
        RunViewCommand(view, cmd::Html);
        view.InsertTagPair(standardTags::HeadBlock, "", false);
        RunViewCommand(view, cmd::Body);
    });
}

} // namespace razo
