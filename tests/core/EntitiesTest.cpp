#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>
#include <set>
#include <string>

#include "core/resources/CommandIds.h"
#include "core/resources/CommandTable.h"
#include "core/resources/EntityTable.h"
#include "core/resources/Toolbars.h"
#include "core/view/Entities.h"
#include "core/view/RazoView.h"
#include "tests/support/FakeDocument.h"
#include "tests/support/MemoryTextControl.h"

namespace razo {
namespace {

using test::FakeDocument;
using test::MemoryTextControl;

TEST(EntitiesTest, LettersCoverLatin1CodesExactlyOnceAndSymbolsAreTheSix) {
    std::map<int, int> codeCount;
    std::multiset<std::string> named;
    for (const EntityInfo& entity : EntityTable()) {
        const std::string text = entity.text;
        std::smatch match;
        if (std::regex_match(text, match, std::regex("&#([0-9]+);")))
            ++codeCount[std::stoi(match[1])];
        else
            named.insert(text);
    }
    for (int code = 192; code <= 255; ++code) {
        const int expected = (code == 215 || code == 247) ? 0 : 1;
        EXPECT_EQ(codeCount[code], expected) << "code " << code;
        codeCount.erase(code);
    }
    // Besides the letters only the copyright and registered signs are numeric.
    EXPECT_EQ(codeCount, (std::map<int, int>{{169, 1}, {174, 1}}));
    EXPECT_EQ(named, (std::multiset<std::string>{"&amp;", "&quot;", "&lt;", "&gt;"}));
    EXPECT_EQ(EntityTable().size(), 68u);
}

TEST(EntitiesTest, SymbolToolbarsHoldTheirEntitiesInTableOrder) {
    const struct {
        int toolbar;
        SymbolBar bar;
        size_t count;
    } cases[] = {{cmd::ToolbarCapital, SymbolBar::Capital, 30},
                 {cmd::ToolbarSmall, SymbolBar::Small, 32},
                 {cmd::ToolbarOther, SymbolBar::Other, 6}};
    for (const auto& c : cases) {
        const ToolbarInfo* bar = FindToolbar(c.toolbar);
        ASSERT_NE(bar, nullptr) << c.toolbar;
        std::vector<int> ids;
        for (const EntityInfo& entity : EntityTable())
            if (entity.bar == c.bar)
                ids.push_back(entity.id);
        EXPECT_EQ(ids, bar->buttons) << "toolbar " << c.toolbar;
        EXPECT_EQ(ids.size(), c.count);
    }
    EXPECT_EQ(FindToolbar(cmd::ToolbarCapital)->buttons.front(), cmd::CapitalAElig);
    EXPECT_EQ(FindToolbar(cmd::ToolbarSmall)->buttons.back(), cmd::SmallYuml);
}

// The command table's entity rows come from the entity table: key, prompt, no caption or tooltip.
TEST(EntitiesTest, CommandRowsAreMadeFromTheEntityTable) {
    for (const EntityInfo& entity : EntityTable()) {
        const CommandInfo* info = FindCommand(entity.id);
        ASSERT_NE(info, nullptr) << entity.name;
        EXPECT_EQ(std::string(info->key), std::string("entity.") + entity.name);
        EXPECT_STREQ(info->prompt, entity.prompt);
        EXPECT_STREQ(info->caption, "");
        EXPECT_STREQ(info->tooltip, "");
    }
    EXPECT_STREQ(FindCommand(cmd::SmallAacute)->key, "entity.aacute");
    EXPECT_STREQ(FindCommand(cmd::CapitalAacute)->key, "entity.Aacute");
}

TEST(EntitiesTest, HomePageButtonIsOneLinkLineWithAbsoluteAddresses) {
    const std::string text = HomePageButtonText();
    EXPECT_TRUE(
        std::regex_match(text, std::regex("<A HREF=\"https?://[^\" ]+\"><IMG SRC=\"https?://[^\" ]+\" "
                                          "ALT=\"Razo 32-bit HTML editor home page\" WIDTH=96 "
                                          "HEIGHT=31></A>\r\n")))
        << text;
    EXPECT_NE(text.find(HomePageAddress), std::string::npos);
    EXPECT_NE(text.find(HomePageButtonImageAddress), std::string::npos);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1);
}

struct EntityViewTest : ::testing::Test {
    MemoryTextControl control{"xx abc yy"};
    FakeDocument document;
    CRazoView view{control, document};

    void SetUp() override { RegisterEntityCommands(view); }
    void Run(int id) {
        const auto* handler = view.Target().FindCommand(id);
        ASSERT_NE(handler, nullptr) << id;
        (*handler)();
    }
    std::pair<long, long> Selection() const {
        long start = 0, end = 0;
        control.GetSel(start, end);
        return {start, end};
    }
};

TEST_F(EntityViewTest, EntityGoesBeforeTheSelectionWhichStaysSelectedAndUndoRemovesIt) {
    control.SetSel(3, 6);
    Run(cmd::CapitalAacute);
    EXPECT_EQ(control.Text(), "xx &#193;abc yy");
    EXPECT_EQ(Selection(), (std::pair<long, long>{9, 12}));
    EXPECT_TRUE(document.modified);

    view.OnEditUndo();
    EXPECT_EQ(control.Text(), "xx abc yy");
    EXPECT_EQ(Selection(), (std::pair<long, long>{3, 6}));
}

TEST_F(EntityViewTest, RepeatedPressesAndRepeatAppendAtTheCaret) {
    control.SetSel(2, 2);
    Run(cmd::SymbolAmp);
    Run(cmd::SymbolAmp);
    view.OnRepeatTags();
    EXPECT_EQ(control.Text(), "xx&amp;&amp;&amp; abc yy");
    EXPECT_EQ(Selection(), (std::pair<long, long>{17, 17}));
}

TEST_F(EntityViewTest, EveryCommandInsertsItsOwnText) {
    std::vector<std::pair<int, std::string>> rows;
    for (const EntityInfo& entity : EntityTable())
        rows.emplace_back(entity.id, entity.text);
    rows.emplace_back(cmd::HomePageButton, HomePageButtonText());
    for (const auto& [id, text] : rows) {
        control.SetBytes("");
        control.SetSel(0, 0);
        Run(id);
        EXPECT_EQ(control.Text(), text) << "command " << id;
    }
}

} // namespace
} // namespace razo
