// The settings file is never written over when it could not be read or is not meant to be
// written; temporaries that killed instances left beside it are cleaned up; a FIFO in its place
// does not stop the program; and saving the toolbar layout handles files of many sections.
#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "core/app/FileMessages.h"
#include "core/app/ToolbarState.h"
#include "core/settings/AtomicFile.h"
#include "core/settings/IniProfile.h"
#include "tests/support/SystemFaults.h"
#include "tests/support/TempDir.h"

using razo::IniProfile;
using razo::ProfileRefusal;
using razo::test::ReadBytes;
using razo::test::TempDir;
using razo::test::WriteBytes;
namespace fs = std::filesystem;

namespace {

constexpr const char* kStored = "; my notes\n[Misc]\nBrowser=firefox\n[URLs]\n0=http://example.org/\n";

struct SettingsFileTest : ::testing::Test {
    TempDir dir;
    std::string path = dir.File("RAZO.INI");
};

// Each row makes the file unfit to be written in its own way. The program starts on what it
// could read, keeps this run's changes in memory and never touches the file.
TEST_F(SettingsFileTest, AFileThatMayNotBeWrittenIsNeverWritten) {
    struct Row {
        const char* name;
        mode_t mode;
        ProfileRefusal::Reason reason;
        bool readable;
    };
    // Root may read a file of mode 0000; its lack of any write permission still says "read-only".
    const bool root = ::geteuid() == 0;
    const Row rows[] = {
        {"no permissions at all", 0000, root ? ProfileRefusal::ReadOnly : ProfileRefusal::Unreadable, root},
        {"read-only", 0444, ProfileRefusal::ReadOnly, true},
        {"read-only for its owner", 0400, ProfileRefusal::ReadOnly, true},
    };
    for (const Row& row : rows) {
        WriteBytes(path, kStored);
        ::chmod(path.c_str(), row.mode);
        IniProfile profile(path);
        ASSERT_TRUE(profile.Refusal().has_value()) << row.name;
        EXPECT_EQ(profile.Refusal()->reason, row.reason) << row.name;
        EXPECT_EQ(profile.GetProfileString("Misc", "Browser", "none"), row.readable ? "firefox" : "none")
            << row.name;
        EXPECT_FALSE(profile.WriteProfileString("Misc", "Browser2", "lynx")) << row.name;
        EXPECT_FALSE(profile.DeleteSection("URLs")) << row.name;
        EXPECT_EQ(profile.GetProfileString("Misc", "Browser2", ""), "lynx") << row.name; // for this run
        {
            IniProfile::Batch batch(profile);
            profile.WriteProfileInt("Version", "Number", 21);
        }
        ::chmod(path.c_str(), 0600);
        EXPECT_EQ(ReadBytes(path), kStored) << row.name;
        std::filesystem::remove(path);
    }
}

TEST_F(SettingsFileTest, AFileThatCannotBeReadIsNotReplaced) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to act as another user";
    ::chmod(dir.Path().c_str(), 0777);
    WriteBytes(path, kStored);
    ASSERT_EQ(::chown(path.c_str(), razo::test::kNobody, razo::test::kNobody), 0);
    ::chmod(path.c_str(), 0200); // its owner may write it but not read it
    const bool refused = razo::test::RunAsUser(razo::test::kNobody, [&] {
        IniProfile profile(path);
        return profile.Refusal() && profile.Refusal()->reason == ProfileRefusal::Unreadable &&
               profile.Refusal()->error == EACCES && !profile.WriteProfileString("Misc", "Browser2", "lynx");
    });
    EXPECT_TRUE(refused);
    EXPECT_EQ(ReadBytes(path), kStored);
}

