#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/resources/Accelerators.h"
#include "core/resources/CommandIds.h"
#include "core/resources/CommandTable.h"
#include "core/resources/Menus.h"
#include "core/resources/SentCommands.h"
#include "core/resources/StatusBar.h"
#include "core/resources/Toolbars.h"

using namespace razo;

namespace {

void Walk(const std::vector<MenuEntry>& entries, const std::function<void(const MenuEntry&)>& visit) {
    for (const MenuEntry& entry : entries) {
        visit(entry);
        Walk(entry.children, visit);
    }
}

const MenuEntry& TopMenu(const std::vector<MenuEntry>& bar, const std::string& caption) {
    auto it = std::find_if(bar.begin(), bar.end(), [&](const MenuEntry& e) { return e.caption == caption; });
    if (it == bar.end())
        throw std::runtime_error("no menu " + caption);
    return *it;
}

const MenuEntry& Child(const MenuEntry& menu, const std::string& caption) {
    return TopMenu(menu.children, caption);
}

std::vector<int> Ids(const MenuEntry& menu) {
    std::vector<int> ids;
    for (const MenuEntry& e : menu.children)
        ids.push_back(e.id);
    return ids;
}

bool IsEntity(const CommandInfo& info) {
    return std::string(info.key).starts_with("entity.");
}

// A key in the form Qt writes: modifiers Ctrl, Alt, Shift in that order, then one key name.
bool IsCanonicalKey(const std::string& text) {
    static const std::vector<std::string> modifiers = {"Ctrl", "Alt", "Shift"};
    std::vector<std::string> parts;
    for (size_t start = 0;;) {
        size_t plus = text.find('+', start);
        parts.push_back(text.substr(start, plus - start));
        if (plus == std::string::npos)
            break;
        start = plus + 1;
    }
    const std::string key = parts.back();
    size_t next = 0;
    for (size_t i = 0; i + 1 < parts.size(); ++i) {
        auto it = std::find(modifiers.begin() + next, modifiers.end(), parts[i]);
        if (it == modifiers.end())
            return false;
        next = it - modifiers.begin() + 1;
    }
    bool letterOrDigit = key.size() == 1 && (std::isupper(key[0]) || std::isdigit(key[0]));
    bool function = key.size() >= 2 && key[0] == 'F' && std::all_of(key.begin() + 1, key.end(), ::isdigit);
    return letterOrDigit || function || key == "Ins" || key == "Del" || key == "Backspace";
}

} // namespace

TEST(VocabularyCommands, IdsAndKeysAreUnique) {
    std::set<int> ids;
    std::set<std::string> keys;
    for (const CommandInfo& info : Commands()) {
        EXPECT_TRUE(ids.insert(info.id).second) << "duplicate id " << info.id;
        EXPECT_TRUE(keys.insert(info.key).second) << "duplicate key " << info.key;
        EXPECT_NE(std::string(info.key).find('.'), std::string::npos) << info.key << " has no family";
    }
}

TEST(VocabularyCommands, FindCommandFindsEveryRowAndNothingElse) {
    for (const CommandInfo& info : Commands())
        EXPECT_EQ(FindCommand(info.id), &info) << info.key;
    EXPECT_EQ(FindCommand(0), nullptr);
    EXPECT_EQ(FindCommand(cmd::DefaultHelp), nullptr);
}

TEST(VocabularyCommands, EveryIdSentByAMenuToolbarOrKeyIsInTheTable) {
    for (int id : SentCommandIds())
        EXPECT_NE(FindCommand(id), nullptr) << "no command " << id;
}

TEST(VocabularyCommands, EveryCommandIsReachableExceptStyle) {
    const std::vector<int> sent = SentCommandIds();
    const std::set<int> reachable(sent.begin(), sent.end());
    for (const CommandInfo& info : Commands())
        if (info.id != cmd::Style) {
            EXPECT_TRUE(reachable.count(info.id)) << info.key << " can never be sent";
        }
    EXPECT_FALSE(reachable.count(cmd::Style));
    ASSERT_NE(FindCommand(cmd::Style), nullptr);
    EXPECT_STREQ(FindCommand(cmd::Style)->prompt, "<STYLE>");
}

struct TextCase {
    int id;
    const char* caption;
    const char* tabText;
    const char* prompt;
    const char* tooltip;
};

class VocabularyExactText : public ::testing::TestWithParam<TextCase> {};

