#include <gtest/gtest.h>

#include "core/app/CommandRouter.h"
#include "core/elements/Blocks.h"
#include "core/elements/Lists.h"
#include "core/help/HelpTopics.h"
#include "core/resources/CommandIds.h"
#include "core/resources/CommandTable.h"
#include "tests/core/ElementCommandFixture.h"
#include "tests/support/RowName.h"

using namespace razo;
using namespace razo::test;

namespace {

using namespace blocks;
using namespace lists;
constexpr int Align = IdAlign, Clear = IdClear, Width = IdWidth, NoShade = IdNoShade, Percent = IdPercent,
              Size = IdSize, DocType = IdDocType, Compact = IdCompact, ListType = IdListType,
              StartNumber = IdStartNumber, ItemNumber = IdItemNumberType, ItemBullet = IdItemBulletType,
              ItemValue = IdItemValue;

class ElementCommands : public ElementCommandTest {
protected:
    int StoredLayout() { return profile.GetProfileInt("Settings", "HTML3.2", -1); }
};

struct Case {
    const char* name;
    int command;
    bool rememberExpanded;
    Press press;
    std::string text;
};

} // namespace

const std::vector<Case>& DocumentedTexts() {
    static const Press expand{.toggles = 1};
    static const std::vector<Case> cases = {
        {"heading 2 short", cmd::Heading1 + 1, false, {}, "<H2>Intro</H2>"},
        {"heading 4 right",
         cmd::Heading1 + 3,
         true,
         {.texts = {{Align, "right"}}},
         "<H4 ALIGN=right>Intro</H4>"},
        {"heading 6 toggled",
         cmd::Heading1 + 5,
         false,
         {.texts = {{Align, "left"}}, .toggles = 1},
         "<H6 ALIGN=left>Intro</H6>"},
        {"heading align hidden",
         cmd::Heading1,
         true,
         {.texts = {{Align, "left"}}, .toggles = 1},
         "<H1>Intro</H1>"},
        {"paragraph center", cmd::Paragraph, true, {.texts = {{Align, "center"}}}, "<P ALIGN=center>Intro"},
        {"preformatted 60",
         cmd::Preformatted,
         false,
         {.texts = {{Width, "60"}}},
         "<PRE WIDTH=60>Intro</PRE>"},
        {"preformatted 080",
         cmd::Preformatted,
         false,
         {.texts = {{Width, "080"}}},
         "<PRE WIDTH=80>Intro</PRE>"},
        {"preformatted empty", cmd::Preformatted, false, {}, "<PRE>Intro</PRE>"},
        {"line break all", cmd::LineBreak, true, {.texts = {{Clear, "all"}}}, "<BR CLEAR=all>Intro"},
        {"line break short", cmd::LineBreak, false, {.texts = {{Clear, "all"}}}, "<BR>Intro"},
        {"rule full",
         cmd::HorizontalRule,
         true,
         {.texts = {{Align, "left"}, {Width, "50"}, {Size, "3"}}, .checks = {{Percent, 1}, {NoShade, 1}}},
         "<HR ALIGN=left WIDTH=50% SIZE=3 NOSHADE>\r\nIntro"},
        {"rule short",
         cmd::HorizontalRule,
         false,
         {.texts = {{Align, "left"}, {Width, "50"}, {Size, "3"}}, .checks = {{Percent, 1}, {NoShade, 1}}},
         "<HR>\r\nIntro"},
        {"rule percent without width",
         cmd::HorizontalRule,
         true,
         {.checks = {{Percent, 1}}},
         "<HR>\r\nIntro"},
        {"division", cmd::Division, false, {}, "<DIV>\r\nIntro</DIV>"},
        {"division right",
         cmd::Division,
         false,
         {.texts = {{Align, "right"}}},
         "<DIV ALIGN=right>\r\nIntro</DIV>"},
        {"unordered compact short",
         cmd::UnorderedList,
         false,
         {.texts = {{ListType, "disc"}}, .checks = {{Compact, 1}}},
         "<UL COMPACT>\r\nIntro</UL>\r\n"},
        {"unordered expanded no type", cmd::UnorderedList, false, expand, "<UL>\r\nIntro</UL>\r\n"},
        {"unordered square",
         cmd::UnorderedList,
         true,
         {.texts = {{ListType, "square"}}},
         "<UL TYPE=square>\r\nIntro</UL>\r\n"},
        {"ordered type A",
         cmd::OrderedList,
         true,
         {.texts = {{ListType, "A"}}},
         "<OL TYPE=A>\r\nIntro</OL>\r\n"},
        {"ordered all",
         cmd::OrderedList,
         true,
         {.texts = {{StartNumber, "3"}, {ListType, "i"}}, .checks = {{Compact, 1}}},
         "<OL COMPACT START=3 TYPE=i>\r\nIntro</OL>\r\n"},
        {"ordered 007",
         cmd::OrderedList,
         true,
         {.texts = {{StartNumber, "007"}}},
         "<OL START=7>\r\nIntro</OL>\r\n"},
        {"directory", cmd::DirectoryList, false, {}, "<DIR>\r\nIntro</DIR>\r\n"},
        {"menu compact",
         cmd::MenuList,
         false,
         {.checks = {{Compact, 1}}},
         "<MENU COMPACT>\r\nIntro</MENU>\r\n"},
        {"definition compact",
         cmd::DefinitionList,
         false,
         {.checks = {{Compact, 1}}},
         "<DL COMPACT>\r\nIntro</DL>\r\n"},
        {"item a and 5",
         cmd::ListItem,
         true,
         {.texts = {{ItemNumber, "a"}, {ItemValue, "5"}}},
         "<LI TYPE=a VALUE=5>Intro"},
        {"item disc", cmd::ListItem, true, {.texts = {{ItemBullet, "disc"}}}, "<LI TYPE=disc>Intro"},
        {"item value only", cmd::ListItem, true, {.texts = {{ItemValue, "5"}}}, "<LI VALUE=5>Intro"},
        {"item none entries",
         cmd::ListItem,
         true,
         {.texts = {{ItemNumber, "(None)"}, {ItemBullet, "(None)"}}},
         "<LI>Intro"},
        {"item short", cmd::ListItem, false, {.texts = {{ItemNumber, "a"}, {ItemValue, "5"}}}, "<LI>Intro"},
    };
    return cases;
}

