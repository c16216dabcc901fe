#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/prefs/Preferences.h"
#include "core/settings/IniProfile.h"
#include "tests/support/FakeUserPrompts.h"
#include "tests/support/ScriptedDialogRunner.h"
#include "tests/support/TempDir.h"

namespace razo {
namespace {

using test::FakeUserPrompts;
using test::Press;
using test::ScriptedDialogRunner;
using test::TempDir;
using test::WriteBytes;

constexpr int kBrowser = 1113, kBrowser2 = 1115, kExtension = 1257, kRelative = 1051, kUrlNumber = 1181,
              kSlashes = 1184, kLayout = 1254;

Press UrlNumber(const char* text) {
    Press press;
    press.texts[kUrlNumber] = text;
    return press;
}

Press CancelPress() {
    Press press;
    press.cancel = true;
    return press;
}

std::string History(const char* section, int count) {
    std::string text = std::string("[") + section + "]\n";
    for (int i = 0; i < count; ++i)
        text += std::to_string(i) + "=http://h/" + std::to_string(i) + "\n";
    return text;
}

struct PreferencesTest : ::testing::Test {
    TempDir dir;
    std::string path = dir.File("RAZO.INI");
    IniProfile profile{path};
    FakeUserPrompts prompts;
    ScriptedDialogRunner runner{prompts};

