#pragma once
// Whole commands of the table, font, applet, sound and marquee families on "Intro" (selected),
// through the scripted dialog runner, with the remembered lists in a real profile and a document
// saved as E:\web\site\index.html.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "elements/ElementServices.h"
#include "settings/IniProfile.h"
#include "support/FakeDocument.h"
#include "support/FakeUserPrompts.h"
#include "support/MemoryTextControl.h"
#include "support/ScriptedDialogRunner.h"
#include "support/TempDir.h"
#include "view/RazoView.h"
#include "view/ViewCommands.h"

namespace razo::test {

// One command run on "Intro" and the text it must leave.
struct CommandCase {
    const char* name;
    int command;
    Press press;
    std::string text;
};

// One refused press: the message shown and the field the user is sent back to.
struct RefusalCase {
    const char* name;
    int command;
    Press press;
    std::string message;
    int field;
};

class TablesFontsFixture : public ::testing::Test {
protected:
    TempDir dir;
    IniProfile profile{dir.File("RAZO.INI")};
    FakeUserPrompts prompts;
    ScriptedDialogRunner runner{prompts, &profile};
    FakeDocument document;
    MemoryTextControl control{"Intro"};
    CRazoView view{control, document};
    ElementServices services{profile, runner, prompts};

    void SetUp() override {
        document.path = "E:\\web\\site\\index.html";
        document.title = "index.html";
        RegisterViewCommands(view, services);
        Reset();
    }
    void Reset() {
        control.SetBytes("Intro");
        control.SetSel(0, 5);
        prompts.messages.clear();
    }
    // Runs command `id` with the presses given and returns the whole text afterwards.
    std::string Wrap(int id, std::vector<Press> presses) {
        runner.Script(std::move(presses));
        const auto* handler = view.Target().FindCommand(id);
        if (handler == nullptr) {
            ADD_FAILURE() << "no handler for " << id;
            return {};
        }
        (*handler)();
        return control.Text();
    }
    // Each row as its own command on a fresh "Intro": the text it leaves, confirmed at once
    // with no message.
    void ExpectTexts(const std::vector<CommandCase>& rows) {
        for (const auto& row : rows) {
            SCOPED_TRACE(row.name);
            Reset();
            EXPECT_EQ(Wrap(row.command, {row.press}), row.text);
            EXPECT_EQ(prompts.Texts(), std::vector<std::string>{});
            ASSERT_FALSE(runner.runs.empty());
            EXPECT_TRUE(runner.runs.back().ok);
        }
    }
    // Each row refused once (and then given up: nothing is inserted), with one message and the
    // field the user goes back to.
    void ExpectRefusals(const std::vector<RefusalCase>& rows) {
        for (const auto& row : rows) {
            SCOPED_TRACE(row.name);
            Reset();
            EXPECT_EQ(Wrap(row.command, {row.press}), "Intro");
            ASSERT_EQ(prompts.messages.size(), 1u);
            EXPECT_EQ(prompts.messages[0].text, row.message);
            EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Exclamation);
            EXPECT_EQ(runner.runs.back().refusedAt, std::vector<int>{row.field});
        }
    }
    // A remembered list as stored, oldest first.
    std::vector<std::string> History(const char* section) const {
        std::vector<std::string> entries;
        for (int i = 0;; ++i) {
            std::string entry = profile.GetProfileString(section, std::to_string(i), "");
            if (entry.empty())
                return entries;
            entries.push_back(entry);
        }
    }
};

} // namespace razo::test