struct DocumentedText : ElementCommands, ::testing::WithParamInterface<Case> {};

TEST_P(DocumentedText, IsBuilt) {
    const Case& c = GetParam();
    control.SetBytes("Intro");
    control.SetSel(0, 5);
    Remember(c.rememberExpanded);
    EXPECT_EQ(Wrap(c.command, {c.press}), c.text);
    EXPECT_TRUE(prompts.messages.empty());
    ASSERT_FALSE(runner.runs.empty());
    EXPECT_TRUE(runner.runs.back().ok);
}

INSTANTIATE_TEST_SUITE_P(BlocksAndLists, DocumentedText, ::testing::ValuesIn(DocumentedTexts()),
                         [](const ::testing::TestParamInfo<Case>& info) {
                             return test::RowName(info.param.name);
                         });

TEST_F(ElementCommands, HeadingKeepsTheSelectionAndStoresTheLayout) {
    Remember(false);
    Wrap(cmd::Heading1 + 1, {{}});
    long start = 0, end = 0;
    control.GetSel(start, end);
    EXPECT_EQ(control.Text().substr(start, end - start), "Intro");
    EXPECT_EQ(runner.runs.back().openedTitle, "Heading (HTML 2.0)");
    EXPECT_EQ(StoredLayout(), 0);
    Wrap(cmd::Heading1, {{.toggles = 1}});
    EXPECT_EQ(StoredLayout(), 1);
}

