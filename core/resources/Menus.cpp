#include "core/resources/Menus.h"
#include "core/resources/CommandIds.h"

#include <initializer_list>

#include "core/resources/CommandTable.h"

namespace razo {

namespace {

// The menus name commands by id only; caption and tab text come from the command table here, once,
// so every consumer sees a finished entry.
MenuEntry Entry(MenuEntryKind kind, int id = 0) {
    MenuEntry entry{};
    entry.kind = kind;
    entry.id = id;
    return entry;
}

MenuEntry Cmd(int id) {
    MenuEntry entry = Entry(MenuEntryKind::Command, id);
    if (const CommandInfo* info = FindCommand(id)) {
        entry.caption = info->caption;
        entry.tabText = MenuTabText(id);
    }
    return entry;
}

// A command shown with a tab text of its own in this one place.
MenuEntry Cmd(int id, const char* tabText) {
    MenuEntry entry = Cmd(id);
    entry.tabText = tabText;
    return entry;
}

constexpr int kSep = 0; // a separator in an item list

// One item of a menu written in place: a command id, kSep, or a finished entry.
struct Item {
    Item(int id) : entry(id == kSep ? Entry(MenuEntryKind::Separator) : Cmd(id)) {}
    Item(MenuEntry e) : entry(std::move(e)) {}
    MenuEntry entry;
};

std::vector<MenuEntry> Items(std::initializer_list<Item> items) {
    std::vector<MenuEntry> entries;
    for (const Item& item : items)
        entries.push_back(item.entry);
    return entries;
}

MenuEntry Submenu(const char* caption, std::vector<MenuEntry> children, const char* tabText = "") {
    return {MenuEntryKind::Submenu, 0, caption, tabText, std::move(children)};
}

MenuEntry Submenu(const char* caption, std::initializer_list<Item> items, const char* tabText = "") {
    return Submenu(caption, Items(items), tabText);
}

MenuEntry RecentFiles() {
    MenuEntry entry = Cmd(cmd::FileMruFirst);
    entry.kind = MenuEntryKind::RecentFiles;
    return entry;
}

MenuEntry WindowList() {
    return Entry(MenuEntryKind::WindowList);
}

// The toolbar toggles and the status bar: the whole View menu while no document is open.
std::vector<MenuEntry> BarToggles() {
    return Items({cmd::ToolbarStandard, cmd::ToolbarHeading, cmd::ToolbarFont, cmd::ToolbarPhrase,
                  cmd::ToolbarList, cmd::ToolbarStructure, cmd::ToolbarLink, cmd::ToolbarForm,
                  cmd::ToolbarTable, cmd::ToolbarJava, cmd::ToolbarNetscape, cmd::ToolbarMicrosoft,
                  cmd::ToolbarHtml5, cmd::ToolbarCapital, cmd::ToolbarSmall, cmd::ToolbarOther,
                  cmd::ViewStatusBar});
}

MenuEntry ViewMenu() {
    std::vector<MenuEntry> entries = BarToggles();
    for (MenuEntry& entry : Items({kSep, cmd::ChooseDisplayFont, cmd::ToggleWordWrap, cmd::SetTabStops,
                                   cmd::ToggleSyntaxColouring, cmd::ToggleLineNumbers}))
        entries.push_back(std::move(entry));
    return Submenu("&View", std::move(entries));
}

// The HTML5 menu, a submenu per family; a submenu shows once its family has commands.
MenuEntry Html5Menu() {
    const std::vector<MenuEntry> families = {
        Submenu("&Sections",
                {cmd::Header, cmd::Nav, cmd::Main, cmd::Article, cmd::Section, cmd::Aside, cmd::Footer,
                 cmd::ContactAddress, kSep, cmd::Figure, cmd::Details, cmd::HeadingGroup}),

        Submenu("&Text", {cmd::Mark, cmd::Time, cmd::Abbreviation, cmd::Data, kSep, cmd::Small,
                          cmd::StruckOut, cmd::Citation, cmd::Quotation, cmd::DefineTerm, kSep,
                          cmd::BidiIsolate, cmd::WordBreakOpportunity}),

        Submenu("&Media",
                {cmd::Audio, cmd::Video, cmd::Picture, kSep, cmd::InlineFrame, cmd::Embed, cmd::Object}),

        Submenu("&Forms", {cmd::InputHtml5, kSep, cmd::FormLabel, cmd::FieldSet, cmd::FormButton, kSep,
                           cmd::DataList, cmd::FormOutput, cmd::Progress, cmd::Meter}),

        Submenu("&Head", {cmd::MetaCharset, cmd::MetaName, cmd::LinkHtml5, cmd::BaseHtml5, kSep,
                          cmd::ScriptHtml5, cmd::NoScript, cmd::StyleHtml5, cmd::ContentTemplate}),
    };
    std::vector<MenuEntry> shown;
    for (const MenuEntry& family : families)
        if (!family.children.empty())
            shown.push_back(family);
    return Submenu("HTML&5", std::move(shown));
}

MenuEntry HelpMenu() {
    return Submenu("&Help", {cmd::HelpIndex, cmd::HelpUsing, kSep, cmd::AppAbout});
}

std::vector<MenuEntry> BuildNoDocumentMenuBar() {
    return {
        Submenu("&File", {cmd::FileNew, cmd::FileOpen, kSep, cmd::FilePrintSetup, kSep, cmd::Preferences,
                          kSep, RecentFiles(), kSep, cmd::AppExit}),
        Submenu("&View", BarToggles()),
        HelpMenu(),
    };
}

std::vector<MenuEntry> BuildDocumentMenuBar() {
    return {
        Submenu("&File",
                {cmd::FileNew, cmd::FileOpen, cmd::FileClose, cmd::FileSave, cmd::FileSaveAs, kSep,
                 cmd::BrowserTest, cmd::BrowserTest2, cmd::Preferences, kSep, cmd::FilePrint,
                 cmd::FilePrintPreview, cmd::FilePrintSetup, kSep, RecentFiles(), kSep, cmd::AppExit}),
        Submenu("&Edit",
                {cmd::EditUndo, cmd::EditRedo, cmd::RepeatTags, cmd::EditTag, kSep, cmd::EditCut,
                 cmd::EditCopy, cmd::EditPaste, kSep, cmd::EditFind, cmd::EditFindNext, cmd::EditReplace,
                 kSep, cmd::EditSelectAll, kSep, cmd::GoToLine, cmd::GoToMatchingTag}),
        ViewMenu(),
        Submenu("F&ont", {cmd::Bold, cmd::Italic, cmd::Teletype, cmd::Underline, cmd::Strike, cmd::Big,
                          cmd::Small, cmd::Subscript, cmd::Superscript, kSep, cmd::Font}),
        Submenu("&Phrase", {cmd::Citation, cmd::Code, cmd::Emphasis, cmd::Keyboard, cmd::Sample, cmd::Strong,
                            cmd::Variable, cmd::DefineTerm}),
        Submenu("&Lists", {cmd::UnorderedList, cmd::OrderedList, cmd::DirectoryList, cmd::MenuList,
                           cmd::ListItem, kSep, cmd::DefinitionList, cmd::Term, cmd::Definition}),
        Submenu("&Structure", {cmd::InsertStandardTags, cmd::DocumentType, kSep, cmd::Html,
                               Submenu("&Head Tags", {cmd::Head, cmd::Title, cmd::IsIndex, cmd::Base,
                                                      cmd::Meta, cmd::LinkElement}),
                               Submenu("&Body Tags", {cmd::Body, cmd::Paragraph, cmd::Preformatted,
                                                      cmd::Blockquote, cmd::Address, cmd::LineBreak,
                                                      cmd::HorizontalRule, cmd::Centre, cmd::Division}),
                               kSep, cmd::Heading1, cmd::Heading2, cmd::Heading3, cmd::Heading4,
                               cmd::Heading5, cmd::Heading6}),
        Submenu(
            "Ele&ments",
            {cmd::Comment, cmd::Anchor, cmd::Link, kSep, cmd::Image, cmd::ImageMap, cmd::ImageMapArea, kSep,
             Submenu("&Form Tags",
                     {cmd::Form, cmd::FormInput, cmd::FormSelect, cmd::FormOption, cmd::FormTextArea}),
             Submenu("&Table Tags", {cmd::Table, cmd::TableRow, cmd::TableHeader, cmd::TableData},
                     "(HTML3.2)"),
             Submenu("&Java Tags", {cmd::Applet, cmd::AppletParam}, "(HTML3.2)"), kSep, cmd::HomePageButton}),
        Submenu("&Netscape", {Submenu("H&ead Tags", {cmd::BaseNetscape}),
                              Submenu("&Body Tags", {cmd::BodyNetscape, cmd::NoBreak, cmd::WordBreak}),
                              Submenu("&Table Tags", {cmd::TableHeaderNetscape, cmd::TableDataNetscape}),
                              Submenu("&Form Tags", {cmd::FormNetscape}), kSep, cmd::LinkNetscape, kSep,
                              Submenu("F&ont Tags", {cmd::BaseFont, cmd::FontNetscape, cmd::Blink}), kSep,
                              cmd::ImageNetscape, Cmd(cmd::ImageMap, ""), // no dialect hint in this menu
                              cmd::ImageMapAreaNetscape, kSep,
                              Submenu("F&rame Tags", {cmd::Frameset, cmd::Frame, cmd::NoFrames})}),
        Submenu("M&icrosoft", {Submenu("&Body Tags", {cmd::BodyMicrosoft, cmd::NoBreak, cmd::WordBreak}),
                               Submenu("&Table Tags", {cmd::TableMicrosoft, cmd::TableRowMicrosoft,
                                                       cmd::TableHeaderMicrosoft, cmd::TableDataMicrosoft}),
                               kSep, Submenu("&Font Tags", {cmd::BaseFont, cmd::FontMicrosoft, cmd::Blink}),
                               kSep, cmd::ImageMicrosoft, kSep, cmd::BackgroundSound, cmd::Marquee}),
        Html5Menu(),
        Submenu("&Tools", {cmd::CheckPage, kSep, cmd::NextProblem, cmd::PreviousProblem, cmd::ProblemList}),
        Submenu("&Window", {cmd::WindowCascade, cmd::WindowTile, cmd::WindowArrange, WindowList()}),
        HelpMenu(),
    };
}

} // namespace

const std::vector<MenuEntry>& NoDocumentMenuBar() {
    static const std::vector<MenuEntry> bar = BuildNoDocumentMenuBar();
    return bar;
}

const std::vector<MenuEntry>& DocumentMenuBar() {
    static const std::vector<MenuEntry> bar = BuildDocumentMenuBar();
    return bar;
}

const std::vector<MenuEntry>& PageContextMenu() {
    static const std::vector<MenuEntry> menu =
        Items({cmd::EditUndo, cmd::EditRedo, cmd::RepeatTags, kSep, cmd::EditCut, cmd::EditCopy,
               cmd::EditPaste, kSep, cmd::EditSelectAll, kSep, cmd::EditTag});
    return menu;
}

} // namespace razo
