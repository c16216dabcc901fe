#pragma once
#include <string>
#include <vector>

namespace razo {

enum class MenuEntryKind {
    Command, // a command item; caption and tab text are filled in from the command table
    Separator,
    Submenu,     // caption and children
    RecentFiles, // where the recent-file list goes (cmd::FileMruFirst, caption filled in as for a command);
                 // grayed "Recent File" while empty
    WindowList,  // where the list of open document windows goes (end of the Window menu)
};

struct MenuEntry {
    MenuEntryKind kind;
    int id = 0;
    std::string caption; // with its & mnemonic
    std::string tabText; // shown after a tab; empty for none
    std::vector<MenuEntry> children;
};

// The menu bar while no document is open (resource 128) and while a document is active
// (resources 129 and 130, which are identical). Top-level entries are submenus.
const std::vector<MenuEntry>& NoDocumentMenuBar();
const std::vector<MenuEntry>& DocumentMenuBar();
// The menu of a page's text (its context menu): the program's own editing commands.
const std::vector<MenuEntry>& PageContextMenu();

} // namespace razo
