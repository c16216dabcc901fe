#include <gtest/gtest.h>

#include "core/app/BrowserPreview.h"
#include "core/app/RazoDoc.h"
#include "core/resources/CommandIds.h"
#include "core/settings/IniProfile.h"
#include "tests/support/FakeDocument.h"
#include "tests/support/FakeProcessLauncher.h"
#include "tests/support/FakeUserPrompts.h"
#include "tests/support/MemoryTextControl.h"
#include "tests/support/TempDir.h"

using Words = std::vector<std::string>;

namespace {

constexpr const char* SaveFirst = "Please save your document before viewing.";
constexpr const char* NoBrowser = "You must specify a browser name using the preferences.";
constexpr const char* CannotStart = "Cannot execute browser.";

// Notes the working folder in the settings at the moment the file is written.
struct RecordingDocument : razo::test::FakeDocument {
    razo::IniProfile* profile = nullptr;
    std::vector<std::string> workingDirAtSave;
    bool SaveTo(const std::string& target) override {
        workingDirAtSave.push_back(profile->GetProfileString("Misc", "Working Dir", "<unset>"));
        return FakeDocument::SaveTo(target);
    }
};

struct RazoDocTest : ::testing::Test {
    razo::test::TempDir dir;
    razo::IniProfile profile{dir.File("RAZO.INI")};
    RecordingDocument document;
    razo::test::FakeUserPrompts prompts;
    razo::test::FakeProcessLauncher launcher;
    razo::test::MemoryTextControl control;
    razo::CRazoDoc doc{document, profile, prompts, launcher};

