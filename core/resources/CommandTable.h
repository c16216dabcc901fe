#pragma once
#include <span>
#include <string>

namespace razo {

// One command of the program: its frozen id, a stable key, the menu caption (before the tab),
// the text after the tab (accelerator and dialect hint), and its string resource split into the
// status-bar prompt and the tooltip. Empty texts mean "none".
struct CommandInfo {
    int id;
    const char* key;
    const char* caption;
    const char* tabText;
    const char* prompt;
    const char* tooltip;
};

// Every command of the program, each once.
std::span<const CommandInfo> Commands();
// nullptr when the id is unknown.
const CommandInfo* FindCommand(int id);

} // namespace razo
