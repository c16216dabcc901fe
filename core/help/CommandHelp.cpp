#include "core/help/CommandHelp.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <set>

#include "core/help/HelpTopics.h"
#include "core/help/TemplateRegistry.h"
#include "core/resources/Accelerators.h"
#include "core/resources/CommandIds.h"
#include "core/resources/CommandTable.h"
#include "core/resources/EntityTable.h"
#include "core/resources/Menus.h"
#include "core/resources/Toolbars.h"
#include "core/text/CharacterReference.h"
#include "core/view/Entities.h"
#include "core/view/FixedTags.h"

namespace razo {

namespace {

constexpr const char* ButtonsPage = "toolbar-buttons.html";
constexpr const char* KeysPage = "keys.html";

// What the tables cannot say about a command in their own words.
struct Note {
    int id;
    const char* name; // heading when the command has no caption
    const char* text;
};

const Note* FindNote(int id) {
    static const Note notes[] = {
        {cmd::Help, "Help",
         "Opens the help for what you are doing: the page of the open dialog, the page of the menu item "
         "under the mouse while a menu is open, and these contents otherwise."},
        {cmd::ContextHelp, "Context Help",
         "The pointer becomes a question mark. Click a toolbar button or a menu item to read its page; "
         "a click anywhere else opens the contents. Esc leaves without help."},
        {cmd::InsertStandardTags, nullptr,
         "Runs Insert document type definition, HTML, a head block with a title to fill in, and Body, "
         "in that order. Every new document gets these tags when it opens. With HTML5 chosen, the HTML5 "
         "Page dialog asks for the page's language and title, and the head declares UTF-8 and a viewport."},
        {cmd::FileMruFirst, nullptr,
         "The last eight documents you opened, most recent first; choose one to open it again. Grayed "
         "while the list is empty."},
        {cmd::ToggleSyntaxColouring, nullptr,
         "Colours tags, attribute names and values, character references, comments, the document type, "
         "style sheets in STYLE and scripts in SCRIPT, in colours that suit the desktop's light or dark "
         "palette. The text itself does not change. A page with a line longer than 64 KB is shown without "
         "colour. New windows keep the choice."},
        {cmd::ToggleLineNumbers, nullptr,
         "Shows each line's number in a margin at the left, as wide as the last line's number needs. New "
         "windows keep the choice."},
        {cmd::GoToLine, nullptr,
         "Asks for a line and, if you like, a column (the characters from the start of the line, as the "
         "status bar counts them). The caret goes there and the line is scrolled into the middle of the "
         "window. A line or column that is not on the page is refused."},
        {cmd::GoToMatchingTag, nullptr,
         "While the caret is in the name of a start or end tag, the tag that closes or opens it is marked; "
         "this moves the caret to its name, and pressed again, back. Comments and the content of SCRIPT and "
         "STYLE are passed over, and names match in any case. An element whose end tag is left out, as P, "
         "LI and TD often are, has no match. The tag is looked for at most 256 KB before or after."},
    };
    for (const Note& note : notes)
        if (note.id == id)
            return &note;
    return nullptr;
}

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    const size_t last = text.find_last_not_of(". ");
    return text.substr(first, last == std::string::npos || last < first ? 0 : last - first + 1);
}

// A caption as a heading: no mnemonic, no indent, no trailing dots ("  &Division.. " is "Division").
std::string CaptionText(const std::string& caption) {
    return Trimmed(WithoutMnemonic(caption));
}

std::string Slug(const std::string& caption) {
    std::string slug;
    for (char c : CaptionText(caption)) {
        if (std::isalnum(static_cast<unsigned char>(c)))
            slug += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        else if (!slug.empty() && slug.back() != '-')
            slug += '-';
    }
    return slug;
}

// Inserted text as a page shows it: escaped, a line break written out.
std::string Markup(const std::string& text) {
    std::string shown;
    for (size_t start = 0;;) {
        const size_t end = text.find("\r\n", start);
        shown += HtmlEscape(text.substr(start, end - start));
        if (end == std::string::npos)
            break;
        shown += "<i>(line break)</i>";
        start = end + 2;
    }
    return "<code>" + shown + "</code>";
}

const FixedTag* FindFixedTag(int id) {
    for (const FixedTag& tag : FixedTags())
        if (tag.id == id)
            return &tag;
    return nullptr;
}

const EntityInfo* FindEntity(int id) {
    for (const EntityInfo& entity : EntityTable())
        if (entity.id == id)
            return &entity;
    return nullptr;
}

std::vector<std::string> KeysOf(int id) {
    std::vector<std::string> keys;
    for (const Accelerator& row : AcceleratorTable())
        if (row.id == id)
            keys.push_back(row.keys);
    return keys;
}

std::vector<std::string> ToolbarsOf(int id) {
    std::vector<std::string> titles;
    for (const ToolbarInfo& bar : Toolbars())
        if (std::find(bar.buttons.begin(), bar.buttons.end(), id) != bar.buttons.end())
            titles.push_back(bar.title);
    return titles;
}

std::string Joined(const std::vector<std::string>& parts, const std::string& between) {
    std::string text;
    for (size_t i = 0; i < parts.size(); ++i)
        text += (i ? between : "") + parts[i];
    return text;
}

// The heading of a command: its caption, else a note's name, else its tooltip.
std::string CommandName(const CommandInfo& info) {
    if (const EntityInfo* entity = FindEntity(info.id)) {
        const std::string what = *entity->prompt ? entity->prompt : entity->name;
        return ShownCharacter(entity->text) + " \xE2\x80\x93 " + what;
    }
    if (*info.caption)
        return CaptionText(info.caption);
    if (const Note* note = FindNote(info.id); note && note->name)
        return note->name;
    return *info.tooltip ? info.tooltip : info.prompt;
}

// What the command does, in one paragraph.
std::string Description(const CommandInfo& info, bool& promptSaid) {
    promptSaid = false;
    std::string text;
    if (const Note* note = FindNote(info.id))
        text = HtmlEscape(note->text);
    if (const FixedTag* tag = FindFixedTag(info.id)) {
        text = "Puts " + Markup(tag->start) + " before the selection";
        text += *tag->end
                    ? " and " + Markup(tag->end) + " after it; what you selected stays selected between them."
                    : "; what you selected stays selected after it.";
    } else if (const EntityInfo* entity = FindEntity(info.id)) {
        text = "Puts the character reference " + Markup(entity->text) + " (" + HtmlEscape(entity->name) +
               ") at the caret, before the selection if there is one; a browser shows it as " +
               HtmlEscape(ShownCharacter(entity->text)) + ".";
    } else if (info.id == cmd::HomePageButton) {
        text = "Puts " + Markup(HomePageButtonText()) +
               " at the caret: a link to Razo's home page with its button.";
    } else if (const DialogTemplate* dialog = CommandDialog(info.id)) {
        const DialogTemplate& t = *dialog;
        std::string opens = "Opens the <a href=\"" + DialogHelpFile(t.HelpContext()) + "\">" +
                            HtmlEscape(CaptionText(t.title)) + "</a> dialog";
        opens += t.confirms.empty()
                     ? "; <b>OK</b> puts the markup built from its fields around the selection."
                     : ".";
        text = text.empty() ? opens : text + " " + opens;
    }
    if (text.empty() && *info.prompt) {
        text = HtmlEscape(info.prompt) + ".";
        promptSaid = true;
    }
    return text;
}

std::string Entry(const CommandInfo& info) {
    bool promptSaid = false;
    std::string html =
        "<h3><a name=\"" + std::string(info.key) + "\">" + HtmlEscape(CommandName(info)) + "</a></h3>\n";
    if (const std::string description = Description(info, promptSaid); !description.empty())
        html += "<p>" + description + "</p>\n";
    std::vector<std::string> facts;
    if (const auto keys = KeysOf(info.id); !keys.empty()) {
        std::vector<std::string> bold;
        for (const std::string& key : keys)
            bold.push_back("<b>" + HtmlEscape(key) + "</b>");
        facts.push_back((keys.size() == 1 ? "Key: " : "Keys: ") + Joined(bold, " or "));
    }
    if (const auto bars = ToolbarsOf(info.id); !bars.empty())
        facts.push_back((bars.size() == 1 ? "Toolbar: " : "Toolbars: ") + HtmlEscape(Joined(bars, ", ")));
    if (*info.hint) {
        std::string hint = info.hint;
        if (hint.size() > 2 && hint.front() == '(' && hint.back() == ')')
            hint = hint.substr(1, hint.size() - 2);
        facts.push_back("Dialect: " + HtmlEscape(hint));
    }
    std::string lines = Joined(facts, " &nbsp;&middot;&nbsp; ");
    // The prompt on a line of its own, so markup such as </PRE> is not split by the line's end.
    if (*info.prompt && !promptSaid)
        lines += (lines.empty() ? "" : "<br>") + std::string("Status bar: &ldquo;") +
                 HtmlEscape(info.prompt) + "&rdquo;";
    if (!lines.empty())
        html += "<p>" + lines + "</p>\n";
    return html;
}

std::string PageStart(const std::string& title) {
    const std::string escaped = HtmlEscape(title);
    return "<html><head><meta charset=\"utf-8\"><title>" + escaped + "</title></head><body>\n<h1>" + escaped +
           "</h1>\n";
}

std::string PageEnd() {
    return "<p><a href=\"index.html\">Back to the contents</a></p>\n</body></html>\n";
}

class PageBuilder {
public:
    std::vector<GeneratedHelpPage> pages;
    std::map<int, std::string> links;