TEST_F(SettingsFileTest, AFifoOrFolderInPlaceOfTheFileIsLeftAlone) {
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    const auto browser = razo::test::WithinASecond<std::string>(path, [&] {
        IniProfile profile(path);
        profile.WriteProfileString("Misc", "Browser", "lynx");
        return profile.GetProfileString("Misc", "Browser", "none") +
               (profile.Refusal() && profile.Refusal()->reason == ProfileRefusal::NotRegular ? " refused"
                                                                                             : "");
    });
    ASSERT_TRUE(browser.has_value()) << "reading a FIFO blocked";
    EXPECT_EQ(*browser, "lynx refused");
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

// A read-only folder takes no new file, so the file is never replaced; the start says so.
TEST_F(SettingsFileTest, AReadOnlyFolderIsSaidAndNeverWritten) {
    struct Row {
        const char* name;
        const char* file; // in the read-only folder
        bool there;
    };
    const Row rows[] = {
        {"no file yet", "RAZO.INI", false},
        {"a writable file", "RAZO.INI", true},
        {"a folder not made yet", "razo/RAZO.INI", false},
    };
    for (const Row& row : rows) {
        TempDir folder;
        const std::string file = folder.File(row.file);
        if (row.there)
            WriteBytes(file, kStored);
        ::chmod(folder.Path().c_str(), 0555);
        IniProfile profile(file);
        ASSERT_TRUE(profile.Refusal().has_value()) << row.name;
        EXPECT_EQ(
            razo::SettingsNotSavedMessage(*profile.Refusal(), file),
            "The settings folder " + fs::path(file).parent_path().string() +
                " is read-only.\n\nRazo starts with the settings it could read, and changes to them will "
                "not be saved.")
            << row.name;
        EXPECT_FALSE(profile.WriteProfileString("Misc", "Browser2", "lynx")) << row.name;
        ::chmod(folder.Path().c_str(), 0700);
        EXPECT_EQ(ReadBytes(file), row.there ? kStored : "") << row.name;
    }
}

TEST_F(SettingsFileTest, AWritableFileOrNoFileIsWritten) {
    IniProfile missing(path);
    EXPECT_FALSE(missing.Refusal().has_value());
    ASSERT_TRUE(missing.WriteProfileString("Misc", "Browser", "lynx"));
    EXPECT_FALSE(IniProfile(path).Refusal().has_value());
}

TEST_F(SettingsFileTest, TheStartMessageSaysWhyAndThatNothingWillBeSaved) {
    const std::string unreadable =
        razo::SettingsNotSavedMessage(ProfileRefusal{ProfileRefusal::Unreadable, EACCES}, "/home/u/RAZO.INI");
    EXPECT_NE(unreadable.find("/home/u/RAZO.INI"), std::string::npos);
    EXPECT_NE(unreadable.find("Permission denied"), std::string::npos);
    for (const auto reason :
         {ProfileRefusal::Unreadable, ProfileRefusal::ReadOnly, ProfileRefusal::NotRegular})
        EXPECT_NE(
            razo::SettingsNotSavedMessage(ProfileRefusal{reason, EACCES}, "x").find("will not be saved"),
            std::string::npos);
}

TEST_F(SettingsFileTest, TemporariesOfKilledInstancesAreRemoved) {
    WriteBytes(path, kStored);
    // A process that has ended: its number is free.
    const pid_t ended = ::fork();
    if (ended == 0)
        ::_exit(0);
    ::waitpid(ended, nullptr, 0);
    const std::string deadWriter = path + "." + std::to_string(ended) + ".tmp";
    const std::string liveWriter = path + "." + std::to_string(::getppid()) + ".tmp";
    const std::string oldLiveWriter = path + ".1.tmp";
    const std::string unrelated[] = {dir.File("RAZO.INI.bak"), dir.File("RAZO.INI.x.tmp"),
                                     dir.File("OTHER.INI.5.tmp")};
    for (const std::string& file : {deadWriter, liveWriter, oldLiveWriter})
        WriteBytes(file, "half");
    for (const std::string& file : unrelated)
        WriteBytes(file, "keep");
    // Written two hours ago: whoever has that number now is not writing it.
    fs::last_write_time(oldLiveWriter, fs::file_time_type::clock::now() - std::chrono::hours(2));

    IniProfile profile(path);
    EXPECT_FALSE(fs::exists(deadWriter));
    EXPECT_FALSE(fs::exists(oldLiveWriter));
    EXPECT_TRUE(fs::exists(liveWriter));
    for (const std::string& file : unrelated)
        EXPECT_TRUE(fs::exists(file)) << file;
    EXPECT_EQ(ReadBytes(path), kStored);
}

// Stale toolbar sections go in one pass; every other section and line stays as it was.
TEST_F(SettingsFileTest, ManyStaleToolbarSectionsGoAndTheRestStays) {
    std::string text = "; notes\n[Misc]\nBrowser=x\n";
    for (int i = 0; i < 2000; ++i) {
        text += "[" + razo::BarStateSection(40000 + i) + "]\nVisible=1\n";
        text += "[Other" + std::to_string(i) + "]\nKey=" + std::to_string(i) + "\n";
    }
    WriteBytes(path, text);
    IniProfile profile(path);
    ASSERT_TRUE(razo::SaveBarState(profile, razo::DefaultToolbarStates()));

    const std::string after = ReadBytes(path);
    EXPECT_EQ(after.find("Bar4"), std::string::npos);
    EXPECT_EQ(after.rfind("; notes\n[Misc]\nBrowser=x\n[Other0]\nKey=0\n[Other1]\nKey=1\n", 0), 0u);
    IniProfile reread(path);
    EXPECT_EQ(reread.GetProfileString("other1999", "key", ""), "1999");
    EXPECT_EQ(reread.SectionNames().size(), 1u + 2000u + razo::DefaultToolbarStates().size());
    EXPECT_EQ(razo::ResolveToolbarLayout(razo::LoadBarState(reread)), razo::DefaultToolbarStates());
}

} // namespace
