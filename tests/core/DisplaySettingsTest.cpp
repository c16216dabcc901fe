#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/settings/IniProfile.h"
#include "core/view/DisplaySettings.h"
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

LogFont MonoBold() {
    LogFont font;
    font.height = -16;
    font.weight = 700;
    font.italic = 1;
    font.pitchAndFamily = 0x31;
    font.faceName = "DejaVu Sans Mono";
    return font;
}

Press TabWidth(const char* text, bool cancel = false) {
    Press press;
    press.texts[1214] = text;
    press.cancel = cancel;
    return press;
}

struct DisplaySettingsTest : ::testing::Test {
    TempDir dir;
    std::string path = dir.File("RAZO.INI");
    IniProfile profile{path};
    DisplaySettings settings;
    FakeUserPrompts prompts;
    ScriptedDialogRunner runner{prompts};

    std::set<std::string> FontKeys() const {
        const auto keys = profile.KeyNames("Font");
        return {keys.begin(), keys.end()};
    }
};

TEST_F(DisplaySettingsTest, ChosenFontIsWrittenAndReadBackByTheNextView) {
    LogFont chosen = MonoBold();
    chosen.width = 7; // never stored
    OnDisplayFontChosen(profile, chosen, settings);
    EXPECT_EQ(settings.s_lfSavedFont, settings.s_lfDisplayFont);

    DisplaySettings next;
    LoadViewSettings(profile, next);
    EXPECT_EQ(next.s_lfDisplayFont, MonoBold());
    EXPECT_EQ(next.s_lfSavedFont, MonoBold());
    EXPECT_EQ(FontKeys(),
              (std::set<std::string>{"Height", "Weight", "Italic", "FaceName", "PitchAndFamily"}));
}

TEST_F(DisplaySettingsTest, CancelledFontChoiceChangesNothing) {
    OnDisplayFontChosen(profile, std::nullopt, settings);
    EXPECT_EQ(settings.s_lfDisplayFont, LogFont{});
    EXPECT_TRUE(FontKeys().empty());
}

TEST_F(DisplaySettingsTest, OnlyFieldsThatDifferFromTheSavedCopyAreWritten) {
    const struct {
        const char* name;
        void (*change)(LogFont&);
        std::set<std::string> written;
    } cases[] = {
        {"nothing", [](LogFont&) {}, {}},
        {"height", [](LogFont& f) { f.height = -20; }, {"Height"}},
        {"weight", [](LogFont& f) { f.weight = 400; }, {"Weight"}},
        {"italic", [](LogFont& f) { f.italic = 0; }, {"Italic"}},
        {"underline", [](LogFont& f) { f.underline = 1; }, {"Underline"}},
        {"pitch and family", [](LogFont& f) { f.pitchAndFamily = 0x22; }, {"PitchAndFamily"}},
        {"face name", [](LogFont& f) { f.faceName = "Courier"; }, {"FaceName"}},
        {"face name letter case", [](LogFont& f) { f.faceName = "dejavu sans mono"; }, {"FaceName"}},
        {"fields never stored",
         [](LogFont& f) { f.width = 3, f.strikeOut = 1, f.charSet = 2, f.quality = 4; },
         {}},
        {"height 0 writes only Height",
         [](LogFont& f) { f.height = 0, f.weight = 100, f.faceName = "X"; },
         {"Height"}},
    };
    for (const auto& c : cases) {
        profile.DeleteSection("Font");
        LogFont saved = MonoBold();
        LogFont font = MonoBold();
        c.change(font);
        SaveFontSetting(profile, "Font", font, saved);
        EXPECT_EQ(FontKeys(), c.written) << c.name;
        EXPECT_EQ(saved, font) << c.name;
    }
}

TEST_F(DisplaySettingsTest, HeightZeroKeepsTheOtherStoredFields) {
    WriteBytes(path, "[Font]\nHeight=-12\nWeight=700\nFaceName=Courier\n");
    LoadViewSettings(profile, settings);
    settings.s_lfDisplayFont.height = 0;
    SaveFontSetting(profile, "Font", settings.s_lfDisplayFont, settings.s_lfSavedFont);
    EXPECT_EQ(profile.GetProfileInt("Font", "Height", -1), 0);
    EXPECT_EQ(profile.GetProfileInt("Font", "Weight", 0), 700);
    EXPECT_EQ(profile.GetProfileString("Font", "FaceName", ""), "Courier");
}

TEST_F(DisplaySettingsTest, ReadingTheFontSection) {
    LogFont untouched = MonoBold();
    untouched.width = 9;
    const struct {
        const char* name;
        const char* ini;
        LogFont expected;
    } cases[] = {
        {"no section keeps every other field", "",
         [&] {
             LogFont f = untouched;
             f.height = 0;
             return f;
         }()},
        {"height only: System and zeros", "[Font]\nHeight=-13\n",
         [&] {
             LogFont f = untouched;
             f.height = -13, f.weight = 0, f.italic = 0, f.pitchAndFamily = 0, f.faceName = "System";
             return f;
         }()},
        {"40 characters cut to 31", "[Font]\nHeight=12\nFaceName=ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmn\n",
         [&] {
             LogFont f = untouched;
             f.height = 12, f.weight = 0, f.italic = 0, f.pitchAndFamily = 0;
             f.faceName = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcde";
             return f;
         }()},
    };
    for (const auto& c : cases) {
        WriteBytes(path, c.ini);
        LogFont font = untouched;
        LoadFontSetting(profile, "Font", font);
        EXPECT_EQ(font, c.expected) << c.name;
    }
}

