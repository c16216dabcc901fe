#include "core/view/StandardTags.h"

#include "core/dialogs/DialogRunner.h"
#include "core/elements/Html5Page.h"
#include "core/resources/CommandIds.h"
#include "core/resources/DocumentTypeLines.h"
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

// HTML with its language and the modern head; a cancelled dialog writes its defaults.
void InsertHtml5Start(CRazoView& view, ElementServices& services) {
    CHtml5PageDialog page(services);
    if (services.dialogs.RunModal(page))
        RememberPageLanguage(services.profile, page);
    const TagPair html = BuildHtml5Html(page);
    view.InsertTagPair(html.start, html.end, false);
    view.InsertTagPair(BuildHtml5Head(page), "", false);
}

} // namespace

void RegisterStandardTags(CRazoView& view, ElementServices& services) {
    view.Target().OnCommand(cmd::InsertStandardTags, [&view, &services] {
        // Each step acts on the selection the previous one left: the document type goes to the
        // top and leaves the caret behind its line, so the rest follows it there.
        const unsigned long before = view.Insertions();
        RunViewCommand(view, cmd::DocumentType);
        if (view.Insertions() != before && view.LastStart() == Html5DocumentTypeLine) {
            InsertHtml5Start(view, services);
        } else {
            RunViewCommand(view, cmd::Html);
            view.InsertTagPair(standardTags::HeadBlock, "", false);
        }
        RunViewCommand(view, cmd::Body);
    });
}

} // namespace razo
