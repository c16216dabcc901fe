#pragma once
// The one fixture of the whole-command tests: a view with every element command on its route, a
// scripted dialog runner that fills URL lists from the profile, and a saved document (in
// /home/site unless a family's test names another folder). Every path under /home and /web counts
// as a file that is there, as the files a chooser gives are.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/dialogs/RelativePath.h"
#include "core/dialogs/UrlHistory.h"
#include "core/elements/ElementServices.h"
#include "core/settings/IniProfile.h"
#include "core/settings/SettingsKeys.h"
#include "core/view/RazoView.h"
#include "core/view/ViewCommands.h"
#include "tests/support/FakeDocument.h"
#include "tests/support/FakeSystemInfo.h"
#include "tests/support/FakeUserPrompts.h"
#include "tests/support/MemoryTextControl.h"
#include "tests/support/ScriptedDialogRunner.h"
#include "tests/support/TempDir.h"

namespace razo::test {

struct CommandRow;
struct ScriptRow;
struct RefusalRow;

class ElementCommandTest : public ::testing::Test {
protected:
    explicit ElementCommandTest(std::string documentPath = "/home/site/index.html")
        : m_documentPath(std::move(documentPath)) {}

    TempDir dir;
    LocalPathOverride localPaths{
        [](const std::string& path) { return path.rfind("/home/", 0) == 0 || path.rfind("/web/", 0) == 0; }};
    IniProfile profile{dir.File("RAZO.INI")};
    FakeUserPrompts prompts;
    ScriptedDialogRunner runner{prompts, &profile};
    FakeDocument document;
    MemoryTextControl control{"Intro"};
    CRazoView view{control, document};
    FakeSystemInfo system;
    ElementServices services{profile, runner, prompts, system};

    void SetUp() override {
        document.path = m_documentPath;
        document.title = "index.html";
        RegisterViewCommands(view, services);
        Select("Intro", 0, 5);
    }
    void Select(const std::string& text, long start, long end) {
        control.SetBytes(text);
        control.SetSel(start, end);
    }
    // "Intro" selected again, with no message and no dialog run yet.
    void Reset() {
        Select("Intro", 0, 5);
        prompts.messages.clear();
        runner.runs.clear();
    }
    // The markup style of Preferences, which every command then writes in.
    void UseMarkupStyle(bool lowerCaseNames, bool quoteEveryValue) {
        Write(profile, settings::LowerCaseNames, lowerCaseNames ? 1 : 0);
        Write(profile, settings::QuoteEveryValue, quoteEveryValue ? 1 : 0);
    }
    void Remember(bool expanded) {
        Write(profile, settings::RememberLayout, 1);
        Write(profile, settings::LastLayoutExpanded, expanded ? 1 : 0);
    }
    void Run(int id) {
        const auto* handler = view.Target().FindCommand(id);
        ASSERT_NE(handler, nullptr) << id;
        (*handler)();
    }
    // Runs a command with its dialog answered by `presses`, every one of them used; returns the
    // text afterwards.
    std::string Wrap(int id, std::vector<Press> presses) {
        runner.Script(std::move(presses));
        Run(id);
        EXPECT_EQ(runner.PressesLeft(), 0u) << "presses left over";
        return control.Text();
    }
    std::vector<std::string> Urls() const { return LoadUrlHistory(profile, settings::UrlHistorySection); }
    std::string Selected() const {
        long start = 0, end = 0;
        control.GetSel(start, end);
        return control.Text().substr(size_t(start), size_t(end - start));
    }
    // The run of the dialog with this template id, the last one if it ran more than once.
    const ScriptedDialogRunner::Run* RunOf(int idd) const {
        for (auto it = runner.runs.rbegin(); it != runner.runs.rend(); ++it)
            if (it->idd == idd)
                return &*it;
        return nullptr;
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
    // Each row on "Intro" selected: the exact text, no message.
    void ExpectTexts(const std::vector<CommandRow>& rows);
    void ExpectScripts(const std::vector<ScriptRow>& rows);
    // Each row refused once, then given up: nothing inserted, nothing remembered.
    void ExpectRefusals(const std::vector<RefusalRow>& rows);

private:
    std::string m_documentPath;
};

// One whole command: what the user gave its dialog and the text that results around "Intro".
struct CommandRow {
    const char* name;
    int command;
    Press press;
    std::string text;
    bool rememberExpanded = false;
};

// A command whose dialog opens sub-dialogs: the first press is the dialog's, the next ones go to
// the sub-dialogs in the order they open.
struct ScriptRow {
    const char* name;
    int command;
    std::vector<Press> presses;
    std::string text;
};

// One refused OK: the message, its icon and the field the user is sent back to.
struct RefusalRow {
    const char* name;
    int command;
    Press bad;
    std::string message;
    int field;
    bool rememberExpanded = false;
    MessageIcon icon = MessageIcon::Exclamation;
};

inline void ElementCommandTest::ExpectTexts(const std::vector<CommandRow>& rows) {
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Select("Intro", 0, 5);
        prompts.messages.clear();
        Remember(row.rememberExpanded);
        EXPECT_EQ(Wrap(row.command, {row.press}), row.text);
        EXPECT_EQ(prompts.Texts(), std::vector<std::string>{});
        ASSERT_FALSE(runner.runs.empty());
        EXPECT_TRUE(runner.runs.back().ok);
        EXPECT_TRUE(runner.runs.back().blocked.empty());
    }
}

inline void ElementCommandTest::ExpectScripts(const std::vector<ScriptRow>& rows) {
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Reset();
        EXPECT_EQ(Wrap(row.command, row.presses), row.text);
        EXPECT_EQ(prompts.Texts(), std::vector<std::string>{});
        ASSERT_FALSE(runner.runs.empty());
        EXPECT_TRUE(runner.runs.front().ok);
        for (const auto& run : runner.runs)
            EXPECT_TRUE(run.blocked.empty()) << run.idd;
    }
}

inline void ElementCommandTest::ExpectRefusals(const std::vector<RefusalRow>& rows) {
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Select("Intro", 0, 5);
        prompts.messages.clear();
        const auto urls = Urls();
        Remember(row.rememberExpanded);
        EXPECT_EQ(Wrap(row.command, {row.bad}), "Intro");
        ASSERT_EQ(prompts.messages.size(), 1u);
        EXPECT_EQ(prompts.messages[0].text, row.message);
        EXPECT_EQ(prompts.messages[0].icon, row.icon);
        EXPECT_EQ(runner.runs.back().refusedAt, std::vector<int>{row.field});
        EXPECT_EQ(Urls(), urls);
    }
}

} // namespace razo::test
