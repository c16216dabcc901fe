#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>
#include <set>
#include <string>

#include "resources/Toolbars.h"
#include "support/FakeDocument.h"
#include "support/MemoryTextControl.h"
#include "view/Entities.h"
#include "view/RazoView.h"

namespace razo {
namespace {

using test::FakeDocument;
using test::MemoryTextControl;

TEST(EntitiesTest, LettersCoverLatin1CodesExactlyOnceAndSymbolsAreTheSix) {
    std::map<int, int> codeCount;
    std::multiset<std::string> named;
    for (const EntityCommand& entity : EntityCommands()) {
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
    EXPECT_EQ(EntityCommands().size(), 68u);
}

TEST(EntitiesTest, RowsAreInTheButtonOrderOfTheSymbolToolbars) {
    const struct {
        int toolbar;
        std::span<const EntityCommand> rows;
    } cases[] = {
        {33075, CapitalLatinEntities()}, {33076, SmallLatinEntities()}, {33084, OtherSymbolEntities()}};
    for (const auto& c : cases) {
        const ToolbarInfo* bar = FindToolbar(c.toolbar);
        ASSERT_NE(bar, nullptr) << c.toolbar;
        std::vector<int> ids;
        for (const auto& row : c.rows)
            ids.push_back(row.id);
        EXPECT_EQ(ids, bar->buttons) << "toolbar " << c.toolbar;
    }
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
    Run(32993);
    EXPECT_EQ(control.Text(), "xx &#193;abc yy");
    EXPECT_EQ(Selection(), (std::pair<long, long>{9, 12}));
    EXPECT_TRUE(document.modified);

    view.OnEditUndo();
    EXPECT_EQ(control.Text(), "xx abc yy");
    EXPECT_EQ(Selection(), (std::pair<long, long>{3, 6}));
}

TEST_F(EntityViewTest, RepeatedPressesAndRepeatAppendAtTheCaret) {
    control.SetSel(2, 2);
    Run(33080);
    Run(33080);
    view.OnRepeatTags();
    EXPECT_EQ(control.Text(), "xx&amp;&amp;&amp; abc yy");
    EXPECT_EQ(Selection(), (std::pair<long, long>{17, 17}));
}

TEST_F(EntityViewTest, EveryCommandInsertsItsOwnText) {
    std::vector<std::pair<int, std::string>> rows;
    for (const auto& entity : EntityCommands())
        rows.emplace_back(entity.id, entity.text);
    rows.emplace_back(HomePageButtonCommand, HomePageButtonText());
    for (const auto& [id, text] : rows) {
        control.SetBytes("");
        control.SetSel(0, 0);
        Run(id);
        EXPECT_EQ(control.Text(), text) << "command " << id;
    }
}

} // namespace
} // namespace razo
