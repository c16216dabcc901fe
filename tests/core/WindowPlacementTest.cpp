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