TEST_P(VocabularyExactText, MatchesToTheCharacter) {
    const TextCase& c = GetParam();
    const CommandInfo* info = FindCommand(c.id);
    ASSERT_NE(info, nullptr);
    EXPECT_STREQ(info->caption, c.caption);
    EXPECT_EQ(MenuTabText(c.id), c.tabText);
    EXPECT_STREQ(info->prompt, c.prompt);
    EXPECT_STREQ(info->tooltip, c.tooltip);
}

INSTANTIATE_TEST_SUITE_P(
    Vocabulary, VocabularyExactText,
    ::testing::Values(
        TextCase{cmd::Definition, "  De&finition ", "", "<DD>", "Definition List Definition"},
        TextCase{cmd::Division, "  &Division.. ", "(HTML3.2)", "<DIV>..</DIV>", "Division"},
        TextCase{cmd::ToggleWordWrap, "&Word Wrap", "Ctrl+W", "Toggles word rwap on and off", "Word Wrap"},
        TextCase{cmd::Blockquote, "  Block &Quoted", "Ctrl+Q", "<BQ>..</BQ>", "Blockquoted"},
        TextCase{cmd::Comment, "&Comment...", "", "<!--- .... --->", "Comment"},
        TextCase{cmd::Centre, "  &Centre", "Ctrl+Shift+C   (HTML 3.2)", "<CENTER>..</CENTER>", "Center"},
        TextCase{cmd::Underline, "&Underline", "Ctrl+U   (HTML3.2)", "<U>..</U>", "Underline"},
        TextCase{cmd::FormOption, "    &Option...", "", "<OPTION>", "Option for select control"},
        TextCase{cmd::DocumentType, "Insert &document type definition...", "", "", ""},
        TextCase{cmd::DirectoryList, "&Directory...", "", "<DIR>..</DIR>", ""},
        TextCase{cmd::Italic, "&Italic", "Ctrl+I", "<I>..</I>", "Italics"},
        TextCase{cmd::EditRedo, "&Redo", "Ctrl+Shift+Z", "Redo the previously undone action", "Redo"},
        TextCase{cmd::GoToLine, "&Go to Line...", "Ctrl+Shift+G", "Move the caret to a line and column",
                 "Go to Line"},
        TextCase{cmd::ToggleSyntaxColouring, "Syntax &Colouring", "",
                 "Colour tags, attributes, comments, style sheets and scripts", "Syntax Colouring"},
        TextCase{cmd::ToolbarNetscape, "&Netscape Bar", "", "Show or hide the Netscape Elements toolbar",
                 "Toggle Netscape Elements"},
        TextCase{cmd::HomePageButton, "Razo, Get It Now! Button", "", "Inserts the Razo, Get It Now! Button",
                 "Razo, Get It Now!"},
        TextCase{cmd::CapitalAElig, "", "", "Capital A, dipthong", ""},
        TextCase{cmd::SymbolAmp, "", "", "", ""}),
    [](const ::testing::TestParamInfo<TextCase>& info) { return "id" + std::to_string(info.param.id); });

TEST(VocabularyAccelerators, KeysAreUniqueAndWrittenTheWayQtWritesThem) {
    std::set<std::string> keys;
    for (const Accelerator& acc : AcceleratorTable()) {
        EXPECT_TRUE(keys.insert(acc.keys).second) << "duplicate key " << acc.keys;
        EXPECT_TRUE(IsCanonicalKey(acc.keys)) << acc.keys;
    }
    EXPECT_FALSE(IsCanonicalKey("Shift+Ctrl+U"));
}

TEST(VocabularyAccelerators, OldStyleClipboardKeysReachTheClipboardCommands) {
    std::map<std::string, int> byKey;
    for (const Accelerator& acc : AcceleratorTable())
        byKey[acc.keys] = acc.id;
    EXPECT_EQ(byKey["Ctrl+Ins"], cmd::EditCopy);
    EXPECT_EQ(byKey["Shift+Ins"], cmd::EditPaste);
    EXPECT_EQ(byKey["Shift+Del"], cmd::EditCut);
    EXPECT_EQ(byKey["Alt+Backspace"], cmd::EditUndo);
    EXPECT_EQ(byKey["Shift+F1"], cmd::ContextHelp);
    EXPECT_EQ(byKey["Shift+F6"], cmd::PrevPane);
}

// The key a menu shows after the tab must be the key that runs that command.
TEST(VocabularyAccelerators, KeyShownInAMenuRunsThatCommand) {
    std::map<std::string, int> byKey;
    for (const Accelerator& acc : AcceleratorTable())
        byKey[acc.keys] = acc.id;
    int shown = 0;
    Walk(DocumentMenuBar(), [&](const MenuEntry& e) {
        if (e.kind != MenuEntryKind::Command || e.tabText.empty() || e.tabText[0] == '(')
            return;
        std::string key = e.tabText.substr(0, e.tabText.find(' '));
        ++shown;
        EXPECT_EQ(byKey[key], e.id) << e.caption << " shows " << key;
    });
    EXPECT_EQ(shown, 46);
}