TEST_F(DisplaySettingsTest, FaceNameIsCutToWholeCharacters) {
    std::string accented;
    for (int i = 0; i < 40; ++i)
        accented += "\xC3\x89"; // É
    LogFont font = MonoBold();
    font.faceName = accented;
    OnDisplayFontChosen(profile, font, settings);
    const std::string stored = profile.GetProfileString("Font", "FaceName", "");
    EXPECT_EQ(stored, accented.substr(0, 62));
    EXPECT_EQ(settings.s_lfDisplayFont.faceName, stored);
}

TEST_F(DisplaySettingsTest, TabStopConversions) {
    const struct {
        int stored, characters;
    } toCharacters[] = {{20, 5}, {22, 5}, {23, 5}, {24, 6}, {0, 0}, {-4, 0}};
    for (const auto& c : toCharacters)
        EXPECT_EQ(TabStopsToCharacters(c.stored), c.characters) << c.stored;
    for (const auto& [characters, stored] : {std::pair{5, 20}, {1, 4}, {100, 400}})
        EXPECT_EQ(CharactersToTabStops(characters), stored) << characters;
}

TEST_F(DisplaySettingsTest, TabStopDialogShowsCharactersAndStoresDialogUnits) {
    WriteBytes(path, "[Settings]\nTabStops=22\n");
    runner.Script({Press{}}); // OK on what the dialog shows
    EXPECT_EQ(OnSetTabStops(profile, runner, settings), 20);
    EXPECT_EQ(profile.GetProfileInt("Settings", "TabStops", 0), 20);
    EXPECT_EQ(settings.s_nTabStops, 20);
}

TEST_F(DisplaySettingsTest, TabStopDialogRefusesWidthsOutsideOneToHundred) {
    runner.Script({TabWidth("0"), TabWidth("101"), TabWidth("x"), TabWidth("100")});
    EXPECT_EQ(OnSetTabStops(profile, runner, settings), 400);
    ASSERT_EQ(runner.runs.size(), 1u);
    EXPECT_EQ(runner.runs[0].idd, 228);
    EXPECT_EQ(runner.runs[0].refusedAt, (std::vector<int>{1214, 1214, 1214}));
    EXPECT_EQ(prompts.messages.size(), 3u);
    EXPECT_EQ(profile.GetProfileInt("Settings", "TabStops", 0), 400);
}

TEST_F(DisplaySettingsTest, CancelledTabStopDialogWritesNothing) {
    runner.Script({TabWidth("8", true)});
    EXPECT_EQ(OnSetTabStops(profile, runner, settings), std::nullopt);
    EXPECT_TRUE(profile.KeyNames("Settings").empty());
    EXPECT_EQ(settings.s_nTabStops, 0);
}

TEST_F(DisplaySettingsTest, WordWrapToggleIsWrittenForNewViews) {
    EXPECT_TRUE(OnToggleWordWrap(profile, false, settings));
    EXPECT_EQ(settings.s_bWordWrap, 1);
    EXPECT_EQ(profile.GetProfileInt("Settings", "WordWrap", -1), 1);
    EXPECT_FALSE(OnToggleWordWrap(profile, true, settings));
    EXPECT_EQ(profile.GetProfileInt("Settings", "WordWrap", -1), 0);
}

TEST_F(DisplaySettingsTest, ColouringAndLineNumbersAreOnUntilTurnedOffForNewViews) {
    LoadViewSettings(profile, settings);
    EXPECT_EQ(settings.s_bSyntaxColouring, 1);
    EXPECT_EQ(settings.s_bLineNumbers, 1);
    EXPECT_FALSE(OnToggleSyntaxColouring(profile, true, settings));
    EXPECT_FALSE(OnToggleLineNumbers(profile, true, settings));
    EXPECT_EQ(profile.GetProfileInt("Settings", "SyntaxColouring", -1), 0);
    EXPECT_EQ(profile.GetProfileInt("Settings", "LineNumbers", -1), 0);
    DisplaySettings next;
    LoadViewSettings(profile, next);
    EXPECT_EQ(next.s_bSyntaxColouring, 0);
    EXPECT_EQ(next.s_bLineNumbers, 0);
    // Edited by hand: anything but 0 is on.
    profile.WriteProfileInt("Settings", "LineNumbers", 7);
    LoadViewSettings(profile, next);
    EXPECT_EQ(next.s_bLineNumbers, 1);
}

TEST_F(DisplaySettingsTest, ActivationPicksUpAnotherViewsFontAndTabStops) {
    LoadViewSettings(profile, settings);
    EXPECT_EQ(settings.s_nTabStops, 20);
    IniProfile other(path);
    DisplaySettings otherSettings;
    OnDisplayFontChosen(other, MonoBold(), otherSettings);
    other.WriteProfileInt("Settings", "TabStops", 12);

    ReloadActivatedViewSettings(profile, settings);
    EXPECT_EQ(settings.s_lfDisplayFont, MonoBold());
    EXPECT_EQ(settings.s_nTabStops, 12);
}

} // namespace
} // namespace razo