TEST_F(ElementCommands, InitialLayoutNeedsBothSettings) {
    struct Row {
        int remember, last;
        bool expanded;
    };
    for (Row row : {Row{0, 1, false}, Row{1, 0, false}, Row{1, 1, true}, Row{0, 0, false}}) {
        profile.WriteProfileInt("Editing", "HTML2/HTML32", row.remember);
        profile.WriteProfileInt("Settings", "HTML3.2", row.last);
        CListItemDialog dialog(profile);
        runner.Script({{.cancel = true}});
        runner.RunModal(dialog);
        EXPECT_EQ(dialog.IsExpanded(), row.expanded);
        EXPECT_STREQ(dialog.ToggleCaption(), row.expanded ? "<< HTML&2.0" : "HTML&3.2 >>");
        EXPECT_EQ(runner.runs.back().title, row.expanded ? "List Item (HTML 3.2)" : "List Item (HTML 2.0)");
    }
}

TEST_F(ElementCommands, CancelChangesNothing) {
    Remember(false);
    for (int id : {cmd::Heading1, cmd::Paragraph, cmd::HorizontalRule, cmd::OrderedList, cmd::DocumentType}) {
        SCOPED_TRACE(FindCommand(id)->key);
        Wrap(id, {{.toggles = 1, .cancel = true}});
        EXPECT_EQ(control.Text(), "Intro");
        EXPECT_EQ(StoredLayout(), 0);
    }
}

TEST_F(ElementCommands, RefusalsKeepTheDialogOpenUntilCorrected) {
    struct Refusal {
        const char* name;
        int command;
        bool expanded;
        Press bad;
        std::string message;
        int field;
    };
    const std::vector<Refusal> rows = {
        {"negative width",
         cmd::Preformatted,
         false,
         {.texts = {{Width, "-5"}}},
         "You can only enter numerals.",
         Width},
        {"letters in size",
         cmd::HorizontalRule,
         true,
         {.texts = {{Size, "3px"}}},
         "Please enter a whole number.",
         Size},
        {"hidden rule width still checked",
         cmd::HorizontalRule,
         false,
         {.texts = {{Width, "-1"}}},
         "You can only enter numerals.",
         Width},
        {"start number",
         cmd::OrderedList,
         true,
         {.texts = {{StartNumber, "x"}}},
         "Please enter a whole number.",
         StartNumber},
        {"both item types",
         cmd::ListItem,
         true,
         {.texts = {{ItemNumber, "A"}, {ItemBullet, "circle"}}},
         messages::BothListItemTypes,
         ItemNumber},
        {"both types while short",
         cmd::ListItem,
         false,
         {.texts = {{ItemNumber, "A"}, {ItemBullet, "circle"}}},
         messages::BothListItemTypes,
         ItemNumber},
        {"value with bullet",
         cmd::ListItem,
         true,
         {.texts = {{ItemNumber, "(None)"}, {ItemBullet, "square"}, {ItemValue, "2"}}},
         messages::UnorderedItemValue,
         ItemValue},
        {"item value negative",
         cmd::ListItem,
         true,
         {.texts = {{ItemValue, "-2"}}},
         "You can only enter numerals.",
         ItemValue},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        control.SetBytes("Intro");
        control.SetSel(0, 5);
        prompts.messages.clear();
        Remember(row.expanded);
        // The user gives up after the refusal: nothing is inserted.
        EXPECT_EQ(Wrap(row.command, {row.bad}), "Intro");
        ASSERT_EQ(prompts.messages.size(), 1u);
        EXPECT_EQ(prompts.messages[0].text, row.message);
        EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(runner.runs.back().refusedAt, std::vector<int>{row.field});
    }
    // Corrected on the second press.
    control.SetBytes("Intro");
    control.SetSel(0, 5);
    Remember(true);
    Wrap(cmd::ListItem,
         {{.texts = {{ItemBullet, "square"}, {ItemValue, "2"}}}, {.texts = {{ItemValue, ""}}}});
    EXPECT_EQ(control.Text(), "<LI TYPE=square>Intro");
}

