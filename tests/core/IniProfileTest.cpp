#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <functional>
#include <random>
#include <sys/stat.h>

#include "core/settings/AtomicFile.h"
#include "core/settings/IniProfile.h"
#include "tests/support/TempDir.h"

using razo::IniProfile;
using razo::test::ReadBytes;
using razo::test::TempDir;
using razo::test::WriteBytes;

namespace {

struct IniProfileTest : ::testing::Test {
    TempDir dir;
    std::string path = dir.File("RAZO.INI");
};

TEST_F(IniProfileTest, SectionsAndKeysMatchWithoutRegardToCase) {
    WriteBytes(path, "[Misc]\nBrowser=firefox\n[window SIZE]\nRect=1\n");
    IniProfile profile(path);
    EXPECT_EQ(profile.GetProfileString("MISC", "browser", "-"), "firefox");
    EXPECT_EQ(profile.GetProfileString("Window size", "RECT", "-"), "1");
    ASSERT_TRUE(profile.WriteProfileString("misc", "BROWSER", "lynx"));
    EXPECT_EQ(ReadBytes(path), "[Misc]\nBrowser=lynx\n[window SIZE]\nRect=1\n");
}

TEST_F(IniProfileTest, EveryReadFallsBackToItsOwnDefault) {
    IniProfile missingFile(dir.File("absent/RAZO.INI"));
    EXPECT_EQ(missingFile.GetProfileString("Misc", "Extension", "html"), "html");
    EXPECT_EQ(missingFile.GetProfileInt("Editing", "URLNumber", 10), 10);

    WriteBytes(path, "[Misc]\nEmpty=\nBrowser=x\n");
    IniProfile profile(path);
    EXPECT_EQ(profile.GetProfileString("Other", "Browser", "d"), "d");
    EXPECT_EQ(profile.GetProfileString("Misc", "Browser2", "d"), "d");
    EXPECT_EQ(profile.GetProfileString("Misc", "Empty", "d"), "");
    EXPECT_EQ(profile.GetProfileInt("Misc", "Empty", 7), 7);
    EXPECT_EQ(profile.GetProfileInt("Misc", "Missing", -3), -3);
}

TEST_F(IniProfileTest, IntegersReadLikeTheClassicFunction) {
    struct Row {
        const char* stored;
        int expected;
    };
    const Row rows[] = {
        {"42", 42},
        {"  7  ", 7},
        {"-5", -5},
        {"+3", 3},
        {"12abc", 12},
        {"1 2", 1},
        {"abc", 0},
        {"-", 0},
        {"0x10", 0},
        {"007", 7},
        {"2147483647", INT_MAX},
        {"99999999999", INT_MAX},
        {"-2147483648", INT_MIN},
        {"-99999999999", INT_MIN},
        {"--1", 0},
        {"\t9", 9},
    };
    for (const Row& row : rows) {
        WriteBytes(path, std::string("[S]\nk=") + row.stored + "\n");
        EXPECT_EQ(IniProfile(path).GetProfileInt("S", "k", 99), row.expected) << '"' << row.stored << '"';
    }
}

TEST_F(IniProfileTest, BlanksAroundKeysAndValuesAreTrimmed) {
    WriteBytes(path, "  [ Misc ]  \n  Browser   =   x y  \n\tTabbed\t=\tv\t\n");
    IniProfile profile(path);
    EXPECT_EQ(profile.GetProfileString("Misc", "Browser", "-"), "x y");
    EXPECT_EQ(profile.GetProfileString("Misc", "Tabbed", "-"), "v");
}

TEST_F(IniProfileTest, IntegersAreWrittenAsDecimalText) {
    IniProfile profile(path);
    ASSERT_TRUE(profile.WriteProfileInt("Version", "Number", 21));
    ASSERT_TRUE(profile.WriteProfileInt("Font", "Height", -13));
    EXPECT_EQ(ReadBytes(path), "[Version]\nNumber=21\n\n[Font]\nHeight=-13\n");
    EXPECT_EQ(profile.GetProfileInt("Font", "Height", 0), -13);
}

// Each row edits a file and gives its exact bytes afterwards: untouched lines keep theirs.
TEST_F(IniProfileTest, EditsKeepEveryOtherLineInPlace) {
    using Edit = std::function<bool(IniProfile&)>;
    struct Row {
        const char* name;
        std::string before;
        Edit edit;
        std::string after;
    };
    const std::string commented =
        "; Razo settings\n# keep me\n[Misc]\nBrowser=a\n; tail note\n\n[Font]\nHeight=1\n";
    const Row rows[] = {
        {"change keeps comments", commented,
         [](IniProfile& p) { return p.WriteProfileString("misc", "browser", "b"); },
         "; Razo settings\n# keep me\n[Misc]\nBrowser=b\n; tail note\n\n[Font]\nHeight=1\n"},
        {"new key after the section's last key", commented,
         [](IniProfile& p) { return p.WriteProfileString("Misc", "Browser2", "c"); },
         "; Razo settings\n# keep me\n[Misc]\nBrowser=a\nBrowser2=c\n; tail note\n\n[Font]\nHeight=1\n"},
        {"new section at the end", commented,
         [](IniProfile& p) { return p.WriteProfileInt("Version", "Number", 21); },
         commented + "\n[Version]\nNumber=21\n"},
        {"delete only that line", commented,
         [](IniProfile& p) { return p.WriteProfileString("Font", "height", {}); },
         "; Razo settings\n# keep me\n[Misc]\nBrowser=a\n; tail note\n\n[Font]\n"},
        {"delete section", commented, [](IniProfile& p) { return p.DeleteSection("MISC"); },
         "; Razo settings\n# keep me\n[Font]\nHeight=1\n"},
        {"unknown lines kept", "garbage line\n[S]\nno equals here\n[broken\nk=1\n",
         [](IniProfile& p) { return p.WriteProfileString("S", "k", "2"); },
         "garbage line\n[S]\nno equals here\n[broken\nk=2\n"},
        {"CR LF kept", "[S]\r\nk=1\r\n", [](IniProfile& p) { return p.WriteProfileString("S", "j", "2"); },
         "[S]\r\nk=1\r\nj=2\r\n"},
        {"CR LF for a new section", "[S]\r\nk=1\r\n",
         [](IniProfile& p) { return p.WriteProfileString("T", "j", "2"); },
         "[S]\r\nk=1\r\n\r\n[T]\r\nj=2\r\n"},
        {"no final line end", "[S]\nk=1", [](IniProfile& p) { return p.WriteProfileString("S", "j", "2"); },
         "[S]\nk=1\nj=2\n"},
        {"first of two sections", "[S]\nk=1\n[s]\nk=2\n",
         [](IniProfile& p) { return p.WriteProfileString("S", "k", "3"); }, "[S]\nk=3\n[s]\nk=2\n"},
        {"deleting a missing key changes nothing", "[S]\nk=1",
         [](IniProfile& p) { return p.WriteProfileString("S", "x", {}); }, "[S]\nk=1"},
        {"duplicate key deleted entirely", "[S]\nk=1\nK=2\n",
         [](IniProfile& p) { return p.WriteProfileString("S", "k", {}); }, "[S]\n"},
        {"keys before any section are kept", "k=0\n[S]\nk=1\n",
         [](IniProfile& p) { return p.WriteProfileString("S", "k", "5"); }, "k=0\n[S]\nk=5\n"},
    };
    for (const Row& row : rows) {
        WriteBytes(path, row.before);
        IniProfile profile(path);
        EXPECT_TRUE(row.edit(profile)) << row.name;
        EXPECT_EQ(ReadBytes(path), row.after) << row.name;
    }
}

// Lines that start with ";" or "#" are comments wherever they stand: never read as keys, kept
// where they are when the file is written.
TEST_F(IniProfileTest, HashAndSemicolonLinesAreComments) {
    WriteBytes(path, "[S]\n#k=hash\n;k=semicolon\n  # indented=1\nk=value\n");
    IniProfile profile(path);
    EXPECT_EQ(profile.GetProfileString("S", "k", ""), "value");
    EXPECT_EQ(profile.GetProfileString("S", "#k", "none"), "none");
    EXPECT_EQ(profile.GetProfileString("S", "# indented", "none"), "none");
    EXPECT_EQ(profile.KeyNames("S"), std::vector<std::string>{"k"});
    ASSERT_TRUE(profile.WriteProfileString("S", "k", {}));
    EXPECT_EQ(ReadBytes(path), "[S]\n#k=hash\n;k=semicolon\n  # indented=1\n");
}

TEST_F(IniProfileTest, DuplicateSectionsAndKeysReadTheFirst) {
    WriteBytes(path, "[S]\nk=first\nk=second\n[s]\nk=third\nonly=later\n");
    IniProfile profile(path);
    EXPECT_EQ(profile.GetProfileString("S", "k", ""), "first");
    EXPECT_EQ(profile.GetProfileString("S", "only", "none"), "none");
    EXPECT_EQ(profile.SectionNames(), (std::vector<std::string>{"S"}));
    EXPECT_EQ(profile.KeyNames("s"), (std::vector<std::string>{"k"}));
}

TEST_F(IniProfileTest, ValuesThatWouldBreakTheFileAreRefused) {
    WriteBytes(path, "[S]\nk=1\n");
    IniProfile profile(path);
    EXPECT_FALSE(profile.WriteProfileString("S", "k", "a\n[Misc]\nBrowser=evil"));
    EXPECT_FALSE(profile.WriteProfileString("S", "k", "a\rb"));
    EXPECT_FALSE(profile.WriteProfileString("S", "a=b", "1"));
    EXPECT_FALSE(profile.WriteProfileString("S", ";k", "1"));
    // Read back, these would be a comment and a section header.
    EXPECT_FALSE(profile.WriteProfileString("S", "#k", "1"));
    EXPECT_FALSE(profile.WriteProfileString("S", "[k", "1"));
    EXPECT_FALSE(profile.WriteProfileString("S", "[Misc]", "1"));
    EXPECT_FALSE(profile.WriteProfileString("S]", "k", "1"));
    EXPECT_FALSE(profile.WriteProfileString("S", "", "1"));
    EXPECT_EQ(ReadBytes(path), "[S]\nk=1\n");
}

TEST_F(IniProfileTest, MissingFolderIsCreated) {
    const std::string nested = dir.File("config/razo/RAZO.INI");
    IniProfile profile(nested);
    ASSERT_TRUE(profile.WriteProfileString("Misc", "Browser", "x"));
    EXPECT_EQ(ReadBytes(nested), "[Misc]\nBrowser=x\n");
}

TEST_F(IniProfileTest, FailedWriteLeavesTheOldFileIntact) {
    WriteBytes(path, "[Misc]\nBrowser=old\n");
    IniProfile profile(path);
    std::filesystem::create_directory(razo::TemporaryPathFor(path));
    std::filesystem::create_directory(razo::TemporaryPathFor(path) + "/occupied");

    EXPECT_FALSE(profile.WriteProfileString("Misc", "Browser", "new"));
    EXPECT_EQ(ReadBytes(path), "[Misc]\nBrowser=old\n");
    EXPECT_EQ(profile.GetProfileString("Misc", "Browser", ""), "old");
    EXPECT_EQ(IniProfile(path).GetProfileString("Misc", "Browser", ""), "old");
}

TEST_F(IniProfileTest, LeftoverTemporaryFileDoesNotStopWrites) {
    WriteBytes(path, "[Misc]\nBrowser=old\n");
    WriteBytes(razo::TemporaryPathFor(path), "half-written junk");
    IniProfile profile(path);
    ASSERT_TRUE(profile.WriteProfileString("Misc", "Browser", "new"));
    EXPECT_EQ(ReadBytes(path), "[Misc]\nBrowser=new\n");
    EXPECT_FALSE(std::filesystem::exists(razo::TemporaryPathFor(path)));
}

TEST_F(IniProfileTest, AnotherInstanceSeesEachWrite) {
    IniProfile first(path);
    IniProfile second(path);
    EXPECT_EQ(second.GetProfileInt("S", "n", -1), -1);
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(first.WriteProfileInt("S", "n", i));
        EXPECT_EQ(second.GetProfileInt("S", "n", -1), i);
        ASSERT_TRUE(second.WriteProfileString("S", "m", std::to_string(i)));
        EXPECT_EQ(first.GetProfileString("S", "m", ""), std::to_string(i));
    }
    // A write made on a stale view must not lose the other instance's keys.
    EXPECT_EQ(ReadBytes(path), "[S]\nn=4\nm=4\n");
    std::filesystem::remove(path);
    EXPECT_EQ(first.GetProfileInt("S", "n", -1), -1);
}

