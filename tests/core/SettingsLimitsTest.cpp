// Numbers read from a hand-edited settings file may be anything up to the integer limits; what
// is made of them stays within what a window, a toolbar or the edit control can take.
#include <gtest/gtest.h>

#include <climits>

#include "core/app/ToolbarState.h"
#include "core/app/WindowPlacement.h"
#include "core/settings/IniProfile.h"
#include "core/view/DisplaySettings.h"
#include "tests/support/TempDir.h"

using razo::PlacementRect;
using razo::WindowPlacement;
using razo::test::TempDir;
using razo::test::WriteBytes;

namespace {

WindowPlacement Normal(int left, int top, int right, int bottom) {
    WindowPlacement p;
    p.left = left;
    p.top = top;
    p.right = right;
    p.bottom = bottom;
    return p;
}

TEST(SettingsLimitsTest, OnlyARealRectangleBecomesTheWindowsPlace) {
    struct Row {
        const char* name;
        WindowPlacement placement;
        std::optional<PlacementRect> rect;
    };
    const Row rows[] = {
        {"ordinary", Normal(10, 20, 810, 620), PlacementRect{10, 20, 800, 600}},
        {"left of the primary screen", Normal(-1900, 0, -100, 900), PlacementRect{-1900, 0, 1800, 900}},
        {"inverted", Normal(800, 600, 10, 20), std::nullopt},
        {"no width", Normal(10, 20, 10, 620), std::nullopt},
        {"lowest int", Normal(INT_MIN, INT_MIN, 100, 100), std::nullopt},
        {"highest int", Normal(0, 0, INT_MAX, INT_MAX), std::nullopt},
        {"all at the limits", Normal(INT_MIN, INT_MIN, INT_MAX, INT_MAX), std::nullopt},
    };
    for (const Row& row : rows)
        EXPECT_EQ(razo::NormalRectOf(row.placement), row.rect) << row.name;

    const auto parsed =
        razo::ParseWindowPlacement("0,1,-1,-1,-1,-1,-2147483648,-2147483648,2147483647,2147483647");
    ASSERT_TRUE(parsed.has_value());
    EXPECT_FALSE(razo::NormalRectOf(*parsed).has_value());
}

TEST(SettingsLimitsTest, AFloatingToolbarFarOffKeepsItsDefaultPlace) {
    TempDir dir;
    const std::string path = dir.File("RAZO.INI");
    const int bar = razo::DefaultToolbarStates().front().controlId;
    const std::string section = razo::BarStateSection(bar);
    for (const char* x : {"2147483647", "-2147483648", "99999999999"}) {
        WriteBytes(path, "[" + section + "]\nVisible=0\nSide=Floating\nX=" + std::string(x) + "\nY=5\n");
        const auto saved = razo::LoadBarState(razo::IniProfile(path));
        ASSERT_TRUE(saved.front().has_value()) << x; // its visibility is still used
        EXPECT_FALSE(saved.front()->floating) << x;
        EXPECT_FALSE(saved.front()->visible) << x;
    }
    WriteBytes(path, "[" + section + "]\nVisible=1\nSide=Floating\nX=-1500\nY=40\n");
    const auto saved = razo::LoadBarState(razo::IniProfile(path));
    ASSERT_TRUE(saved.front().has_value());
    EXPECT_TRUE(saved.front()->floating);
    EXPECT_EQ(saved.front()->x, -1500);
}

TEST(SettingsLimitsTest, TabStopsBeyondTheDialogsRangeAreItsWidest) {
    const struct {
        int stored, characters;
    } rows[] = {{INT_MAX, 100}, {400, 100}, {404, 100}, {INT_MIN, 0}, {8, 2}};
    for (const auto& row : rows)
        EXPECT_EQ(razo::TabStopsToCharacters(row.stored), row.characters) << row.stored;
}

} // namespace