TEST_F(ElementCommands, DocumentTypeGoesToTheTopAndRepeatsAtTheCaret) {
    control.SetBytes("<P>\r\nIntro");
    control.SetSel(5, 10);
    runner.Script({{.texts = {{DocType, "HTML 3.2"}}}});
    Run(cmd::DocumentType);
    const std::string line = "<!DOCTYPE html PUBLIC \"-//W3C//DTD HTML 3.2 Draft//EN\">\r\n";
    EXPECT_EQ(control.Text(), line + "<P>\r\nIntro");
    long start = 0, end = 0;
    control.GetSel(start, end);
    EXPECT_EQ(start, static_cast<long>(line.size()));
    EXPECT_EQ(end, start);

    control.SetSel(static_cast<long>(control.Text().size()), static_cast<long>(control.Text().size()));
    Run(cmd::RepeatTags);
    EXPECT_EQ(control.Text(), line + "<P>\r\nIntro" + line);
}

TEST_F(ElementCommands, DocumentTypeNoneInsertsNothingAndKeepsRepeat) {
    Wrap(cmd::Heading1 + 1, {{}});
    for (const char* choice : {"(None)", ""}) {
        SCOPED_TRACE(choice);
        std::string before = control.Text();
        Wrap(cmd::DocumentType, {{.texts = {{DocType, choice}}}});
        EXPECT_EQ(control.Text(), before);
    }
    EXPECT_EQ(view.LastStart(), "<H2>");
    struct Row {
        const char* entry;
        const char* line;
    };
    for (Row row : {Row{"HTML 2.0", "<!DOCTYPE html PUBLIC \"-//IETF//DTD HTML 2.0//EN\">\r\n"},
                    Row{"Netscape", "<!DOCTYPE html PUBLIC \"-//Netscape Comm. Corp.//DTD HTML//EN\">\r\n"},
                    Row{"Microsoft", "<!DOCTYPE html PUBLIC \"-//Microsoft Corp.//DTD HTML//EN\">\r\n"}}) {
        SCOPED_TRACE(row.entry);
        CDocumentTypeDialog dialog;
        dialog.m_strDocType = row.entry;
        EXPECT_EQ(BuildDocumentType(dialog), (TagPair{row.line, "", true}));
    }
}

TEST(ElementTemplates, ListsAndLayoutParts) {
    EXPECT_EQ(CListItemDialog::TemplateData().Find(ItemNumber)->entries,
              (std::vector<std::string>{"(None)", "A", "a", "i", "I", "1"}));
    EXPECT_EQ(COrderedListDialog::TemplateData().Find(ListType)->entries,
              (std::vector<std::string>{"A", "a", "I", "i", "1"}));
    EXPECT_FALSE(COrderedListDialog::TemplateData().Find(ListType)->sorted);
    EXPECT_TRUE(CLineBreakDialog::TemplateData().Find(Clear)->sorted);
    EXPECT_FALSE(CDocumentTypeDialog::TemplateData().Find(DocType)->sorted);
    EXPECT_EQ(COrderedListDialog::TemplateData().Find(Compact)->part, LayoutPart::Short);
    for (const auto& control : CListItemDialog::TemplateData().controls)
        EXPECT_EQ(control.part, LayoutPart::Expanded);
    EXPECT_EQ(CHeadingDialog::TemplateData().HelpContext(), 131211);
    EXPECT_EQ(CDocumentTypeDialog::TemplateData().HelpContext(), 131258);
}

TEST(ElementTemplates, HelpPagesNameEveryField) {
    std::string page = HelpTopicHtml(CHorizontalRuleDialog::TemplateData());
    for (const char* expected : {"<title>Horizontal Rule</title>", "<b>Align:</b>", "<b>Size:</b>",
                                 "<b>in percentage</b>", "<b>No shade</b>", "&lt;HR&gt;"})
        EXPECT_NE(page.find(expected), std::string::npos) << expected;
    EXPECT_EQ(CUnorderedListDialog::TemplateData().HelpContext(), 131204);
}