    void Build() {
        for (const MenuEntry& menu : DocumentMenuBar())
            AddMenuPage(menu);
        AddButtonsPage();
        AddKeysPage();
    }

private:
    std::set<int> m_inMenus;

    // An entry on the page being written; the first page that describes a command is its link.
    std::string CommandEntry(int id, const std::string& file) {
        const CommandInfo* info = FindCommand(id);
        if (info == nullptr)
            return {};
        links.emplace(id, file + "#" + info->key);
        return Entry(*info);
    }

    void AddMenuItems(const std::vector<MenuEntry>& entries, const std::string& file, const std::string& path,
                      std::string& html) {
        std::string submenus;
        for (const MenuEntry& entry : entries) {
            switch (entry.kind) {
            case MenuEntryKind::Command:
            case MenuEntryKind::RecentFiles:
                m_inMenus.insert(entry.id);
                html += CommandEntry(entry.id, file);
                break;
            case MenuEntryKind::WindowList:
                html +=
                    "<p>Below these, the menu lists the open document windows; choose one to bring it to the "
                    "front.</p>\n";
                break;
            case MenuEntryKind::Submenu: {
                const std::string title =
                    (path.empty() ? "" : path + " \xE2\x80\xBA ") + CaptionText(entry.caption);
                html += "<h2>" + HtmlEscape(title) + "</h2>\n";
                if (!entry.tabText.empty())
                    html += "<p>Marked " + HtmlEscape(entry.tabText) + " in the menu.</p>\n";
                AddMenuItems(entry.children, file, title, html);
                break;
            }
            case MenuEntryKind::Separator:
                break;
            }
        }
    }

