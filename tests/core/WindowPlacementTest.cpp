#include <gtest/gtest.h>

#include "core/app/WindowPlacement.h"
#include "core/settings/IniProfile.h"
#include "tests/support/TempDir.h"

using razo::IniProfile;
using razo::WindowPlacement;

namespace {

TEST(WindowPlacementTest, FormatsTheTenNumbersInRecordOrder) {
    const WindowPlacement p{2, 3, -1, -2, -32000, -32000, 10, 20, 810, 620};
    EXPECT_EQ(razo::FormatWindowPlacement(p), "2,3,-1,-2,-32000,-32000,10,20,810,620");
    EXPECT_EQ(razo::ParseWindowPlacement(razo::FormatWindowPlacement(p)), p);
}

TEST(WindowPlacementTest, OnlyTenNumbersParse) {
    struct Row {
        const char* text;
        bool parses;
    };
    const Row rows[] = {
        {"0,1,-1,-1,-1,-1,22,22,700,500", true},
        {"0, 1, -1, -1, -1, -1, 22, 22, 700, 500", true},
        {"", false},
        {"0,1,-1,-1,-1,-1,22,22,700", false},
        {"0,1,-1,-1,-1,-1,22,22,700,500,9", false},
        {"0,1,-1,-1,-1,-1,22,22,700,", false},
        {"0,1,-1,-1,-1,-1,22,22,700,5x", false},
        {"-1,1,-1,-1,-1,-1,22,22,700,500", false},
        {"0,1,-1,-1,-1,-1,22,22,700,99999999999", false},
        {"a,b,c,d,e,f,g,h,i,j", false},
        {",,,,,,,,,", false},
    };
    for (const Row& row : rows)
        EXPECT_EQ(razo::ParseWindowPlacement(row.text).has_value(), row.parses) << '"' << row.text << '"';
}

struct PlacementProfileTest : ::testing::Test {
    razo::test::TempDir dir;
    std::string path = dir.File("RAZO.INI");
};

TEST_F(PlacementProfileTest, OldPlacementKeysGoWhileTheLayoutIsOlder) {
    struct Row {
        const char* version;
        bool keysRemain;
    };
    const Row rows[] = {{"", false}, {"Number=20\n", false}, {"Number=21\n", true}, {"Number=22\n", true}};
    for (const Row& row : rows) {
        razo::test::WriteBytes(path, std::string("[Version]\n") + row.version +
                                         "[Window size]\nRect=1 2 3 4\niconized=0\nmaximized=1\nother=x\n");
        IniProfile profile(path);
        EXPECT_FALSE(razo::ReadWindowPlacement(profile).has_value());
        for (const char* key : {"Rect", "iconized", "maximized"})
            EXPECT_EQ(!profile.GetProfileString("Window size", key, "").empty(), row.keysRemain)
                << row.version << key;
        EXPECT_EQ(profile.GetProfileString("Window size", "other", ""), "x");
    }
}

TEST_F(PlacementProfileTest, StoredPlacementIsReadBackWithTheMaximisedFlag) {
    IniProfile profile(path);
    const WindowPlacement p{1, 3, -1, -1, -1, -1, 22, 22, 700, 500};
    ASSERT_TRUE(razo::WriteWindowPlacement(profile, p, true));
    EXPECT_EQ(profile.GetProfileString("Settings", "WindowPos", ""), "2,3,-1,-1,-1,-1,22,22,700,500");
    ASSERT_TRUE(razo::WriteWindowPlacement(profile, p, false));
    auto read = razo::ReadWindowPlacement(profile);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->flags, 0u);
    EXPECT_EQ(read->right, 700);

    profile.WriteProfileString("Settings", "WindowPos", "garbage");
    EXPECT_FALSE(razo::ReadWindowPlacement(profile).has_value());
}

} // namespace

namespace {

// Two screens side by side, the right one smaller and lower; a stored rectangle comes back on the
// screen that shows most of it, wholly inside it.
TEST(WindowPlacementTest, AStoredRectangleComesBackWithinItsScreen) {
    using razo::PlacementRect;
    const std::vector<PlacementRect> screens{{0, 0, 1600, 1000}, {1600, 200, 1280, 800}};
    struct Row {
        const char* name;
        PlacementRect stored;
        std::optional<std::size_t> screen;
        PlacementRect shown;
    };
    const Row rows[] = {
        {"inside", {100, 80, 800, 600}, 0, {100, 80, 800, 600}},
        {"saved at a smaller scale", {0, 0, 2560, 1720}, 0, {0, 0, 1600, 1000}},
        {"wider than its screen", {-40, 100, 1700, 500}, 0, {0, 100, 1600, 500}},
        {"hanging off the bottom", {200, 800, 600, 500}, 0, {200, 500, 600, 500}},
        {"mostly on the right screen", {1500, 300, 800, 600}, 1, {1600, 300, 800, 600}},
        {"above the right screen", {2000, 0, 500, 400}, 1, {2000, 200, 500, 400}},
        {"a sliver shows", {-700, 100, 800, 600}, 0, {0, 100, 800, 600}},
        {"too little shows", {-750, 100, 800, 600}, std::nullopt, {}},
        {"a small one wholly shown", {10, 10, 20, 20}, 0, {10, 10, 20, 20}},
        {"off every screen", {-30000, -30000, 1000, 800}, std::nullopt, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto screen = razo::ScreenShowing(row.stored, screens);
        ASSERT_EQ(screen, row.screen);
        if (screen) {
            EXPECT_EQ(razo::FitIntoScreen(row.stored, screens[*screen]), row.shown);
        }
    }
    EXPECT_EQ(razo::ScreenShowing({0, 0, 100, 100}, {}), std::nullopt);
}

} // namespace
