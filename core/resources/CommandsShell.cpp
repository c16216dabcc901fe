#include "resources/CommandTableParts.h"

namespace razo::detail {

namespace {

// The program's frame commands. Ids from 57600 up are the classic desktop ones and keep their
// classic wording; the toolbar toggles are the toolbars' own control ids.
constexpr CommandInfo kShellCommands[] = {
    // File
    {57600, "file.new", "&New", "Ctrl+N", "Create a new document", "New"},
    {57601, "file.open", "&Open...", "Ctrl+O", "Open an existing document", "Open"},
    {57602, "file.close", "&Close", "", "Close the active document", "Close"},
    {57603, "file.save", "&Save", "Ctrl+S", "Save the active document", "Save"},
    {57604, "file.saveAs", "Save &As...", "", "Save the active document with a new name", "Save As"},
    {32870, "file.browserTest", "Browser1 &Test", "", "Test document with selected HTML Browser",
     "Browser Test"},
    {32968, "file.browserTest2", "&Browser2 Test", "", "Test document with second selected HTML Browser",
     "Browser Test"},
    {32916, "file.preferences", "Pre&ferences...", "", "Change the program's preferences", "Preferences"},
    {57607, "file.print", "&Print...", "", "Print the active document", "Print"},
    {57609, "file.printPreview", "Print Pre&view", "", "Display full pages", "Print Preview"},
    {57606, "file.printSetup", "P&rint Setup...", "", "Change the printer and printing options",
     "Print Setup"},
    {57616, "file.mru", "Recent File", "", "Open this document", ""},
    {57665, "file.exit", "E&xit", "", "Quit the application; prompts to save documents", "Exit"},

    // Edit
    {57643, "edit.undo", "&Undo", "Ctrl+Z", "Undo the last action", "Undo"},
    {32914, "edit.repeatTags", "R&epeat Last Tag Insertion", "Ctrl+Y", "Repeat the last tag insertion",
     "Repeat Tags"},
    {57635, "edit.cut", "Cu&t", "Ctrl+X", "Cut the selection and put it on the Clipboard", "Cut"},
    {57634, "edit.copy", "&Copy", "Ctrl+C", "Copy the selection and put it on the Clipboard", "Copy"},
    {57637, "edit.paste", "&Paste", "Ctrl+V", "Insert Clipboard contents", "Paste"},
    {57636, "edit.find", "&Find", "Ctrl+F", "Find the specified text", "Find"},
    {57640, "edit.findNext", "Find &Next", "F3", "Find the next occurrence of the specified text",
     "Find Next"},
    {57641, "edit.replace", "&Replace", "Ctrl+R", "Replace specific text with different text", "Replace"},
    {57642, "edit.selectAll", "Select &All", "", "Select the entire document", "Select All"},

    // View: the toolbar toggles, in View menu order
    {33073, "view.toolbar.standard", "&Standard Toolbar", "", "Show or hide the Standard toolbar",
     "Toggle Standard"},
    {33074, "view.toolbar.heading", "&Headings Toolbar", "", "Show or hide the Heading Elements toolbar",
     "Toggle Heading Elements"},
    {33098, "view.toolbar.font", "&Fonts Toolbar", "", "Show or hide the Font Elements toolbar",
     "Toggle Font Elements"},
    {33177, "view.toolbar.phrase", "&Phrase Toolbar", "", "Show or hide the Phrase Elements toolbar",
     "Toggle Phrase Elements"},
    {33106, "view.toolbar.list", "&Lists Toolbar", "", "Show or hide the List Elements toolbar",
     "Toggle List Elements"},
    {33119, "view.toolbar.structure", "Str&ucture Toolbar", "", "Show or hide the Structure Elements toolbar",
     "Toggle Structure Elements"},
    {33130, "view.toolbar.link", "Link/&Image Toolbar", "", "Show or hide the Link/Image Elements toolbar",
     "Toggle Link/Image Elements"},
    {33137, "view.toolbar.form", "Fo&rm Toolbar", "", "Show or hide the Form Elements toolbar",
     "Toggle Form Elements"},
    {33168, "view.toolbar.table", "&Table Toolbar", "", "Show or hide the Table Elements toolbar",
     "Toggle Table Elements"},
    {33169, "view.toolbar.java", "&Java Toolbar", "", "Show or hide the Java Elements toolbar",
     "Toggle Java Elements"},
    {33170, "view.toolbar.netscape", "&Netscape Bar", "", "Show or hide the Netscape Elements toolbar",
     "Toggle Netscape Elements"},
    {33171, "view.toolbar.microsoft", "&Microsoft Toolbar", "", "Show or hide the Microsoft Elements toolbar",
     "Toggle Microsoft Elements"},
    {33075, "view.toolbar.capital", "&Capital Symbols Toolbar", "",
     "Show or hide the Capital Latin Symbols toolbar", "Toggle Capital Latin Symbols"},
    {33076, "view.toolbar.small", "Small S&ymbols Toolbar", "",
     "Show or hide the Small Latin Symbols toolbar", "Toggle Small Latin Symbols"},
    {33084, "view.toolbar.other", "&Other Symbols Toolbar", "", "Show or hide the Other Symbols toolbar",
     "Toggle Other Symbols"},
    // View: the rest
    {59393, "view.statusBar", "Status &Bar", "", "Show or hide the status bar", "Toggle Status Bar"},
    {32944, "view.displayFont", "Choose &Display Font...", "Ctrl+Shift+F",
     "Select display font for this window", "Display Font"},
    {32946, "view.wordWrap", "&Word Wrap", "Ctrl+W", "Toggles word rwap on and off", "Word Wrap"},
    {32958, "view.tabStops", "Set Ta&bstops...", "", "Set the number of spaces per tab", "Tab Stops"},

    // Window
    {57650, "window.cascade", "&Cascade", "", "Arrange windows so they overlap", "Cascade Windows"},
    {57651, "window.tile", "&Tile", "", "Arrange windows as non-overlapping tiles", "Tile Windows"},
    {57649, "window.arrangeIcons", "&Arrange Icons", "", "Arrange icons at the bottom of the window",
     "Arrange Icons"},
    {57680, "window.nextPane", "", "", "Switch to the next window pane", "Next Pane"},
    {57681, "window.prevPane", "", "", "Switch back to the previous window pane", "Previous Pane"},

    // Help
    {57666, "help.contents", "&Contents", "", "Open the contents of Help", "Help Contents"},
    {57668, "help.using", "&Using Help", "", "Display instructions about how to use Help", "Using Help"},
    {57664, "help.about", "&About Razo...", "", "Display program information, version number and copyright",
     "About"},
    {57669, "help.context", "", "", "Display help for clicked buttons, menus and windows", "Help"},
    {57670, "help.help", "", "", "Display help for the current task or command", "Help"},
};

} // namespace

std::span<const CommandInfo> ShellCommands() {
    return kShellCommands;
}

} // namespace razo::detail