// Modes that neither a new temporary file (0600) nor the usual umask (0644) would give.
TEST_F(IniProfileTest, PermissionsAndSymbolicLinksSurviveAWrite) {
    for (const mode_t mode : {mode_t(0600), mode_t(0664), mode_t(0640), mode_t(0604)}) {
        SCOPED_TRACE(mode);
        std::filesystem::remove(path);
        WriteBytes(path, "[S]\nk=1\n");
        ::chmod(path.c_str(), mode);
        const std::string link = dir.File("link.ini");
        std::filesystem::remove(link);
        std::filesystem::create_symlink(path, link);
        ASSERT_TRUE(IniProfile(link).WriteProfileString("S", "k", "2"));
        EXPECT_TRUE(std::filesystem::is_symlink(link));
        EXPECT_EQ(ReadBytes(path), "[S]\nk=2\n");
        struct stat after {};
        ASSERT_EQ(::stat(path.c_str(), &after), 0);
        EXPECT_EQ(after.st_mode & 07777, mode);
    }
}

TEST_F(IniProfileTest, GarbageNeverCrashesAndKeepsItsBytes) {
    std::mt19937 random(1234);
    std::string noise(200000, '\0');
    for (char& c : noise)
        c = static_cast<char>(random() & 0xff);
    const std::string inputs[] = {
        noise,
        std::string("\0\0[S]\0\nk\0=\0v\n", 13),
        std::string(1 << 20, 'x') + "\n=\n[\n]\n[]\n==\n\r\r\r\n",
        std::string("[S]\nk=1\r\r\n\xff\xfe\n"),
    };
    for (const std::string& input : inputs) {
        WriteBytes(path, input);
        IniProfile profile(path);
        (void)profile.GetProfileString("S", "k", "");
        (void)profile.GetProfileInt("S", "k", 0);
        (void)profile.SectionNames();
        ASSERT_TRUE(profile.WriteProfileString("Razo Test", "key", "value"));
        const std::string after = ReadBytes(path);
        EXPECT_EQ(after.substr(0, input.size()), input);
        EXPECT_EQ(profile.GetProfileString("razo test", "KEY", ""), "value");
    }
}

