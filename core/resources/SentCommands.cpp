#include "core/resources/SentCommands.h"

#include <set>

#include "core/resources/Accelerators.h"
#include "core/resources/Menus.h"
#include "core/resources/Toolbars.h"

namespace razo {

namespace {

void AddMenuCommands(const std::vector<MenuEntry>& entries, std::set<int>& ids) {
    for (const MenuEntry& entry : entries) {
        if (entry.kind == MenuEntryKind::Command || entry.kind == MenuEntryKind::RecentFiles)
            ids.insert(entry.id);
        AddMenuCommands(entry.children, ids);
    }
}

} // namespace

std::vector<int> SentCommandIds() {
    std::set<int> ids;
    AddMenuCommands(NoDocumentMenuBar(), ids);
    AddMenuCommands(DocumentMenuBar(), ids);
    for (const ToolbarInfo& bar : Toolbars())
        for (int id : bar.buttons)
            if (id != ToolbarSeparator)
                ids.insert(id);
    for (const Accelerator& key : AcceleratorTable())
        ids.insert(key.id);
    return {ids.begin(), ids.end()};
}

} // namespace razo
