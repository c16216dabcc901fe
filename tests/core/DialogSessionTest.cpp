// The one protocol of a running dialog, as the scripted runner drives it: template states,
// enabling driven by another field, sub-dialogs opened by a dialog's own button, refusals and
// where they send the user.
#include <gtest/gtest.h>

#include <set>

#include "core/dialogs/DataExchange.h"
#include "core/dialogs/DialogBase.h"
#include "core/dialogs/DialogHost.h"
#include "core/dialogs/FieldAccess.h"
#include "core/elements/Blocks.h"
#include "core/help/HelpTopics.h"
#include "core/help/TemplateRegistry.h"
#include "core/settings/IniProfile.h"
#include "core/settings/SettingsKeys.h"
#include "tests/support/FakeUserPrompts.h"
#include "tests/support/ScriptedDialogRunner.h"
#include "tests/support/TempDir.h"

namespace razo {
namespace {

using test::Choose;
using test::Click;
using test::FakeUserPrompts;
using test::Press;
using test::ScriptedDialogRunner;
using test::Type;

enum : int { IdKind = 2001, IdName, IdSize, IdSource, IdPick, IdValue };

constexpr const char* NoKindMessage = "Choose a kind first.";
constexpr const char* NameMessage = "Give it a name.";

// A one-field dialog that another dialog opens.
class ValueDialog : public DialogBase<ValueDialog> {
public:
    static DialogTemplate MakeTemplate() {
        return MakeDialogTemplate(2100, "Value", 120, 30, false, "", {Edit(IdValue, "Value:")});
    }
    void DoDataExchange(CDataExchange& dx) override { DDX_RequiredNumber(dx, IdValue, m_strValue); }
    std::string m_strValue;
};

// The kind decides which fields can be used; "Pick" fills the size from a sub-dialog.
class KindDialog : public DialogBase<KindDialog> {
public:
    static DialogTemplate MakeTemplate() {
        return MakeDialogTemplate(2000, "Kind", 200, 80, false, "",
                                  {ListCombo(IdKind, "Kind:", {"text", "image"}),
                                   Edit(IdName, "Name:").Disabled(), Edit(IdSize, "Size:").Disabled(),
                                   UrlCombo(IdSource, "Source:").Disabled(), PushButton(IdPick, "Pick...")});
    }