TEST(VocabularyMenus, EveryItemHasACaptionAndEverySubmenuHasItems) {
    for (const auto* bar : {&NoDocumentMenuBar(), &DocumentMenuBar()}) {
        for (const MenuEntry& top : *bar)
            EXPECT_EQ(top.kind, MenuEntryKind::Submenu) << top.caption;
        Walk(*bar, [](const MenuEntry& e) {
            if (e.kind == MenuEntryKind::Command || e.kind == MenuEntryKind::Submenu) {
                EXPECT_FALSE(e.caption.empty()) << "item " << e.id;
            }
            if (e.kind == MenuEntryKind::Submenu) {
                EXPECT_FALSE(e.children.empty()) << e.caption;
            }
            if (e.kind == MenuEntryKind::Separator) {
                EXPECT_TRUE(e.caption.empty() && e.children.empty());
            }
        });
    }
}

TEST(VocabularyMenus, DocumentMenuBarHasItsMenusWithTheirItemCounts) {
    const std::vector<std::pair<std::string, size_t>> expected = {
        {"&File", 17}, {"&Edit", 17},      {"&View", 23},     {"F&ont", 11},     {"&Phrase", 8},
        {"&Lists", 9}, {"&Structure", 13}, {"Ele&ments", 13}, {"&Netscape", 14}, {"M&icrosoft", 9},
        {"HTML&5", 5}, {"&Tools", 5},      {"&Window", 4},    {"&Help", 4}};
    const auto& bar = DocumentMenuBar();
    ASSERT_EQ(bar.size(), expected.size());
    for (size_t i = 0; i < bar.size(); ++i) {
        EXPECT_EQ(bar[i].caption, expected[i].first);
        EXPECT_EQ(bar[i].children.size(), expected[i].second) << expected[i].first;
    }
}

TEST(VocabularyMenus, BodyTagsAreInTheirMenuOrder) {
    const MenuEntry& body = Child(TopMenu(DocumentMenuBar(), "&Structure"), "&Body Tags");
    EXPECT_EQ(Ids(body),
              (std::vector<int>{cmd::Body, cmd::Paragraph, cmd::Preformatted, cmd::Blockquote, cmd::Address,
                                cmd::LineBreak, cmd::HorizontalRule, cmd::Centre, cmd::Division}));
    EXPECT_EQ(body.children[2].caption, "  Pr&e-Formatted...");
    EXPECT_EQ(body.children[2].tabText, "Ctrl+D");
}

TEST(VocabularyMenus, DialectHintsOnSubmenusAndPerMenuTabTexts) {
    const MenuEntry& elements = TopMenu(DocumentMenuBar(), "Ele&ments");
    EXPECT_EQ(Child(elements, "&Table Tags").tabText, "(HTML3.2)");
    EXPECT_EQ(Child(elements, "&Java Tags").tabText, "(HTML3.2)");
    EXPECT_EQ(Child(elements, "&Form Tags").tabText, "");
    EXPECT_EQ(Child(TopMenu(DocumentMenuBar(), "&Netscape"), "&Table Tags").tabText, "");

    std::vector<std::string> imageMapTabs;
    Walk(DocumentMenuBar(), [&](const MenuEntry& e) {
        if (e.id == cmd::ImageMap)
            imageMapTabs.push_back(e.tabText);
    });
    EXPECT_EQ(imageMapTabs, (std::vector<std::string>{"(HTML3.2)", ""}));
}

TEST(VocabularyMenus, RecentFilesAndWindowListHaveTheirPlaces) {
    for (const auto* bar : {&NoDocumentMenuBar(), &DocumentMenuBar()}) {
        const MenuEntry& file = TopMenu(*bar, "&File");
        auto recent = std::find_if(file.children.begin(), file.children.end(),
                                   [](const MenuEntry& e) { return e.kind == MenuEntryKind::RecentFiles; });
        ASSERT_NE(recent, file.children.end());
        EXPECT_EQ(recent->id, cmd::FileMruFirst);
        EXPECT_EQ(recent->caption, "Recent File");
        EXPECT_EQ(file.children.back().id, cmd::AppExit);
        EXPECT_EQ((recent + 1)->kind, MenuEntryKind::Separator);
    }
    const MenuEntry& window = TopMenu(DocumentMenuBar(), "&Window");
    EXPECT_EQ(window.children.back().kind, MenuEntryKind::WindowList);
}

