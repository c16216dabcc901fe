#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace razo {

// A help page made from the program's tables, so it cannot fall behind them.
struct GeneratedHelpPage {
    std::string file;  // "menu-font.html"
    std::string title; // "Font menu"
    std::string html;  // the whole page
};

// The command pages: one per menu of the document menu bar, in menu-bar order, then the toolbar
// buttons that stand in no menu, then the keys that send a command no menu or toolbar has. Each
// command is named by its caption and described by its keys, toolbars, status-bar prompt and
// what it inserts or which dialog it opens.
const std::vector<GeneratedHelpPage>& CommandHelpPages();
// nullptr when no command page has that file name.
const GeneratedHelpPage* FindCommandHelpPage(std::string_view file);

// Where a command is described: its first menu's page and its own anchor
// ("menu-font.html#font.bold"); empty when no menu, toolbar or key sends it.
std::string CommandHelpLink(int id);
// The page of the top-level menu with this caption, mnemonic or not ("F&ont", "Font"); empty
// for none.
std::string MenuHelpLink(std::string_view caption);

// The file under which a dialog's help page is served, and back; 0 when `file` names none.
std::string DialogHelpFile(int contextId);
int DialogHelpContext(std::string_view file);

// One line of the help contents: a page, with the heading it is listed under.
struct HelpContentsEntry {
    std::string group; // "Commands" or "Dialogs"
    std::string file;
    std::string title;
};
// The command pages, then every dialog's page sorted by title.
const std::vector<HelpContentsEntry>& HelpContents();
// The same list as HTML headings and links, for the index page.
std::string HelpContentsHtml();

} // namespace razo
