#pragma once
#include <span>

namespace razo {

// The toolbar on which an entity's button sits.
enum class SymbolBar { Capital, Small, Other };

// One character entity command: its id, the entity's own name (case-sensitive: "Aacute" and
// "aacute" are two entities), the reference it inserts, its status-bar prompt and its toolbar.
// The command table, the insertion handlers and the three symbol toolbars are all made from this
// one list.
struct EntityInfo {
    int id;
    const char* name;
    const char* text;
    const char* prompt;
    SymbolBar bar;
};

// The sixty-eight entities in button order.
std::span<const EntityInfo> EntityTable();

} // namespace razo
