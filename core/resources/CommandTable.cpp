#include "core/resources/CommandTable.h"

#include <unordered_map>
#include <vector>

#include "core/resources/Accelerators.h"
#include "core/resources/CommandTableParts.h"

namespace razo {

namespace {

const std::vector<CommandInfo>& AllCommands() {
    static const std::vector<CommandInfo> all = [] {
        std::vector<CommandInfo> joined;
        for (auto part : {detail::ShellCommands(), detail::ElementCommands(), detail::EntityCommands(),
                          detail::Html5Commands()})
            joined.insert(joined.end(), part.begin(), part.end());
        return joined;
    }();
    return all;
}

} // namespace

std::span<const CommandInfo> Commands() {
    return AllCommands();
}

const CommandInfo* FindCommand(int id) {
    static const std::unordered_map<int, const CommandInfo*> byId = [] {
        std::unordered_map<int, const CommandInfo*> index;
        for (const CommandInfo& info : AllCommands())
            index.emplace(info.id, &info);
        return index;
    }();
    auto it = byId.find(id);
    return it == byId.end() ? nullptr : it->second;
}

std::string MenuTabText(int id) {
    const CommandInfo* info = FindCommand(id);
    const char* keys = PrimaryKeys(id);
    std::string text = keys ? keys : "";
    if (info && *info->hint)
        text += (text.empty() ? "" : "   ") + std::string(info->hint);
    return text;
}

} // namespace razo