TEST(VocabularyMenus, NoDocumentViewMenuIsTheDocumentViewMenuWithoutItsLastPart) {
    const MenuEntry& bare = TopMenu(NoDocumentMenuBar(), "&View");
    const MenuEntry& full = TopMenu(DocumentMenuBar(), "&View");
    ASSERT_EQ(full.children.size(), bare.children.size() + 6);
    EXPECT_EQ(full.children[bare.children.size()].kind, MenuEntryKind::Separator);
    for (size_t i = 0; i < bare.children.size(); ++i) {
        SCOPED_TRACE(full.children[i].caption);
        EXPECT_EQ(bare.children[i].id, full.children[i].id);
        EXPECT_EQ(bare.children[i].caption, full.children[i].caption);
    }
    EXPECT_EQ(bare.children.back().id, cmd::ViewStatusBar);
    std::vector<std::string> captions;
    for (const MenuEntry& e : NoDocumentMenuBar())
        captions.push_back(e.caption);
    EXPECT_EQ(captions, (std::vector<std::string>{"&File", "&View", "&Help"}));
}

TEST(VocabularyMenus, ViewMenuTogglesEveryToolbarOnce) {
    std::multiset<int> toggles;
    for (const MenuEntry& e : TopMenu(NoDocumentMenuBar(), "&View").children)
        if (e.id != cmd::ViewStatusBar)
            toggles.insert(e.id);
    std::multiset<int> bars;
    for (const ToolbarInfo& bar : Toolbars())
        bars.insert(bar.controlId);
    EXPECT_EQ(toggles, bars);
}

TEST(VocabularyToolbars, SixteenInCreationOrderWithDistinctIds) {
    const std::vector<std::string> members = {
        "m_wndStandardBar",  "m_wndHeadingBar",  "m_wndCapitalBar",   "m_wndSmallBar",
        "m_wndOtherBar",     "m_wndFontBar",     "m_wndPhraseBar",    "m_wndListBar",
        "m_wndStructureBar", "m_wndLinkBar",     "m_wndFormBar",      "m_wndTableBar",
        "m_wndJavaBar",      "m_wndNetscapeBar", "m_wndMicrosoftBar", "m_wndHtml5Bar"};
    auto bars = Toolbars();
    ASSERT_EQ(bars.size(), members.size());
    std::set<int> controlIds, resourceIds;
    for (size_t i = 0; i < bars.size(); ++i) {
        SCOPED_TRACE(members[i]);
        EXPECT_EQ(bars[i].member, members[i]);
        EXPECT_TRUE(controlIds.insert(bars[i].controlId).second);
        EXPECT_TRUE(resourceIds.insert(bars[i].resourceId).second);
        EXPECT_EQ(FindToolbar(bars[i].controlId), &bars[i]);
    }
    EXPECT_EQ(FindToolbar(cmd::FileNew), nullptr);
}

TEST(VocabularyToolbars, SeparatorsOnlyBetweenButtons) {
    for (const ToolbarInfo& bar : Toolbars()) {
        ASSERT_FALSE(bar.buttons.empty()) << bar.title;
        EXPECT_NE(bar.buttons.front(), ToolbarSeparator) << bar.title;
        EXPECT_NE(bar.buttons.back(), ToolbarSeparator) << bar.title;
        for (size_t i = 1; i < bar.buttons.size(); ++i)
            EXPECT_FALSE(bar.buttons[i] == ToolbarSeparator && bar.buttons[i - 1] == ToolbarSeparator)
                << bar.title;
    }
}

TEST(VocabularyToolbars, EveryElementButtonHasATooltip) {
    for (const ToolbarInfo& bar : Toolbars())
        for (int id : bar.buttons) {
            const CommandInfo* info = FindCommand(id);
            if (id == ToolbarSeparator || info == nullptr || IsEntity(*info))
                continue;
            EXPECT_STRNE(info->tooltip, "") << bar.title << " button " << id;
            EXPECT_STRNE(info->prompt, "") << bar.title << " button " << id;
        }
}