    void SetUp() override {
        document.profile = &profile;
        doc.SetViewControl(&control);
    }
    void Run(int id) {
        const auto* handler = doc.Target().FindCommand(id);
        ASSERT_NE(handler, nullptr);
        (*handler)();
    }
};

TEST_F(RazoDocTest, PreviewChecksInOrderThenStartsTheBrowser) {
    struct Row {
        const char* name;
        std::string path;
        bool modified;
        std::string browser;
        bool startSucceeds;
        std::vector<std::string> messages;
        size_t saves;
        size_t starts;
    };
    const Row rows[] = {
        {"untitled comes first", "", true, "", true, {SaveFirst}, 0, 0},
        {"untitled with browser", "", false, "firefox", true, {SaveFirst}, 0, 0},
        {"no browser", "/w/a.html", true, "", true, {NoBrowser}, 0, 0},
        {"saved document", "/w/a.html", false, "firefox", true, {}, 0, 1},
        {"modified is saved first", "/w/a.html", true, "firefox", true, {}, 1, 1},
        {"start fails", "/w/a.html", false, "nonexistent", false, {CannotStart}, 0, 1},
        {"blank value reads as no browser", "/w/a.html", false, "   ", true, {NoBrowser}, 0, 0},
        {"quotes name no program", "/w/a.html", false, "\"\"", true, {CannotStart}, 0, 0},
    };
    for (const Row& row : rows) {
        for (const int id : {razo::cmd::BrowserTest, razo::cmd::BrowserTest2}) {
            const bool second = id == razo::cmd::BrowserTest2;
            profile.WriteProfileString("Misc", second ? "Browser2" : "Browser", row.browser);
            profile.WriteProfileString("Misc", second ? "Browser" : "Browser2", "wrong-browser");
            document.path = row.path;
            document.modified = row.modified;
            document.savedTo.clear();
            prompts.messages.clear();
            launcher.started.clear();
            launcher.succeed = row.startSucceeds;

            Run(id);
            EXPECT_EQ(prompts.Texts(), row.messages) << row.name << id;
            for (const auto& shown : prompts.messages)
                EXPECT_EQ(shown.icon, razo::MessageIcon::None) << row.name;
            EXPECT_EQ(document.savedTo.size(), row.saves) << row.name << id;
            ASSERT_EQ(launcher.started.size(), row.starts) << row.name << id;
            if (row.starts) {
                EXPECT_EQ(launcher.started[0].program, row.browser) << row.name;
                EXPECT_EQ(launcher.started[0].arguments, Words{row.path}) << row.name;
            }
        }
    }
}

TEST_F(RazoDocTest, DocumentPathIsOneUnquotedArgument) {
    profile.WriteProfileString("Misc", "Browser", "\"/opt/My Browser/run\" --new-window -p \"\"\"x\"\"\"");
    document.path = "/home/u/My Pages/a b.html; rm -rf ~";
    Run(razo::cmd::BrowserTest);
    ASSERT_EQ(launcher.started.size(), 1u);
    EXPECT_EQ(launcher.started[0].program, "/opt/My Browser/run");
    EXPECT_EQ(launcher.started[0].arguments,
              (Words{"--new-window", "-p", "\"x\"", "/home/u/My Pages/a b.html; rm -rf ~"}));
}

TEST_F(RazoDocTest, PreviewSaveRecordsTheWorkingFolderEvenWhenItFails) {
    profile.WriteProfileString("Misc", "Browser", "viewer");
    document.path = "/w/site/a.html";
    document.modified = true;
    document.saveSucceeds = false;
    Run(razo::cmd::BrowserTest);
    EXPECT_EQ(document.workingDirAtSave, Words{"/w/site/"});
    EXPECT_EQ(launcher.started.size(), 1u);
    EXPECT_TRUE(control.GetModify());
}

TEST_F(RazoDocTest, SaveWritesTheFolderBeforeTheFile) {
    struct Row {
        std::string path;
        std::string folder;
    };
    const Row rows[] = {{"/w/site/a.html", "/w/site/"},
                        {"a.html", ""},
                        {"/a.html", "/"},
                        {"C:\\web\\a.htm", "C:\\web\\"},
                        {"/w/odd\\name.html", "/w/odd\\"}};
    for (const Row& row : rows) {
        for (const bool succeeds : {true, false}) {
            profile.WriteProfileString("Misc", "Working Dir", "stale");
            document.workingDirAtSave.clear();
            document.saveSucceeds = succeeds;
            control.SetModify(false);
            EXPECT_EQ(doc.OnSaveDocument(row.path, &control), succeeds);
            EXPECT_EQ(document.workingDirAtSave, Words{row.folder}) << row.path;
            EXPECT_EQ(profile.GetProfileString("Misc", "Working Dir", "<unset>"), row.folder) << row.path;
            EXPECT_TRUE(control.GetModify());
            EXPECT_EQ(document.savedTo.back(), row.path);
        }
    }
    document.saveSucceeds = true;
    EXPECT_TRUE(doc.OnSaveDocument("/x/b.html", nullptr));
}

TEST_F(RazoDocTest, SaveIsEnabledExactlyWhileModified) {
    const auto* update = doc.Target().FindUpdate(razo::cmd::FileSave);
    ASSERT_NE(update, nullptr);
    for (const bool modified : {false, true, false}) {
        SCOPED_TRACE(modified ? "modified" : "unmodified");
        document.modified = modified;
        razo::CmdUI ui;
        (*update)(ui);
        EXPECT_EQ(ui.enabled, modified);
    }
}

TEST_F(RazoDocTest, NewFlagIsConsumedOnce) {
    EXPECT_FALSE(doc.TestAndClearNewFlag());
    EXPECT_TRUE(doc.OnNewDocument());
    EXPECT_TRUE(doc.TestAndClearNewFlag());
    EXPECT_FALSE(doc.TestAndClearNewFlag());
}

TEST(SplitCommandLineTest, SplitsLikeTheQtProcessRules) {
    struct Row {
        const char* command;
        Words words;
    };
    const Row rows[] = {
        {"firefox", {"firefox"}},
        {"  firefox   -new-tab  ", {"firefox", "-new-tab"}},
        {"\"/opt/My Browser/run\" -x", {"/opt/My Browser/run", "-x"}},
        {"/opt/My Browser/run", {"/opt/My", "Browser/run"}},
        {"a\"b c\"d", {"ab cd"}},
        {"say \"\"\"hi\"\"\"", {"say", "\"hi\""}},
        {"\"\"\"", {"\""}},
        {"a \"\" b", {"a", "b"}},
        {"\"unterminated group", {"unterminated group"}},
        {"tab\tseparated\nwords", {"tab", "separated", "words"}},
        {"", {}},
        {"   ", {}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(razo::SplitCommandLine(row.command), row.words) << row.command;
}

} // namespace
