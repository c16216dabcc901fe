#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <sys/stat.h>
#include <tuple>

#include "core/app/ToolbarState.h"
#include "core/resources/CommandIds.h"
#include "core/settings/IniProfile.h"
#include "core/settings/SettingsKeys.h"
#include "tests/support/TempDir.h"

namespace razo {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

constexpr int kStandard = cmd::ToolbarStandard;
constexpr int kHeading = cmd::ToolbarHeading;
constexpr int kStructure = cmd::ToolbarStructure;
constexpr int kFont = cmd::ToolbarFont;

struct ToolbarStateTest : ::testing::Test {
    TempDir dir;
    std::string path = dir.File("RAZO.INI");
    IniProfile profile{path};

    static const ToolbarPlacementState& Bar(const std::vector<ToolbarPlacementState>& bars, int id) {
        const auto found =
            std::find_if(bars.begin(), bars.end(), [id](const auto& b) { return b.controlId == id; });
        EXPECT_NE(found, bars.end()) << id;
        return *found;
    }
    static void ExpectEveryToolbarOnce(const std::vector<ToolbarPlacementState>& bars) {
        std::vector<int> ids, expected;
        for (const auto& bar : bars)
            ids.push_back(bar.controlId);
        for (const auto& info : Toolbars())
            expected.push_back(info.controlId);
        EXPECT_EQ(ids, expected);
    }
};

TEST_F(ToolbarStateTest, DefaultStatesFollowTheDefaultLayout) {
    const auto bars = DefaultToolbarStates();
    ExpectEveryToolbarOnce(bars);
    EXPECT_EQ(Bar(bars, kStandard), (ToolbarPlacementState{kStandard, DockSide::Top, false, 0, 0, true}));
    EXPECT_EQ(Bar(bars, kHeading), (ToolbarPlacementState{kHeading, DockSide::Top, false, 0, 1, true}));
    EXPECT_EQ(Bar(bars, kStructure).side, DockSide::Left);
    EXPECT_EQ(std::count_if(bars.begin(), bars.end(), [](const auto& b) { return !b.visible; }), 3);
    EXPECT_EQ(ResolveToolbarLayout({}), bars);
}

TEST_F(ToolbarStateTest, SavedLayoutComesBackAsSavedInReadableSections) {
    auto bars = DefaultToolbarStates();
    for (auto& bar : bars) {
        if (bar.controlId == kStandard) {
            bar.floating = true;
            bar.x = 120;
            bar.y = -40;
        } else if (bar.controlId == kStructure) {
            bar.side = DockSide::Right;
        } else if (bar.controlId == kHeading) {
            bar.visible = false;
            bar.index = 0; // alone on the top row once Standard floats
        }
    }
    ASSERT_TRUE(SaveBarState(profile, bars));

    EXPECT_EQ(ResolveToolbarLayout(LoadBarState(profile)), bars);
    const std::string text = ReadBytes(path);
    EXPECT_NE(text.find("[RAZO.INI-Bar33073]"), std::string::npos) << text;
    EXPECT_EQ(profile.GetProfileString("RAZO.INI-Bar33073", "Side", ""), "Floating");
    EXPECT_EQ(profile.GetProfileString("RAZO.INI-Bar33073", "X", ""), "120");
    EXPECT_EQ(profile.GetProfileString("RAZO.INI-Bar33073", "Row", "none"), "none");
    EXPECT_EQ(profile.GetProfileString("RAZO.INI-Bar33119", "Side", ""), "Right");
    EXPECT_EQ(profile.GetProfileString("RAZO.INI-Bar33074", "Visible", ""), "0");
}

TEST_F(ToolbarStateTest, SavingReplacesOldSectionsAndSkipsUnknownOrRepeatedBars) {
    WriteBytes(path, "[RAZO.INI-Bar33073]\nSide=Floating\nX=1\nY=2\nStale=1\n[razo.ini-bar99999]\nSide=Top\n"
                     "[Misc]\nBrowser=b\n");
    ToolbarPlacementState standard{kStandard, DockSide::Bottom, false, 4, 2, true};
    ToolbarPlacementState unknown{99998, DockSide::Top, false, 0, 0, true};
    ToolbarPlacementState repeat{kStandard, DockSide::Left, false, 0, 0, false};
    ASSERT_TRUE(SaveBarState(profile, {standard, unknown, repeat}));

    const auto keys = profile.KeyNames("RAZO.INI-Bar33073");
    EXPECT_EQ(std::set<std::string>(keys.begin(), keys.end()),
              (std::set<std::string>{"Visible", "Side", "Row", "Index"}));
    EXPECT_EQ(profile.GetProfileString("RAZO.INI-Bar33073", "Side", ""), "Bottom");
    EXPECT_TRUE(profile.KeyNames("RAZO.INI-Bar99999").empty());
    EXPECT_TRUE(profile.KeyNames("RAZO.INI-Bar99998").empty());
    EXPECT_EQ(profile.GetProfileString("Misc", "Browser", ""), "b");
}

TEST_F(ToolbarStateTest, SavingAnUnchangedLayoutLeavesTheFileAlone) {
    ASSERT_TRUE(SaveBarState(profile, DefaultToolbarStates()));
    struct stat before {};
    ASSERT_EQ(::stat(path.c_str(), &before), 0);
    ASSERT_TRUE(SaveBarState(profile, DefaultToolbarStates()));
    struct stat after {};
    ASSERT_EQ(::stat(path.c_str(), &after), 0);
    EXPECT_EQ(before.st_ino, after.st_ino); // every write replaces the file by renaming a new one
}

// One damaged section for the Structure bar (default: left side, shown) and what becomes of it.
TEST_F(ToolbarStateTest, DamagedBarStateFallsBackToTheDefaultForWhatCannotBePlaced) {
    const ToolbarPlacementState fallback{kStructure, DockSide::Left, false, 0, 0, true};
    const struct {
        const char* name;
        const char* section;
        ToolbarPlacementState expected;
    } cases[] = {
        {"missing section", "", fallback},
        {"valid right side",
         "Visible=0\nSide=right\nRow=0\nIndex=0\n",
         {kStructure, DockSide::Right, false, 0, 0, false}},
        {"unknown side keeps visibility",
         "Visible=0\nSide=Middle\nRow=0\nIndex=0\n",
         {kStructure, DockSide::Left, false, 0, 0, false}},
        {"negative row", "Visible=1\nSide=Right\nRow=-1\nIndex=0\n", fallback},
        {"negative index", "Visible=1\nSide=Right\nRow=0\nIndex=-1\n", fallback},
        {"lowest int index", "Visible=1\nSide=Right\nRow=0\nIndex=-2147483648\n", fallback},
        {"garbage row", "Side=Right\nRow=12abc\nIndex=0\n", fallback},
        {"missing index", "Side=Right\nRow=0\n", fallback},
        {"floating without Y", "Side=Floating\nX=5\n", fallback},
        {"floating", "Side=Floating\nX=5\nY=-7\n", {kStructure, DockSide::Left, true, 0, 0, true, 5, -7}},
        {"visibility not 0 or 1",
         "Visible=yes\nSide=Right\nRow=0\nIndex=0\n",
         {kStructure, DockSide::Right, false, 0, 0, true}},
        {"huge row", "Side=Right\nRow=99999999999\nIndex=0\n", fallback},
    };
    for (const auto& c : cases) {
        std::string text = "[RAZO.INI-Bar99999]\nSide=Top\nRow=0\nIndex=0\n";
        if (*c.section)
            text += std::string("[RAZO.INI-Bar33119]\n") + c.section;
        WriteBytes(path, text);
        const auto bars = ResolveToolbarLayout(LoadBarState(profile));
        ExpectEveryToolbarOnce(bars);
        EXPECT_EQ(Bar(bars, kStructure), c.expected) << c.name;
    }
}

TEST_F(ToolbarStateTest, TiesAndGapsAreRenumberedInCreationOrder) {
    WriteBytes(path, "[RAZO.INI-Bar33098]\nSide=Right\nRow=9\nIndex=0\n"
                     "[RAZO.INI-Bar33073]\nSide=Right\nRow=5\nIndex=3\n"
                     "[RAZO.INI-Bar33074]\nSide=Right\nRow=5\nIndex=3\n");
    const auto bars = ResolveToolbarLayout(LoadBarState(profile));
    const auto place = [&](int id) {
        const auto& bar = Bar(bars, id);
        return std::tuple{bar.side, bar.row, bar.index};
    };
    EXPECT_EQ(place(kStandard), std::tuple(DockSide::Right, 0, 0));
    EXPECT_EQ(place(kHeading), std::tuple(DockSide::Right, 0, 1));
    EXPECT_EQ(place(kFont), std::tuple(DockSide::Right, 1, 0));
    // The top side closes the gap Standard and Heading left.
    const auto& list = Bar(bars, cmd::ToolbarList);
    EXPECT_EQ(std::tuple(list.side, list.row, list.index), std::tuple(DockSide::Top, 0, 0));
}

TEST_F(ToolbarStateTest, SavedLayoutIsRestoredOnlyFromLayoutVersion21On) {
    const struct {
        const char* version;
        bool restored;
    } cases[] = {{nullptr, false}, {"20", false}, {"21", true}, {"22", true}};
    for (const auto& c : cases) {
        std::string text = "[RAZO.INI-Bar33073]\nVisible=0\nSide=Left\nRow=0\nIndex=0\n";
        if (c.version)
            text += std::string("[Version]\nNumber=") + c.version + "\n";
        WriteBytes(path, text);
        const auto bars = StartupToolbarLayout(profile);
        ExpectEveryToolbarOnce(bars);
        const std::string name = c.version ? c.version : "none";
        EXPECT_EQ(Bar(bars, kStandard).side, c.restored ? DockSide::Left : DockSide::Top) << name;
        EXPECT_EQ(Bar(bars, kStandard).visible, !c.restored) << name;
        EXPECT_EQ(profile.GetProfileInt("Version", "Number", 0), c.restored ? std::stoi(c.version) : 21)
            << name;
    }
}

// A layout saved before the HTML5 toolbar existed keeps every bar where it was; the new bar takes
// its default row, below the others on top, shown.
TEST_F(ToolbarStateTest, LayoutSavedBeforeTheHtml5ToolbarGetsItInItsDefaultRow) {
    std::vector<ToolbarPlacementState> older;
    for (auto bar : DefaultToolbarStates())
        if (bar.controlId != cmd::ToolbarHtml5) {
            bar.visible = bar.controlId != kFont;
            older.push_back(bar);
        }
    ASSERT_TRUE(SaveBarState(profile, older));
    Write(profile, settings::LayoutVersion, settings::CurrentLayoutVersion);

    const auto bars = StartupToolbarLayout(profile);
    ExpectEveryToolbarOnce(bars);
    EXPECT_FALSE(Bar(bars, kFont).visible);
    EXPECT_EQ(Bar(bars, cmd::ToolbarHtml5),
              (ToolbarPlacementState{cmd::ToolbarHtml5, DockSide::Top, false, 3, 0, true}));
}

} // namespace
} // namespace razo