// The entity commands are exactly the buttons of the three symbol toolbars, and nothing else
// reaches them: letters say what they are in the status bar, symbols say nothing.
TEST(VocabularyToolbars, EntityCommandsAreTheSymbolToolbarsExactly) {
    std::map<int, int> seen; // id -> count over the symbol toolbars
    const std::vector<std::pair<int, size_t>> symbolBars = {
        {cmd::ToolbarCapital, 30}, {cmd::ToolbarSmall, 32}, {cmd::ToolbarOther, 6}};
    for (auto [controlId, count] : symbolBars) {
        const ToolbarInfo* bar = FindToolbar(controlId);
        ASSERT_NE(bar, nullptr);
        EXPECT_EQ(bar->buttons.size(), count) << bar->title;
        for (int id : bar->buttons) {
            ++seen[id];
            const CommandInfo* info = FindCommand(id);
            ASSERT_NE(info, nullptr) << id;
            EXPECT_TRUE(IsEntity(*info)) << info->key;
            EXPECT_STREQ(info->caption, "");
            EXPECT_STREQ(info->tooltip, "");
            EXPECT_EQ(std::string(info->prompt).empty(), controlId == cmd::ToolbarOther) << info->key;
        }
    }
    size_t entities = 0;
    for (const CommandInfo& info : Commands())
        if (IsEntity(info)) {
            ++entities;
            EXPECT_EQ(seen[info.id], 1) << info.key;
        }
    EXPECT_EQ(entities, 68u);
    EXPECT_EQ(seen.size(), 68u);

    std::set<std::string> prompts;
    for (const auto& [id, count] : seen)
        if (*FindCommand(id)->prompt) {
            EXPECT_TRUE(prompts.insert(FindCommand(id)->prompt).second) << id;
        }
    Walk(DocumentMenuBar(), [](const MenuEntry& e) {
        if (const CommandInfo* info = FindCommand(e.id)) {
            EXPECT_FALSE(IsEntity(*info)) << info->key;
        }
    });
}

TEST(VocabularyToolbars, DefaultLayoutPlacesEveryToolbarOnceInFilledRows) {
    std::multiset<int> placed, all;
    for (const ToolbarInfo& bar : Toolbars())
        all.insert(bar.controlId);
    std::map<DockSide, int> lastRow;
    for (const ToolbarPlacement& p : DefaultToolbarLayout()) {
        placed.insert(p.controlId);
        int& last = lastRow.try_emplace(p.side, 0).first->second;
        EXPECT_TRUE(p.row == last || p.row == last + 1) << "rows out of order at " << p.controlId;
        last = p.row;
        bool symbolBar = p.controlId == cmd::ToolbarCapital || p.controlId == cmd::ToolbarSmall ||
                         p.controlId == cmd::ToolbarOther;
        EXPECT_EQ(p.visible, !symbolBar) << p.controlId;
    }
    EXPECT_EQ(placed, all);
}

TEST(VocabularyToolbars, DefaultLayoutRows) {
    std::map<std::pair<DockSide, int>, std::vector<int>> rows;
    for (const ToolbarPlacement& p : DefaultToolbarLayout())
        rows[{p.side, p.row}].push_back(p.controlId);
    using R = std::vector<int>;
    EXPECT_EQ((rows[{DockSide::Top, 0}]), (R{cmd::ToolbarStandard, cmd::ToolbarHeading}));
    EXPECT_EQ((rows[{DockSide::Top, 1}]), (R{cmd::ToolbarFont, cmd::ToolbarList, cmd::ToolbarLink}));
    EXPECT_EQ((rows[{DockSide::Top, 2}]),
              (R{cmd::ToolbarPhrase, cmd::ToolbarForm, cmd::ToolbarTable, cmd::ToolbarJava}));
    EXPECT_EQ((rows[{DockSide::Top, 3}]), (R{cmd::ToolbarHtml5}));
    EXPECT_EQ((rows[{DockSide::Left, 0}]), (R{cmd::ToolbarStructure}));
    // Outer edge first: the symbol rows lie below the Netscape/Microsoft row, Small lowest.
    EXPECT_EQ((rows[{DockSide::Bottom, 0}]), (R{cmd::ToolbarSmall}));
    EXPECT_EQ((rows[{DockSide::Bottom, 1}]), (R{cmd::ToolbarOther}));
    EXPECT_EQ((rows[{DockSide::Bottom, 2}]), (R{cmd::ToolbarCapital}));
    EXPECT_EQ((rows[{DockSide::Bottom, 3}]), (R{cmd::ToolbarNetscape, cmd::ToolbarMicrosoft}));
    EXPECT_EQ(rows.size(), 9u);
}

TEST(VocabularyStatusBar, PanesInOrder) {
    auto panes = StatusBarPanes();
    EXPECT_EQ(std::vector<int>(panes.begin(), panes.end()),
              (std::vector<int>{0, cmd::IndicatorLnCol, cmd::IndicatorCaps, cmd::IndicatorNum,
                                cmd::IndicatorScrl}));
}
