// The command help pages: every command a menu, a toolbar or a key sends has an entry under its
// own anchor that names it, says what it inserts or which dialog it opens, and gives its keys,
// toolbars, dialect and prompt, all escaped; the contents reach every page.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/help/CommandHelp.h"
#include "core/help/TemplateRegistry.h"
#include "core/resources/Accelerators.h"
#include "core/resources/CommandIds.h"
#include "core/resources/CommandTable.h"
#include "core/resources/Menus.h"
#include "core/resources/SentCommands.h"
#include "core/resources/Toolbars.h"
#include "tests/support/RowName.h"

using namespace razo;

namespace {

// The entry a link points at: from its heading to the next heading or the end of the page.
std::string EntryAt(const std::string& link) {
    const size_t hash = link.find('#');
    if (hash == std::string::npos)
        return {};
    const GeneratedHelpPage* page = FindCommandHelpPage(link.substr(0, hash));
    if (page == nullptr)
        return {};
    const size_t anchor = page->html.find("<a name=\"" + link.substr(hash + 1) + "\">");
    if (anchor == std::string::npos)
        return {};
    const size_t start = page->html.rfind("<h3>", anchor);
    size_t end = page->html.find("<p><a href=\"index.html\">", anchor);
    for (const char* heading : {"<h3>", "<h2>"})
        end = std::min(end, page->html.find(heading, anchor));
    return page->html.substr(start, end - start);
}

class CommandEntryTest : public ::testing::TestWithParam<int> {};

TEST_P(CommandEntryTest, HasItsOwnAnchorAHeadingAndItsKeysAndToolbars) {
    const CommandInfo* info = FindCommand(GetParam());
    ASSERT_NE(info, nullptr);
    const std::string link = CommandHelpLink(info->id);
    ASSERT_EQ(link.substr(link.find('#') + 1), info->key) << link;
    const std::string entry = EntryAt(link);
    ASSERT_FALSE(entry.empty()) << link << " has no entry";
    EXPECT_EQ(entry.find("\"></a></h3>"), std::string::npos) << "no heading: " << entry;
    // Keys and toolbar titles hold nothing that needs escaping.
    for (const Accelerator& row : AcceleratorTable())
        if (row.id == info->id) {
            EXPECT_NE(entry.find("<b>" + std::string(row.keys) + "</b>"), std::string::npos) << row.keys;
        }
    for (const ToolbarInfo& bar : Toolbars())
        if (std::find(bar.buttons.begin(), bar.buttons.end(), info->id) != bar.buttons.end()) {
            EXPECT_NE(entry.find(bar.title), std::string::npos) << bar.title;
        }
}

INSTANTIATE_TEST_SUITE_P(SentByMenuToolbarOrKey, CommandEntryTest, ::testing::ValuesIn(SentCommandIds()),
                         [](const ::testing::TestParamInfo<int>& row) {
                             const CommandInfo* info = FindCommand(row.param);
                             return razo::test::RowName(info ? info->key : std::to_string(row.param));
                         });

struct EntryRow {
    const char* name;
    int command;
    std::string entry;
};

// Whole entries, written out: captions without mnemonic, indent and dots; inserted text and
// prompts escaped, with their line breaks shown; the dialog a command opens.
TEST(CommandHelpTest, EntriesSayWhatTheCommandDoesInEscapedText) {
    const EntryRow rows[] = {
        {"fixed tag with key and toolbar", cmd::Bold,
         "<h3><a name=\"font.bold\">Bold</a></h3>\n<p>Puts <code>&lt;B&gt;</code> before the selection and "
         "<code>&lt;/B&gt;</code> after it; what you selected stays selected between them.</p>\n<p>Key: "
         "<b>Ctrl+B</b> &nbsp;&middot;&nbsp; Toolbar: Font Elements<br>Status bar: "
         "&ldquo;&lt;B&gt;..&lt;/B&gt;&rdquo;</p>\n"},
        {"fixed tag with line breaks", cmd::Head,
         "<h3><a name=\"element.head\">Head</a></h3>\n<p>Puts <code>&lt;HEAD&gt;<i>(line break)</i></code> "
         "before the selection and <code><i>(line break)</i>&lt;/HEAD&gt;</code> after it; what you selected "
         "stays selected between them.</p>\n<p>Status bar: &ldquo;&lt;HEAD&gt;..&lt;/HEAD&gt;&rdquo;</p>\n"},
        {"caption with indent and dots, dialect", cmd::Division,
         "<h3><a name=\"element.division\">Division</a></h3>\n<p>Opens the <a "
         "href=\"dialog-131235.html\">Divison (HTML 3.2)</a> dialog; <b>OK</b> puts the markup built from "
         "its fields around the selection.</p>\n<p>Toolbar: Structure Elements &nbsp;&middot;&nbsp; Dialect: "
         "HTML3.2<br>Status bar: &ldquo;&lt;DIV&gt;..&lt;/DIV&gt;&rdquo;</p>\n"},
        {"one dialog for six commands", cmd::Heading2,
         "<h3><a name=\"element.heading2\">Heading 2</a></h3>\n<p>Opens the <a "
         "href=\"dialog-131211.html\">Heading</a> dialog; <b>OK</b> puts the markup built from its fields "
         "around the selection.</p>\n<p>Key: <b>Ctrl+2</b> &nbsp;&middot;&nbsp; Toolbar: Heading "
         "Elements<br>Status bar: &ldquo;&lt;H2&gt;..&lt;/H2&gt;&rdquo;</p>\n"},
        {"program dialog", cmd::Preferences,
         "<h3><a name=\"file.preferences\">Preferences</a></h3>\n<p>Opens the <a "
         "href=\"dialog-131257.html\">Preferences</a> dialog.</p>\n<p>Toolbar: Standard<br>Status bar: "
         "&ldquo;Change the program's preferences&rdquo;</p>\n"},
        {"letter entity", cmd::CapitalAacute,
         "<h3><a name=\"entity.Aacute\">\xC3\x81"
         " \xE2\x80\x93"
         " Capital A, acute accent</a></h3>\n<p>Puts the character reference <code>&amp;#193;</code> "
         "(Aacute) at the caret, before the selection if there is one; a browser shows it as \xC3\x81"
         ".</p>\n<p>Toolbar: Capital Latin Symbols<br>Status bar: &ldquo;Capital A, acute "
         "accent&rdquo;</p>\n"},
        {"markup entity", cmd::SymbolLt,
         "<h3><a name=\"entity.lt\">&lt; \xE2\x80\x93"
         " lt</a></h3>\n<p>Puts the character reference <code>&amp;lt;</code> (lt) at the caret, before the "
         "selection if there is one; a browser shows it as &lt;.</p>\n<p>Toolbar: Other Symbols</p>\n"},
        {"note and long prompt", cmd::InsertStandardTags,
         "<h3><a name=\"element.standardTags\">Insert standard tags</a></h3>\n<p>Runs Insert document type "
         "definition, HTML, a head block with a title to fill in, and Body, in that order. Every new "
         "document gets these tags when it opens. With HTML5 chosen, the HTML5 Page dialog asks for the "
         "page's "
         "language and title, and the head declares UTF-8 and a viewport.</p>\n<p>Toolbar: Structure "
         "Elements<br>Status bar: "
         "&ldquo;&lt;HTML&gt;&lt;HEAD&gt;&lt;TITLE&gt;&lt;/TITLE&gt;&lt;/HEAD&gt;&lt;BODY&gt;...&lt;/"
         "BODY&gt;&lt;/HTML&gt;&rdquo;</p>\n"},
        {"quotes in the inserted text", cmd::HomePageButton,
         "<h3><a name=\"element.homePageButton\">Razo, Get It Now! Button</a></h3>\n<p>Puts <code>&lt;A "
         "HREF=&quot;https://razo.example.org/&quot;&gt;&lt;IMG "
         "SRC=&quot;https://razo.example.org/images/razo-button.gif&quot; ALT=&quot;Razo 32-bit HTML editor "
         "home page&quot; WIDTH=96 HEIGHT=31&gt;&lt;/A&gt;<i>(line break)</i></code> at the caret: a link to "
         "Razo's home page with its button.</p>\n<p>Toolbar: Link/Image Elements<br>Status bar: "
         "&ldquo;Inserts the Razo, Get It Now! Button&rdquo;</p>\n"},
    };
    for (const EntryRow& row : rows)
        EXPECT_EQ(EntryAt(CommandHelpLink(row.command)), row.entry) << row.name;
}

// A caption with dots opens a dialog: an element's page links to that dialog's page, which the
// help window can serve; the system's own dialogs have no page of ours.
TEST(CommandHelpTest, EveryDialogCommandLinksToItsDialogPage) {
    const std::set<int> systemDialogs = {cmd::FileOpen, cmd::FileSaveAs, cmd::FilePrint, cmd::FilePrintSetup,
                                         cmd::ChooseDisplayFont, cmd::AppAbout,
                                         // the dialog of whichever tag is at the caret
                                         cmd::EditTag};
    for (int id : SentCommandIds()) {
        const CommandInfo* info = FindCommand(id);
        if (std::string(info->caption).find("..") == std::string::npos || systemDialogs.count(id))
            continue;
        const std::string entry = EntryAt(CommandHelpLink(id));
        const size_t at = entry.find("<a href=\"dialog-");
        ASSERT_NE(at, std::string::npos) << info->key << ": " << entry;
        const std::string file = entry.substr(at + 9, entry.find('"', at + 9) - at - 9);
        EXPECT_EQ(FindTemplateByHelpContext(DialogHelpContext(file)), CommandDialog(id))
            << info->key << ": " << file;
    }
}

TEST(CommandHelpTest, EveryMenuOfBothMenuBarsHasItsPage) {
    for (const auto* bar : {&NoDocumentMenuBar(), &DocumentMenuBar()})
        for (const MenuEntry& menu : *bar) {
            const GeneratedHelpPage* page = FindCommandHelpPage(MenuHelpLink(menu.caption));
            ASSERT_NE(page, nullptr) << menu.caption;
            EXPECT_TRUE(page->title.ends_with(" menu")) << page->title;
        }
    EXPECT_EQ(MenuHelpLink("F&ont"), "menu-font.html");
    EXPECT_EQ(FindCommandHelpPage("menu-font.html")->title, "Font menu");
    EXPECT_EQ(MenuHelpLink("Font"), "menu-font.html");
    EXPECT_EQ(MenuHelpLink("Tools"), "menu-tools.html");
    EXPECT_EQ(MenuHelpLink("Gadgets"), "");
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
