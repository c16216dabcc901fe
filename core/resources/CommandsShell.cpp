#include "core/resources/CommandIds.h"
#include "core/resources/CommandTableParts.h"

namespace razo::detail {

namespace {

// The program's frame commands. Ids from cmd::FileNew up are the classic desktop ones and keep their
// classic wording; the toolbar toggles are the toolbars' own control ids.
constexpr CommandInfo kShellCommands[] = {
    // File
    {cmd::FileNew, "file.new", "&New", "", "Create a new document", "New"},
    {cmd::FileOpen, "file.open", "&Open...", "", "Open an existing document", "Open"},
    {cmd::FileClose, "file.close", "&Close", "", "Close the active document", "Close"},
    {cmd::FileSave, "file.save", "&Save", "", "Save the active document", "Save"},
    {cmd::FileSaveAs, "file.saveAs", "Save &As...", "", "Save the active document with a new name",
     "Save As"},
    {cmd::BrowserTest, "file.browserTest", "Browser1 &Test", "", "Test document with selected HTML Browser",
     "Browser Test"},
    {cmd::BrowserTest2, "file.browserTest2", "&Browser2 Test", "",
     "Test document with second selected HTML Browser", "Browser Test"},
    {cmd::Preferences, "file.preferences", "Pre&ferences...", "", "Change the program's preferences",
     "Preferences"},
    {cmd::FilePrint, "file.print", "&Print...", "", "Print the active document", "Print"},
    {cmd::FilePrintPreview, "file.printPreview", "Print Pre&view", "", "Display full pages", "Print Preview"},
    {cmd::FilePrintSetup, "file.printSetup", "P&rint Setup...", "", "Change the printer and printing options",
     "Print Setup"},
    {cmd::FileMruFirst, "file.mru", "Recent File", "", "Open this document", ""},
    {cmd::AppExit, "file.exit", "E&xit", "", "Quit the application; prompts to save documents", "Exit"},

    // Edit
    {cmd::EditUndo, "edit.undo", "&Undo", "", "Undo the last action", "Undo"},
    {cmd::EditRedo, "edit.redo", "&Redo", "", "Redo the previously undone action", "Redo"},
    {cmd::RepeatTags, "edit.repeatTags", "R&epeat Last Tag Insertion", "", "Repeat the last tag insertion",
     "Repeat Tags"},
    {cmd::EditCut, "edit.cut", "Cu&t", "", "Cut the selection and put it on the Clipboard", "Cut"},
    {cmd::EditCopy, "edit.copy", "&Copy", "", "Copy the selection and put it on the Clipboard", "Copy"},
    {cmd::EditPaste, "edit.paste", "&Paste", "", "Insert Clipboard contents", "Paste"},
    {cmd::EditFind, "edit.find", "&Find", "", "Find the specified text", "Find"},
    {cmd::EditFindNext, "edit.findNext", "Find &Next", "", "Find the next occurrence of the specified text",
     "Find Next"},
    {cmd::EditReplace, "edit.replace", "&Replace", "", "Replace specific text with different text",
     "Replace"},
    {cmd::EditSelectAll, "edit.selectAll", "Select &All", "", "Select the entire document", "Select All"},
    {cmd::EditTag, "edit.tag", "Edit &Tag...", "", "Edit the tag at the caret in the dialog that builds it",
     "Edit Tag"},

    // View: the toolbar toggles, in View menu order
    {cmd::ToolbarStandard, "view.toolbar.standard", "&Standard Toolbar", "",
     "Show or hide the Standard toolbar", "Toggle Standard"},
    {cmd::ToolbarHeading, "view.toolbar.heading", "&Headings Toolbar", "",
     "Show or hide the Heading Elements toolbar", "Toggle Heading Elements"},
    {cmd::ToolbarFont, "view.toolbar.font", "&Fonts Toolbar", "", "Show or hide the Font Elements toolbar",
     "Toggle Font Elements"},
    {cmd::ToolbarPhrase, "view.toolbar.phrase", "&Phrase Toolbar", "",
     "Show or hide the Phrase Elements toolbar", "Toggle Phrase Elements"},
    {cmd::ToolbarList, "view.toolbar.list", "&Lists Toolbar", "", "Show or hide the List Elements toolbar",
     "Toggle List Elements"},
    {cmd::ToolbarStructure, "view.toolbar.structure", "Str&ucture Toolbar", "",
     "Show or hide the Structure Elements toolbar", "Toggle Structure Elements"},
    {cmd::ToolbarLink, "view.toolbar.link", "Link/&Image Toolbar", "",
     "Show or hide the Link/Image Elements toolbar", "Toggle Link/Image Elements"},
    {cmd::ToolbarForm, "view.toolbar.form", "Fo&rm Toolbar", "", "Show or hide the Form Elements toolbar",
     "Toggle Form Elements"},
    {cmd::ToolbarTable, "view.toolbar.table", "&Table Toolbar", "", "Show or hide the Table Elements toolbar",
     "Toggle Table Elements"},
    {cmd::ToolbarJava, "view.toolbar.java", "&Java Toolbar", "", "Show or hide the Java Elements toolbar",
     "Toggle Java Elements"},
    {cmd::ToolbarNetscape, "view.toolbar.netscape", "&Netscape Bar", "",
     "Show or hide the Netscape Elements toolbar", "Toggle Netscape Elements"},
    {cmd::ToolbarMicrosoft, "view.toolbar.microsoft", "&Microsoft Toolbar", "",
     "Show or hide the Microsoft Elements toolbar", "Toggle Microsoft Elements"},
    {cmd::ToolbarCapital, "view.toolbar.capital", "&Capital Symbols Toolbar", "",
     "Show or hide the Capital Latin Symbols toolbar", "Toggle Capital Latin Symbols"},
    {cmd::ToolbarSmall, "view.toolbar.small", "Small S&ymbols Toolbar", "",
     "Show or hide the Small Latin Symbols toolbar", "Toggle Small Latin Symbols"},
    {cmd::ToolbarOther, "view.toolbar.other", "&Other Symbols Toolbar", "",
     "Show or hide the Other Symbols toolbar", "Toggle Other Symbols"},
    {cmd::ToolbarHtml5, "view.toolbar.html5", "HTML&5 Toolbar", "", "Show or hide the HTML5 Elements toolbar",
     "Toggle HTML5 Elements"},
    // View: the rest
    {cmd::ViewStatusBar, "view.statusBar", "Status &Bar", "", "Show or hide the status bar",
     "Toggle Status Bar"},
    {cmd::ChooseDisplayFont, "view.displayFont", "Choose &Display Font...", "",
     "Select display font for this window", "Display Font"},
    {cmd::ToggleWordWrap, "view.wordWrap", "&Word Wrap", "", "Toggles word rwap on and off", "Word Wrap"},
    {cmd::SetTabStops, "view.tabStops", "Set Ta&bstops...", "", "Set the number of spaces per tab",
     "Tab Stops"},
    {cmd::ToggleSyntaxColouring, "view.syntaxColouring", "Syntax &Colouring", "",
     "Colour tags, attributes, comments, style sheets and scripts", "Syntax Colouring"},
    {cmd::ToggleLineNumbers, "view.lineNumbers", "Line &Numbers", "", "Show or hide the line numbers",
     "Line Numbers"},

    // Edit: moving the caret
    {cmd::GoToLine, "edit.goToLine", "&Go to Line...", "", "Move the caret to a line and column",
     "Go to Line"},
    {cmd::GoToMatchingTag, "edit.goToMatchingTag", "Go to &Matching Tag", "",
     "Move the caret to the tag that closes or opens the tag at the caret", "Go to Matching Tag"},

    // Window
    {cmd::WindowCascade, "window.cascade", "&Cascade", "", "Arrange windows so they overlap",
     "Cascade Windows"},
    {cmd::WindowTile, "window.tile", "&Tile", "", "Arrange windows as non-overlapping tiles", "Tile Windows"},
    {cmd::WindowArrange, "window.arrangeIcons", "&Arrange Icons", "",
     "Arrange icons at the bottom of the window", "Arrange Icons"},
    {cmd::NextPane, "window.nextPane", "", "", "Switch to the next window pane", "Next Pane"},
    {cmd::PrevPane, "window.prevPane", "", "", "Switch back to the previous window pane", "Previous Pane"},

    // Help
    {cmd::HelpIndex, "help.contents", "&Contents", "", "Open the contents of Help", "Help Contents"},
    {cmd::HelpUsing, "help.using", "&Using Help", "", "Display instructions about how to use Help",
     "Using Help"},
    {cmd::AppAbout, "help.about", "&About Razo...", "",
     "Display program information, version number and copyright", "About"},
    {cmd::ContextHelp, "help.context", "", "", "Display help for clicked buttons, menus and windows", "Help"},
    {cmd::Help, "help.help", "", "", "Display help for the current task or command", "Help"},
};

} // namespace

std::span<const CommandInfo> ShellCommands() {
    return kShellCommands;
}

} // namespace razo::detail
