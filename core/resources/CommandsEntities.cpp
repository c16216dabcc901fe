#include <string>
#include <vector>

#include "core/resources/CommandTableParts.h"
#include "core/resources/EntityTable.h"

namespace razo::detail {

// The character commands stand in no menu and show no tooltip; their keys carry the entity's
// own name, so they are case-sensitive ("entity.Aacute", "entity.aacute").
std::span<const CommandInfo> EntityCommands() {
    struct Rows {
        std::vector<std::string> keys;
        std::vector<CommandInfo> commands;
    };
    static const Rows rows = [] {
        Rows made;
        for (const EntityInfo& entity : EntityTable())
            made.keys.push_back(std::string("entity.") + entity.name);
        for (size_t i = 0; i < EntityTable().size(); ++i) {
            const EntityInfo& entity = EntityTable()[i];
            made.commands.push_back({entity.id, made.keys[i].c_str(), "", "", entity.prompt, ""});
        }
        return made;
    }();
    return rows.commands;
}

} // namespace razo::detail