    void AddMenuPage(const MenuEntry& menu) {
        const std::string file = "menu-" + Slug(menu.caption) + ".html";
        const std::string title = CaptionText(menu.caption) + " menu";
        std::string html = PageStart(title);
        AddMenuItems(menu.children, file, "", html);
        pages.push_back({file, title, html + PageEnd()});
    }

    void AddButtonsPage() {
        std::string body;
        for (const ToolbarInfo& bar : Toolbars()) {
            std::string entries;
            for (int id : bar.buttons)
                if (id != ToolbarSeparator && !m_inMenus.count(id))
                    entries += CommandEntry(id, ButtonsPage);
            if (!entries.empty())
                body += "<h2>" + HtmlEscape(bar.title) + " toolbar</h2>\n" + entries;
        }
        const std::string title = "Symbols and other buttons";
        pages.push_back(
            {ButtonsPage, title,
             PageStart(title) + "<p>These toolbar buttons have no menu item.</p>\n" + body + PageEnd()});
    }

    void AddKeysPage() {
        const std::string title = "Keys";
        std::string html = PageStart(title) + "<table cellpadding=\"3\">\n";
        std::string keyOnly;
        for (const Accelerator& row : AcceleratorTable()) {
            const CommandInfo* info = FindCommand(row.id);
            if (info == nullptr)
                continue;
            if (!links.count(row.id))
                keyOnly += CommandEntry(row.id, KeysPage);
            html += "<tr><td><b>" + HtmlEscape(row.keys) + "</b></td><td><a href=\"" + links.at(row.id) +
                    "\">" + HtmlEscape(CommandName(*info)) + "</a></td></tr>\n";
        }
        html += "</table>\n";
        if (!keyOnly.empty())
            html += "<h2>Keys without a menu item or button</h2>\n" + keyOnly;
        pages.push_back({KeysPage, title, html + PageEnd()});
    }
};

const PageBuilder& Built() {
    static const PageBuilder built = [] {
        PageBuilder builder;
        builder.Build();
        return builder;
    }();
    return built;
}

} // namespace

