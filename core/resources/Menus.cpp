#include "resources/Menus.h"

#include <initializer_list>

#include "resources/CommandTable.h"

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
        entry.tabText = info->tabText;
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
    MenuEntry entry = Cmd(57616);
    entry.kind = MenuEntryKind::RecentFiles;
    return entry;
}

MenuEntry WindowList() {
    return Entry(MenuEntryKind::WindowList);
}

// The toolbar toggles and the status bar: the whole View menu while no document is open.
std::vector<MenuEntry> BarToggles() {
    return Items({33073, 33074, 33098, 33177, 33106, 33119, 33130, 33137, 33168, 33169, 33170, 33171, 33075,
                  33076, 33084, 59393});
}

MenuEntry ViewMenu() {
    std::vector<MenuEntry> entries = BarToggles();
    for (MenuEntry& entry : Items({kSep, 32944, 32946, 32958}))
        entries.push_back(std::move(entry));
    return Submenu("&View", std::move(entries));
}

MenuEntry HelpMenu() {
    return Submenu("&Help", {57666, 57668, kSep, 57664});
}

std::vector<MenuEntry> BuildNoDocumentMenuBar() {
    return {
        Submenu("&File", {57600, 57601, kSep, 57606, kSep, 32916, kSep, RecentFiles(), kSep, 57665}),
        Submenu("&View", BarToggles()),
        HelpMenu(),
    };
}

std::vector<MenuEntry> BuildDocumentMenuBar() {
    return {
        Submenu("&File", {57600, 57601, 57602, 57603, 57604, kSep, 32870, 32968, 32916, kSep, 57607, 57609,
                          57606, kSep, RecentFiles(), kSep, 57665}),
        Submenu("&Edit", {57643, 32914, kSep, 57635, 57634, 57637, kSep, 57636, 57640, 57641, kSep, 57642}),
        ViewMenu(),
        Submenu("F&ont", {32774, 32775, 32776, 32852, 32853, 32854, 32855, 32856, 32857, kSep, 32969}),
        Submenu("&Phrase", {32777, 32778, 32779, 32780, 32781, 32782, 32783, 32844}),
        Submenu("&Lists", {32785, 32786, 32787, 32788, 32784, kSep, 32789, 32790, 32872}),
        Submenu("&Structure",
                {32909, 32917, kSep, 32791, Submenu("&Head Tags", {32792, 32793, 32829, 32897, 32898, 32912}),
                 Submenu("&Body Tags", {32794, 32799, 32802, 32804, 32805, 32800, 32801, 32834, 32901}), kSep,
                 32809, 32810, 32811, 32812, 32813, 32814}),
        Submenu("Ele&ments", {32915, 32911, 32910, kSep, 32806, 32941, 32949, kSep,
                              Submenu("&Form Tags", {32874, 32875, 32876, 32877, 32878}),
                              Submenu("&Table Tags", {32879, 32881, 32882, 32883}, "(HTML3.2)"),
                              Submenu("&Java Tags", {32960, 32961}, "(HTML3.2)"), kSep, 33178}),
        Submenu("&Netscape", {Submenu("H&ead Tags", {32935}), Submenu("&Body Tags", {32841, 32832, 32833}),
                              Submenu("&Table Tags", {32895, 32896}), Submenu("&Form Tags", {32937}), kSep,
                              32936, kSep, Submenu("F&ont Tags", {32818, 32817, 32836}), kSep, 32835,
                              Cmd(32941, ""), // no dialect hint in this menu
                              32942, kSep, Submenu("F&rame Tags", {32932, 32933, 32934})}),
        Submenu("M&icrosoft",
                {Submenu("&Body Tags", {32919, 32832, 32833}),
                 Submenu("&Table Tags", {32921, 32922, 32923, 32924}), kSep,
                 Submenu("&Font Tags", {32818, 32951, 32836}), kSep, 32927, kSep, 32925, 32926}),
        Submenu("&Window", {57650, 57651, 57649, WindowList()}),
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

} // namespace razo