    void OnFieldChanged(int id, DialogHost& host) override {
        FieldAccess& fields = host.Fields();
        const std::string kind = fields.GetText(IdKind);
        if (id == IdKind) {
            fields.EnableControl(IdName, kind == "text");
            fields.EnableControl(IdSize, kind == "text");
            fields.EnableControl(IdSource, kind == "image");
        } else if (id == IdPick) {
            if (kind.empty()) {
                host.Prompts().Message(NoKindMessage, MessageIcon::Exclamation);
                return;
            }
            ValueDialog value;
            if (host.RunModal(value))
                fields.SetText(IdSize, value.m_strValue);
        }
    }
    void DoDataExchange(CDataExchange& dx) override {
        DDX_CBString(dx, IdKind, m_strKind);
        DDX_Text(dx, IdName, m_strName);
        DDX_OptionalNumber(dx, IdSize, m_strSize);
        DDX_Text(dx, IdSource, m_strSource);
        if (dx.Saving() && m_strKind != "image" && m_strName.empty())
            dx.Refuse(IdName, NameMessage, MessageIcon::None);
    }
    std::string m_strKind, m_strName, m_strSize, m_strSource;
};

struct DialogSessionTest : ::testing::Test {
    test::TempDir dir;
    IniProfile profile{dir.File("RAZO.INI")};
    FakeUserPrompts prompts;
    ScriptedDialogRunner runner{prompts, &profile};
};

TEST_F(DialogSessionTest, TemplateStatesHoldUntilTheDialogEnablesAField) {
    KindDialog dialog;
    runner.Script({{.cancel = true}});
    runner.RunModal(dialog);
    EXPECT_EQ(runner.runs.at(0).disabled, (std::set<int>{IdName, IdSize, IdSource}));

    KindDialog chosen;
    runner.Script({{.actions = {Choose(IdKind, "image")}, .cancel = true}});
    runner.RunModal(chosen);
    EXPECT_EQ(runner.runs.at(1).disabled, (std::set<int>{IdName, IdSize}));
}

TEST_F(DialogSessionTest, AFieldTheKindDisablesNeitherBlocksOkNorIsTaken) {
    KindDialog dialog;
    runner.Script({{.actions = {Choose(IdKind, "text"), Type(IdName, "n"), Type(IdSize, "-1"),
                                Choose(IdKind, "image"), Type(IdSource, "a.gif")}}});
    ASSERT_TRUE(runner.RunModal(dialog));
    EXPECT_EQ(dialog.m_strSize, "");
    EXPECT_EQ(dialog.m_strName, "");
    EXPECT_EQ(dialog.m_strSource, "a.gif");
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(DialogSessionTest, ScriptCannotTypeIntoADisabledField) {
    KindDialog dialog;
    runner.Script({{.actions = {Type(IdSize, "5"), Choose(IdKind, "text"), Type(IdName, "x")}}});
    ASSERT_TRUE(runner.RunModal(dialog));
    EXPECT_EQ(runner.runs.at(0).blocked, std::vector<int>{IdSize});
    EXPECT_EQ(dialog.m_strSize, "");
}

// Refused on a field the user cannot reach: the focus goes to the nearest field before it that
// can take it, here the list that enables it.
TEST_F(DialogSessionTest, RefusalOnADisabledFieldSendsTheUserToAnEnabledOne) {
    KindDialog dialog;
    runner.Script({{}, {.actions = {Choose(IdKind, "text"), Type(IdName, "n")}}});
    ASSERT_TRUE(runner.RunModal(dialog));
    EXPECT_EQ(runner.runs.at(0).refusedAt, std::vector<int>{IdKind});
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, NameMessage);
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::None);
}

TEST_F(DialogSessionTest, ASubDialogTakesTheNextPressesAndFillsItsParent) {
    struct Row {
        const char* name;
        std::vector<Press> script;
        std::string size;
        size_t runs;
    };
    const std::vector<Row> rows = {
        {"OK fills the field",
         {{.actions = {Choose(IdKind, "text"), Type(IdName, "n"), Type(IdSize, "3"), Click(IdPick)}},
          {.texts = {{IdValue, "12"}}}},
         "12",
         2},
        {"a refusal inside, then OK",
         {{.actions = {Choose(IdKind, "text"), Type(IdName, "n"), Click(IdPick)}},
          {.texts = {{IdValue, "x"}}},
          {.texts = {{IdValue, "7"}}}},
         "7",
         2},
        {"Cancel keeps the field",
         {{.actions = {Choose(IdKind, "text"), Type(IdName, "n"), Type(IdSize, "3"), Click(IdPick)}},
          {.texts = {{IdValue, "12"}}, .cancel = true}},
         "3",
         2},
        {"no kind: a message and no sub-dialog",
         {{.actions = {Click(IdPick), Choose(IdKind, "text"), Type(IdName, "n"), Type(IdSize, "4")}}},
         "4",
         1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        runner.runs.clear();
        prompts.messages.clear();
        runner.Script(row.script);
        KindDialog dialog;
        ASSERT_TRUE(runner.RunModal(dialog));
        EXPECT_EQ(dialog.m_strSize, row.size);
        EXPECT_EQ(runner.runs.size(), row.runs);
        EXPECT_EQ(runner.runs.front().idd, 2000);
        EXPECT_EQ(runner.PressesLeft(), 0u);
        if (row.runs == 1) {
            ASSERT_EQ(prompts.messages.size(), 1u);
            EXPECT_EQ(prompts.messages[0].text, NoKindMessage);
        }
    }
}

// A value refused while its field is hidden by the short layout: the layout expands so the
// field can be mended; the stored layout still changes only with OK.
TEST_F(DialogSessionTest, RefusalInTheHiddenPartExpandsTheDialog) {
    Write(profile, settings::RememberLayout, 1);
    Write(profile, settings::LastLayoutExpanded, 0);
    CHorizontalRuleDialog again(profile);
    runner.Script({{.actions = {Click(IdToggle), Type(blocks::IdWidth, "-5"), Click(IdToggle)}},
                   {.texts = {{blocks::IdWidth, "5"}}}});
    ASSERT_TRUE(runner.RunModal(again));
    const auto& shown = runner.runs.at(0);
    EXPECT_FALSE(shown.openedExpanded);
    EXPECT_EQ(shown.refusedAt, std::vector<int>{blocks::IdWidth});
    EXPECT_TRUE(shown.expanded);
    EXPECT_EQ(shown.title, "Horizontal Rule (HTML 3.2)");
    EXPECT_EQ(Read(profile, settings::LastLayoutExpanded), 0);
    EXPECT_EQ(again.SaveLayoutChoice(), 1);
}

// Every registered dialog: its template's expandable flag and its class agree, its help
// context is its own, and it has a title.
TEST(TemplateRegistry, EveryDialogIsRegisteredOnceAndConsistently) {
    std::set<int> idds;
    for (const RegisteredDialog& dialog : RegisteredDialogs()) {
        const DialogTemplate& t = *dialog.dialogTemplate;
        SCOPED_TRACE(t.title);
        EXPECT_EQ(t.expandable, dialog.expandableClass);
        EXPECT_TRUE(idds.insert(t.idd).second) << "idd " << t.idd << " twice";
        EXPECT_FALSE(t.title.empty());
        EXPECT_EQ(FindTemplateByHelpContext(t.HelpContext()), &t);
    }
    EXPECT_TRUE(idds.count(CHeadingDialog::IDD));
    EXPECT_TRUE(idds.count(185)); // Preferences
}

// A dialog that inserts nothing says on its help page what its OK does instead.
TEST(TemplateRegistry, HelpPagesSayWhatOkDoes) {
    int settingsDialogs = 0;
    for (const DialogTemplate* t : AllDialogTemplates()) {
        SCOPED_TRACE(t->title);
        const std::string page = HelpTopicHtml(*t);
        const bool insertsMarkup = page.find("<b>OK</b> inserts the markup") != std::string::npos;
        EXPECT_EQ(insertsMarkup, t->confirms.empty());
        if (!t->confirms.empty()) {
            EXPECT_NE(page.find(t->confirms), std::string::npos);
            ++settingsDialogs;
        }
    }
    EXPECT_GE(settingsDialogs, 2); // Preferences and Set Tab Stops at least
}

} // namespace
} // namespace razo