const std::vector<GeneratedHelpPage>& CommandHelpPages() {
    return Built().pages;
}

const GeneratedHelpPage* FindCommandHelpPage(std::string_view file) {
    for (const GeneratedHelpPage& page : CommandHelpPages())
        if (page.file == file)
            return &page;
    return nullptr;
}

std::string CommandHelpLink(int id) {
    const auto& links = Built().links;
    auto it = links.find(id);
    return it == links.end() ? std::string() : it->second;
}

std::string MenuHelpLink(std::string_view caption) {
    const std::string wanted = CaptionText(std::string(caption));
    for (const MenuEntry& menu : DocumentMenuBar())
        if (!wanted.empty() && CaptionText(menu.caption) == wanted)
            return "menu-" + Slug(menu.caption) + ".html";
    return {};
}

std::string DialogHelpFile(int contextId) {
    return "dialog-" + std::to_string(contextId) + ".html";
}

int DialogHelpContext(std::string_view file) {
    constexpr std::string_view prefix = "dialog-", suffix = ".html";
    if (!file.starts_with(prefix) || !file.ends_with(suffix))
        return 0;
    const std::string_view digits = file.substr(prefix.size(), file.size() - prefix.size() - suffix.size());
    if (digits.empty() || digits.size() > 9 ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return 0;
    return std::stoi(std::string(digits));
}

const std::vector<HelpContentsEntry>& HelpContents() {
    static const std::vector<HelpContentsEntry> contents = [] {
        std::vector<HelpContentsEntry> entries;
        for (const GeneratedHelpPage& page : CommandHelpPages())
            entries.push_back({"Commands", page.file, page.title});
        std::vector<HelpContentsEntry> dialogs;
        for (const DialogTemplate* t : AllDialogTemplates())
            dialogs.push_back({"Dialogs", DialogHelpFile(t->HelpContext()), CaptionText(t->title)});
        std::stable_sort(
            dialogs.begin(), dialogs.end(),
            [](const HelpContentsEntry& a, const HelpContentsEntry& b) { return a.title < b.title; });
        entries.insert(entries.end(), dialogs.begin(), dialogs.end());
        return entries;
    }();
    return contents;
}

std::string HelpContentsHtml() {
    std::string html;
    std::string group;
    for (const HelpContentsEntry& entry : HelpContents()) {
        if (entry.group != group) {
            html += (group.empty() ? "" : "</ul>\n") + std::string("<h2>") + HtmlEscape(entry.group) +
                    "</h2>\n<ul>\n";
            group = entry.group;
        }
        html += "<li><a href=\"" + entry.file + "\">" + HtmlEscape(entry.title) + "</a></li>\n";
    }
    return group.empty() ? html : html + "</ul>\n";
}

} // namespace razo