TEST_F(IniProfileTest, AFolderInPlaceOfTheFileReadsAsEmpty) {
    std::filesystem::create_directory(path);
    IniProfile profile(path);
    EXPECT_EQ(profile.GetProfileString("S", "k", "d"), "d");
    EXPECT_FALSE(profile.WriteProfileString("S", "k", "v"));
}

TEST_F(IniProfileTest, NamesAreListedInFileOrder) {
    WriteBytes(path, "[B]\nz=1\na=2\n[A]\n[b]\nq=3\n");
    IniProfile profile(path);
    EXPECT_EQ(profile.SectionNames(), (std::vector<std::string>{"B", "A"}));
    EXPECT_EQ(profile.KeyNames("b"), (std::vector<std::string>{"z", "a"}));
    EXPECT_TRUE(profile.KeyNames("none").empty());
}

} // namespace

namespace {

TEST_F(IniProfileTest, ABatchWritesTheFileOnceWhenItEnds) {
    WriteBytes(path, "; kept\n[A]\nx=1\n");
    IniProfile profile(path);
    {
        IniProfile::Batch batch(profile);
        ASSERT_TRUE(profile.WriteProfileInt("A", "x", 2));
        ASSERT_TRUE(profile.WriteProfileString("B", "y", "z"));
        EXPECT_EQ(profile.GetProfileInt("A", "x", 0), 2); // reads see the batch
        EXPECT_EQ(ReadBytes(path), "; kept\n[A]\nx=1\n"); // nothing on disk yet
        {
            IniProfile::Batch inner(profile);
            ASSERT_TRUE(profile.WriteProfileString("A", "x", std::nullopt));
        }
        EXPECT_EQ(ReadBytes(path), "; kept\n[A]\nx=1\n"); // only the outermost batch writes
    }
    EXPECT_EQ(ReadBytes(path), "; kept\n[A]\n\n[B]\ny=z\n");
    IniProfile other(path);
    EXPECT_EQ(other.GetProfileString("b", "Y", ""), "z");
}

} // namespace
