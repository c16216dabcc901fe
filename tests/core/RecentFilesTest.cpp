#include <gtest/gtest.h>

#include "core/app/RecentFiles.h"
#include "core/settings/IniProfile.h"
#include "tests/support/TempDir.h"

using Paths = std::vector<std::string>;

namespace {

struct RecentFilesTest : ::testing::Test {
    razo::test::TempDir dir;
    std::string path = dir.File("RAZO.INI");
    razo::IniProfile profile{path};
};

TEST_F(RecentFilesTest, MostRecentFirstAndAtMostEight) {
    razo::RecentFiles recent(profile);
    for (int i = 1; i <= 10; ++i)
        ASSERT_TRUE(recent.Add("/p/" + std::to_string(i) + ".html"));
    EXPECT_EQ(recent.Paths(), (Paths{"/p/10.html", "/p/9.html", "/p/8.html", "/p/7.html", "/p/6.html",
                                     "/p/5.html", "/p/4.html", "/p/3.html"}));
    EXPECT_EQ(profile.GetProfileString("Recent File List", "File1", ""), "/p/10.html");
    EXPECT_EQ(profile.GetProfileString("Recent File List", "File8", ""), "/p/3.html");
    EXPECT_EQ(profile.KeyNames("Recent File List").size(), 8u);
}

TEST_F(RecentFilesTest, AddingAListedPathMovesItToTheFront) {
    razo::RecentFiles recent(profile);
    for (const char* p : {"/a", "/b", "/c", "/b"})
        recent.Add(p);
    EXPECT_EQ(recent.Paths(), (Paths{"/b", "/c", "/a"}));
    recent.Add("/B");
    EXPECT_EQ(recent.Paths(), (Paths{"/B", "/b", "/c", "/a"}));
}

TEST_F(RecentFilesTest, RemoveCloseTheGapInTheProfile) {
    razo::RecentFiles recent(profile);
    for (const char* p : {"/a", "/b", "/c"})
        recent.Add(p);
    ASSERT_TRUE(recent.Remove("/b"));
    ASSERT_TRUE(recent.Remove("/missing"));
    EXPECT_EQ(razo::test::ReadBytes(path), "[Recent File List]\nFile1=/c\nFile2=/a\n");
}

TEST_F(RecentFilesTest, LoadsWhatIsStoredAndKeepsOtherInstancesEntries) {
    razo::test::WriteBytes(path, "[recent file list]\nfile2=/two\nFile1=/one\nFile9=/ignored\n");
    razo::RecentFiles first(profile);
    EXPECT_EQ(first.Paths(), (Paths{"/one", "/two"}));

    razo::IniProfile otherProfile(path);
    razo::RecentFiles other(otherProfile);
    other.Add("/from-other");
    first.Add("/mine");
    EXPECT_EQ(first.Paths(), (Paths{"/mine", "/from-other", "/one", "/two"}));
}

// A hand-edited list naming a file twice shows it once, at its first place, and the next save
// writes it once.
TEST_F(RecentFilesTest, DuplicateEntriesInTheProfileShowOnce) {
    razo::test::WriteBytes(path, "[Recent File List]\nFile1=/a\nFile2=/b\nFile3=/a\nFile4=/c\nFile5=/b\n");
    razo::RecentFiles recent(profile);
    EXPECT_EQ(recent.Paths(), (Paths{"/a", "/b", "/c"}));
    recent.Add("/d");
    EXPECT_EQ(razo::test::ReadBytes(path), "[Recent File List]\nFile1=/d\nFile2=/a\nFile3=/b\nFile4=/c\n");
}

TEST_F(RecentFilesTest, PathsThatCannotBeStoredStayOut) {
    razo::RecentFiles recent(profile);
    recent.Add("/a");
    EXPECT_FALSE(recent.Add("/evil\n[Misc]\nBrowser=x"));
    recent.Add("");
    EXPECT_EQ(recent.Paths(), (Paths{"/a"}));
    EXPECT_EQ(profile.GetProfileString("Misc", "Browser", "none"), "none");
}

} // namespace
