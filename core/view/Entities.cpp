#include "core/view/Entities.h"

#include "core/resources/CommandIds.h"
#include "core/resources/EntityTable.h"
#include "core/view/RazoView.h"

namespace razo {

std::string HomePageButtonText() {
    return std::string("<A HREF=\"") + HomePageAddress + "\"><IMG SRC=\"" + HomePageButtonImageAddress +
           "\" ALT=\"Razo 32-bit HTML editor home page\" WIDTH=96 HEIGHT=31></A>\r\n";
}

void RegisterEntityCommands(CRazoView& view) {
    for (const EntityInfo& entity : EntityTable()) {
        const std::string text = entity.text;
        view.Target().OnCommand(entity.id, [&view, text] { view.InsertTagPair(text, "", false); });
    }
    view.Target().OnCommand(cmd::HomePageButton,
                            [&view] { view.InsertTagPair(HomePageButtonText(), "", false); });
}

} // namespace razo