    std::string Get(const char* section, const char* key) {
        return profile.GetProfileString(section, key, "<none>");
    }
};

TEST_F(PreferencesTest, EmptyProfileShowsTheDefaultsAndOkWritesThemInOrder) {
    runner.Script({Press{}});
    ASSERT_TRUE(OnPreferences(profile, runner));
    EXPECT_EQ(runner.runs.at(0).idd, 185);
    EXPECT_EQ(profile.KeyNames("Misc"), (std::vector<std::string>{"Browser", "Browser2", "Extension"}));
    EXPECT_EQ(profile.KeyNames("Editing"),
              (std::vector<std::string>{"RelativePath", "HTML2/HTML32", "URLNumber", "Unix Slashes"}));
    const std::vector<std::pair<std::string, std::string>> expected = {
        {Get("Misc", "Browser"), ""},          {Get("Misc", "Browser2"), ""},
        {Get("Misc", "Extension"), "html"},    {Get("Editing", "RelativePath"), "1"},
        {Get("Editing", "HTML2/HTML32"), "0"}, {Get("Editing", "URLNumber"), "10"},
        {Get("Editing", "Unix Slashes"), "1"},
    };
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(expected[i].first, expected[i].second) << "setting " << i;
}

TEST_F(PreferencesTest, EditedValuesAreWrittenAsEntered) {
    Press press;
    press.texts = {
        {kBrowser, "/opt/My Browser/run"}, {kBrowser2, "firefox"}, {kExtension, "htm"}, {kUrlNumber, " 25"}};
    press.checks = {{kRelative, 0}, {kSlashes, 0}, {kLayout, 1}};
    runner.Script({press});
    ASSERT_TRUE(OnPreferences(profile, runner));
    EXPECT_EQ(Get("Misc", "Browser"), "/opt/My Browser/run");
    EXPECT_EQ(Get("Misc", "Browser2"), "firefox");
    EXPECT_EQ(Get("Misc", "Extension"), "htm");
    EXPECT_EQ(Get("Editing", "RelativePath"), "0");
    EXPECT_EQ(Get("Editing", "HTML2/HTML32"), "1");
    EXPECT_EQ(Get("Editing", "URLNumber"), "25");
    EXPECT_EQ(Get("Editing", "Unix Slashes"), "0");
}

// The document type and markup style keys appear once they say something, and then follow the
// dialog both ways.
TEST_F(PreferencesTest, NewKeysAreWrittenOnceTheyDifferFromTheirDefault) {
    constexpr int kDocType = 1260, kLower = 1261, kQuote = 1262;
    Press on;
    on.texts = {{kDocType, "HTML5"}};
    on.checks = {{kLower, 1}};
    Press off;
    off.texts = {{kDocType, "(None)"}};
    off.checks = {{kLower, 0}};
    runner.Script({on});
    ASSERT_TRUE(OnPreferences(profile, runner));
    EXPECT_EQ(Get("Editing", "DocumentType"), "HTML5");
    EXPECT_EQ(Get("Editing", "LowerCaseNames"), "1");
    EXPECT_EQ(Get("Editing", "QuoteEveryValue"), "<none>");
    runner.Script({off});
    ASSERT_TRUE(OnPreferences(profile, runner));
    EXPECT_EQ(Get("Editing", "DocumentType"), "(None)");
    EXPECT_EQ(Get("Editing", "LowerCaseNames"), "0");
    EXPECT_EQ(Get("Editing", "QuoteEveryValue"), "<none>");
    EXPECT_EQ(CPreferencesDialog::TemplateData().Find(kDocType)->entries,
              (std::vector<std::string>{"(None)", "HTML 2.0", "HTML 3.2", "Netscape", "Microsoft", "HTML5"}));
    EXPECT_NE(CPreferencesDialog::TemplateData().Find(kQuote), nullptr);
}

TEST_F(PreferencesTest, StoredExtensionSelectsHtmOnlyWhenExactlyHtm) {
    const struct {
        const char* stored;
        const char* selected;
    } cases[] = {{"htm", "htm"}, {"html", "html"}, {"HTM", "html"}, {"", "html"}, {"htmx", "html"}};
    for (const auto& c : cases) {
        WriteBytes(path, std::string("[Misc]\nExtension=") + c.stored + "\n");
        runner.Script({Press{}});
        ASSERT_TRUE(OnPreferences(profile, runner));
        EXPECT_EQ(Get("Misc", "Extension"), c.selected) << "stored \"" << c.stored << "\"";
    }
}

TEST_F(PreferencesTest, LoweringTheUrlNumberDropsTheEntriesBeyondIt) {
    const struct {
        const char* name;
        const char* oldNumber;
        const char* newNumber;
        std::vector<std::string> keptUrls;
    } cases[] = {
        {"10 to 4", "10", "4", {"0", "1", "2", "3", "04", "x"}},
        {"raising deletes nothing",
         "10",
         "20",
         {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "04", "x"}},
        {"huge stored number", "2000000000", "8", {"0", "1", "2", "3", "4", "5", "6", "7", "04", "x"}},
    };
    for (const auto& c : cases) {
        WriteBytes(path, std::string("[Editing]\nURLNumber=") + c.oldNumber + "\n" + History("URLs", 10) +
                             "04=kept\nx=kept\n" + History("JavaClasses", 10));
        runner.Script({UrlNumber(c.newNumber)});
        ASSERT_TRUE(OnPreferences(profile, runner)) << c.name;
        EXPECT_EQ(profile.KeyNames("URLs"), c.keptUrls) << c.name;
        EXPECT_EQ(profile.KeyNames("JavaClasses").size(), 10u) << c.name;
    }
}

TEST_F(PreferencesTest, UrlNumberOutsideOneToHundredIsRefusedOnItsField) {
    WriteBytes(path, History("URLs", 10));
    runner.Script({UrlNumber("0"), UrlNumber("101"), UrlNumber("ab"), UrlNumber(""), CancelPress()});
    EXPECT_FALSE(OnPreferences(profile, runner));
    EXPECT_EQ(runner.runs.at(0).refusedAt,
              (std::vector<int>{kUrlNumber, kUrlNumber, kUrlNumber, kUrlNumber}));
    EXPECT_EQ(prompts.messages.size(), 4u);
    EXPECT_TRUE(profile.KeyNames("Misc").empty());
    EXPECT_TRUE(profile.KeyNames("Editing").empty());
    EXPECT_EQ(profile.KeyNames("URLs").size(), 10u);
}

TEST_F(PreferencesTest, TemplateHasEveryControlWithItsLabel) {
    const DialogTemplate& t = CPreferencesDialog::TemplateData();
    EXPECT_EQ(t.title, "Preferences");
    const struct {
        int id;
        const char* text;
    } controls[] = {{kBrowser, "Primary browser path:"},
                    {1114, "&Browse"},
                    {kBrowser2, "Secondary browser path:"},
                    {1116, "&Browse"},
                    {kExtension, "Default file extension:"},
                    {kRelative, "Relative pathnames"},
                    {kUrlNumber, "Number of items in URL list history:"},
                    {kSlashes, "Convert \\'s to /'s"},
                    {kLayout, "Remember HTML 2/HTML 3.2 selection"}};
    for (const auto& c : controls) {
        const ControlTemplate* control = t.Find(c.id);
        ASSERT_NE(control, nullptr) << c.id;
        EXPECT_EQ(control->text, c.text) << c.id;
    }
    EXPECT_EQ(t.Find(kExtension)->entries, (std::vector<std::string>{"htm", "html"}));
    EXPECT_EQ(t.Find(1116)->browse->fieldId, kBrowser2);
    EXPECT_EQ(t.Find(1114)->browse->title, "Please specify your browser executable");
}

} // namespace
} // namespace razo
