#pragma once
#include <span>
#include <string>

namespace razo {

// One command of the program: its id (a name of core/resources/CommandIds.h), a stable key, the menu
// caption (before the tab), the dialect hint after the tab (the key, when the command has one,
// comes from the accelerator table), and its string resource split into the status-bar prompt
// and the tooltip. Empty texts mean "none".
struct CommandInfo {
    int id;
    const char* key;
    const char* caption;
    const char* hint;
    const char* prompt;
    const char* tooltip;
};

// Every command of the program, each once.
std::span<const CommandInfo> Commands();
// nullptr when the id is unknown.
const CommandInfo* FindCommand(int id);
// What a menu shows after the tab: the command's first key and its dialect hint, three blanks
// apart when it has both ("Ctrl+U   (HTML3.2)").
std::string MenuTabText(int id);

} // namespace razo
