// The command help pages: every command a menu, a toolbar or a key can send has an entry that
// names it with its keys, toolbars, prompt and what it inserts; the contents reach every page.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "core/help/CommandHelp.h"
#include "core/help/HelpTopics.h"
#include "core/help/TemplateRegistry.h"
#include "core/resources/Accelerators.h"
#include "core/resources/CommandIds.h"
#include "core/resources/CommandTable.h"
#include "core/resources/EntityTable.h"
#include "core/resources/Menus.h"
#include "core/resources/Toolbars.h"
#include "core/view/FixedTags.h"
#include "tests/support/RowName.h"

using namespace razo;

namespace {

void Walk(const std::vector<MenuEntry>& entries, const std::function<void(const MenuEntry&)>& visit) {
    for (const MenuEntry& entry : entries) {
        visit(entry);
        Walk(entry.children, visit);
    }
}

std::vector<int> SentIds() {
    std::set<int> ids;
    for (const auto* bar : {&NoDocumentMenuBar(), &DocumentMenuBar()})
        Walk(*bar, [&](const MenuEntry& e) {
            if (e.kind == MenuEntryKind::Command || e.kind == MenuEntryKind::RecentFiles)
                ids.insert(e.id);
        });
    for (const ToolbarInfo& bar : Toolbars())
        for (int id : bar.buttons)
            if (id != ToolbarSeparator)
                ids.insert(id);
    for (const Accelerator& row : AcceleratorTable())
        ids.insert(row.id);
    return {ids.begin(), ids.end()};
}

// The entry a link points at: from its anchor to the next heading.
std::string EntryAt(const std::string& link) {
    const size_t hash = link.find('#');
    if (hash == std::string::npos)
        return {};
    const GeneratedHelpPage* page = FindCommandHelpPage(link.substr(0, hash));
    if (page == nullptr)
        return {};
    const size_t start = page->html.find("<a name=\"" + link.substr(hash + 1) + "\">");
    if (start == std::string::npos)
        return {};
    const size_t end = std::min(page->html.find("<h3>", start), page->html.find("<h2>", start));
    return page->html.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

std::string CaptionWords(const char* caption) {
    std::string text = WithoutMnemonic(caption);
    text.erase(0, text.find_first_not_of(' '));
    while (!text.empty() && (text.back() == ' ' || text.back() == '.'))
        text.pop_back();
    return HtmlEscape(text);
}

// Inserted text as an entry shows it: escaped, each line break written out.
std::string Shown(const std::string& text) {
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

class CommandEntryTest : public ::testing::TestWithParam<int> {};

TEST_P(CommandEntryTest, NamesTheCommandAndSaysWhatItDoes) {
    const CommandInfo* info = FindCommand(GetParam());
    ASSERT_NE(info, nullptr);
    const std::string link = CommandHelpLink(info->id);
    ASSERT_EQ(link.substr(link.find('#') + 1), info->key) << link;
    const std::string entry = EntryAt(link);
    ASSERT_FALSE(entry.empty()) << link << " has no entry";

    if (*info->caption) {
        EXPECT_NE(entry.find(CaptionWords(info->caption)), std::string::npos) << entry;
    }
    if (*info->prompt) {
        EXPECT_NE(entry.find(HtmlEscape(info->prompt)), std::string::npos) << entry;
    }
    for (const Accelerator& row : AcceleratorTable()) {
        if (row.id == info->id) {
            EXPECT_NE(entry.find("<b>" + HtmlEscape(row.keys) + "</b>"), std::string::npos) << row.keys;
        }
    }
    for (const ToolbarInfo& bar : Toolbars()) {
        if (std::find(bar.buttons.begin(), bar.buttons.end(), info->id) != bar.buttons.end()) {
            EXPECT_NE(entry.find(HtmlEscape(bar.title)), std::string::npos) << bar.title;
        }
    }
    for (const FixedTag& tag : FixedTags()) {
        if (tag.id != info->id)
            continue;
        for (const char* text : {tag.start, tag.end}) {
            if (*text) {
                EXPECT_NE(entry.find(Shown(text)), std::string::npos) << Shown(text) << " in " << entry;
            }
        }
    }
    for (const EntityInfo& entity : EntityTable()) {
        if (entity.id == info->id) {
            EXPECT_NE(entry.find("<code>" + HtmlEscape(entity.text) + "</code>"), std::string::npos) << entry;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(SentByMenuToolbarOrKey, CommandEntryTest, ::testing::ValuesIn(SentIds()),
                         [](const ::testing::TestParamInfo<int>& row) {
                             const CommandInfo* info = FindCommand(row.param);
                             return razo::test::RowName(info ? info->key : std::to_string(row.param));
                         });

TEST(CommandHelpTest, AFixedTagWithLineBreaksShowsThemAndTheFullTagName) {
    const std::string entry = EntryAt(CommandHelpLink(cmd::Head));
    EXPECT_NE(entry.find("<code>&lt;HEAD&gt;<i>(line break)</i></code>"), std::string::npos) << entry;
    EXPECT_NE(entry.find("<code><i>(line break)</i>&lt;/HEAD&gt;</code>"), std::string::npos) << entry;
    // The status bar abbreviates; the page says what really goes in.
    EXPECT_NE(EntryAt(CommandHelpLink(cmd::Blockquote)).find("&lt;BLOCKQUOTE&gt;"), std::string::npos);
}

TEST(CommandHelpTest, AnEntityShowsTheCharacterABrowserShows) {
    EXPECT_NE(EntryAt(CommandHelpLink(cmd::CapitalAacute)).find("shows it as \xC3\x81."), std::string::npos);
    EXPECT_NE(EntryAt(CommandHelpLink(cmd::SymbolLt)).find("shows it as &lt;."), std::string::npos);
}

// A caption with dots opens a dialog: an element's page links to that dialog's page, which the
// help window can serve; the system's own dialogs have no page of ours.
TEST(CommandHelpTest, EveryDialogCommandLinksToItsDialogPage) {
    const std::set<int> systemDialogs = {cmd::FileOpen,       cmd::FileSaveAs,        cmd::FilePrint,
                                         cmd::FilePrintSetup, cmd::ChooseDisplayFont, cmd::AppAbout};
    for (int id : SentIds()) {
        const CommandInfo* info = FindCommand(id);
        if (std::string(info->caption).find("..") == std::string::npos || systemDialogs.count(id))
            continue;
        const std::string entry = EntryAt(CommandHelpLink(id));
        const size_t at = entry.find("<a href=\"dialog-");
        ASSERT_NE(at, std::string::npos) << info->key << ": " << entry;
        const std::string file = entry.substr(at + 9, entry.find('"', at + 9) - at - 9);
        EXPECT_NE(FindTemplateByHelpContext(DialogHelpContext(file)), nullptr) << info->key << ": " << file;
    }
}

TEST(CommandHelpTest, EveryMenuOfBothMenuBarsHasItsPage) {
    for (const auto* bar : {&NoDocumentMenuBar(), &DocumentMenuBar()})
        for (const MenuEntry& menu : *bar) {
            const std::string file = MenuHelpLink(menu.caption);
            const GeneratedHelpPage* page = FindCommandHelpPage(file);
            ASSERT_NE(page, nullptr) << menu.caption;
            EXPECT_EQ(page->title, WithoutMnemonic(menu.caption) + " menu");
        }
    EXPECT_EQ(MenuHelpLink("F&ont"), MenuHelpLink("Font"));
    EXPECT_EQ(MenuHelpLink("Tools"), "");
    EXPECT_EQ(MenuHelpLink(""), "");
}

TEST(CommandHelpTest, ContentsLinkEveryCommandPageAndEveryDialogOnce) {
    const std::string html = HelpContentsHtml();
    std::set<std::string> files;
    for (const HelpContentsEntry& entry : HelpContents()) {
        EXPECT_TRUE(files.insert(entry.file).second) << entry.file << " listed twice";
        EXPECT_NE(html.find("<a href=\"" + entry.file + "\">"), std::string::npos) << entry.file;
    }
    for (const GeneratedHelpPage& page : CommandHelpPages())
        EXPECT_TRUE(files.count(page.file)) << page.file;
    for (const DialogTemplate* t : AllDialogTemplates())
        EXPECT_TRUE(files.count(DialogHelpFile(t->HelpContext()))) << t->title;
}

TEST(CommandHelpTest, DialogFileNamesRoundTripAndStrangeNamesNameNone) {
    for (const DialogTemplate* t : AllDialogTemplates())
        EXPECT_EQ(DialogHelpContext(DialogHelpFile(t->HelpContext())), t->HelpContext());
    for (const char* file : {"dialog-.html", "dialog-12x.html", "dialog-1234567890123.html", "dialog-12.htm",
                             "menu-file.html", "dialog--5.html"})
        EXPECT_EQ(DialogHelpContext(file), 0) << file;
}

TEST(CommandHelpTest, LinksBetweenCommandPagesLeadToExistingAnchors) {
    for (const GeneratedHelpPage& page : CommandHelpPages())
        for (size_t at = page.html.find("<a href=\""); at != std::string::npos;
             at = page.html.find("<a href=\"", at + 1)) {
            const std::string link = page.html.substr(at + 9, page.html.find('"', at + 9) - at - 9);
            if (link == "index.html" || link.starts_with("dialog-"))
                continue;
            EXPECT_FALSE(EntryAt(link).empty()) << page.file << " links to " << link;
        }
}

} // namespace
