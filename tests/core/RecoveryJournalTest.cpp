// The recovery journal: a page's file gives back exactly what was written, whatever its bytes;
// the lock tells a run that has ended from one that goes on (also when its process number was
// taken by another program); and nothing but a whole recovery file of an ended run is offered,
// while everything else in the folder is left where it is.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <sys/resource.h>
#include <sys/stat.h>

#include "core/app/CopyEdits.h"
#include "core/app/Crc32.h"
#include "core/app/ProcessIdentity.h"
#include "core/app/RecoveryJournal.h"
#include "core/app/RecoveryStore.h"
#include "tests/support/SystemFaults.h"
#include "tests/support/TempDir.h"

using namespace razo;
using razo::test::ReadBytes;
using razo::test::TempDir;
using razo::test::WriteBytes;
namespace fs = std::filesystem;

namespace {

// Processes as a test says they are.
class FakeProcesses : public ProcessTable {
public:
    std::int64_t self = 100;
    std::string boot = "boot-a";
    std::map<std::int64_t, std::uint64_t> running{{100, 5000}};

    std::int64_t CurrentPid() const override { return self; }
    std::string BootId() const override { return boot; }
    bool Exists(std::int64_t pid) const override { return running.count(pid) != 0; }
    std::uint64_t StartTime(std::int64_t pid) const override {
        const auto it = running.find(pid);
        return it == running.end() ? 0 : it->second;
    }
};

JournalPage SamplePage() {
    JournalPage page;
    page.path = "/home/ann/site/index.html";
    page.title = "index.html";
    page.type = ".html";
    page.writtenAt = 1796000000;
    page.disk = FileStamp{true, 2049, 131, 4096, 1796000000123456789};
    return page;
}

std::string Journal(const JournalPage& page, const std::string& text) {
    return EncodeJournalHeader(page, text) + text;
}

struct RoundTripRow {
    const char* name;
    JournalPage page;
    std::string text;
};

class JournalRoundTrip : public ::testing::TestWithParam<RoundTripRow> {};

TEST_P(JournalRoundTrip, GivesBackWhatWasWritten) {
    const RoundTripRow& row = GetParam();
    const std::string file = Journal(row.page, row.text);
    const auto parsed = ParseJournal(file);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->page, row.page);
    EXPECT_EQ(parsed->text, row.text);
}

JournalPage With(const std::function<void(JournalPage&)>& change) {
    JournalPage page = SamplePage();
    change(page);
    return page;
}

INSTANTIATE_TEST_SUITE_P(
    Pages, JournalRoundTrip,
    ::testing::Values(
        RoundTripRow{"utf8_crlf", SamplePage(), "<P>caf\xC3\xA9 \xE2\x82\xAC</P>\r\n<P>two</P>\r\n"},
        RoundTripRow{"utf8_with_mark", With([](JournalPage& p) { p.byteOrderMark = true; }), "<P>x</P>\n"},
        RoundTripRow{"eight_bit", With([](JournalPage& p) { p.utf8 = false; }),
                     std::string("caf\xE9 \x80\x81\xFF\0\x01 end", 14)},
        RoundTripRow{"eight_bit_starting_with_the_mark_bytes", With([](JournalPage& p) { p.utf8 = false; }),
                     "\xEF\xBB\xBF\xE9"},
        RoundTripRow{"lone_cr_and_mixed_line_ends", SamplePage(), "a\rb\nc\r\nd\n\r"},
        RoundTripRow{"text_that_looks_like_a_header", SamplePage(), "\n\nRAZO RECOVERY 1\nlength 3\n\n"},
        RoundTripRow{"empty_text", SamplePage(), ""},
        RoundTripRow{"untitled_htm_page", With([](JournalPage& p) {
                         p.path.clear();
                         p.title = "HTML3";
                         p.type = ".htm";
                         p.disk = FileStamp{};
                     }),
                     "<HTML>\r\n"},
        RoundTripRow{"path_with_line_break_percent_and_latin1_bytes", With([](JournalPage& p) {
                         p.path = "/tmp/a\nb%41 \xE9\t.html";
                         p.title = "a\nb%41 \xE9\t.html";
                     }),
                     "x"}),
    [](const auto& info) { return std::string(info.param.name); });

struct DamageRow {
    const char* name;
    std::function<std::string(std::string)> damage;
};

class DamagedJournal : public ::testing::TestWithParam<DamageRow> {};

TEST_P(DamagedJournal, IsNotAPage) {
    const std::string whole = Journal(SamplePage(), "<P>the page</P>\r\n");
    EXPECT_FALSE(ParseJournal(GetParam().damage(whole)));
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    text.replace(text.find(from), from.size(), to);
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedJournal,
    ::testing::Values(
        DamageRow{"cut_short", [](std::string f) { return f.substr(0, f.size() - 1); }},
        DamageRow{"cut_in_the_header", [](std::string f) { return f.substr(0, 40); }},
        DamageRow{"one_byte_changed", [](std::string f) { return f.back() = 'X', f; }},
        DamageRow{"bytes_added", [](std::string f) { return f + "more"; }},
        DamageRow{"empty", [](std::string) { return std::string(); }},
        DamageRow{"foreign_html", [](std::string) { return std::string("<HTML>\n\n<BODY>\n"); }},
        DamageRow{"newer_format", [](std::string f) { return Replace(f, "RECOVERY 1", "RECOVERY 2"); }},
        DamageRow{"unknown_encoding", [](std::string f) { return Replace(f, "utf-8", "utf-16"); }},
        DamageRow{"field_missing", [](std::string f) { return Replace(f, "\ncrc32 ", "\nx "); }},
        DamageRow{"field_twice",
                  [](std::string f) { return Replace(f, "\ntype .html", "\ntype .html\ntype .htm"); }},
        DamageRow{"broken_escape", [](std::string f) { return Replace(f, "path /home", "path %G1home"); }},
        DamageRow{"escape_at_the_end",
                  [](std::string f) { return Replace(f, "index.html\ntitle", "index.%4\ntitle"); }},
        DamageRow{"length_not_a_number",
                  [](std::string f) { return Replace(f, "\nlength ", "\nlength -"); }}),
    [](const auto& info) { return std::string(info.param.name); });

struct CopyRow {
    const char* name;
    std::string copy;
    std::vector<CopyEdit> edits;
    std::optional<std::string> text;
};

class CopyEdits : public ::testing::TestWithParam<CopyRow> {};

TEST_P(CopyEdits, GiveTheTextAsItIsNow) {
    EXPECT_EQ(ApplyCopyEdits(GetParam().copy, GetParam().edits), GetParam().text);
}

// The source "abcdefgh", copied in two pieces of four with changes between them.
INSTANTIATE_TEST_SUITE_P(
    Changes, CopyEdits,
    ::testing::Values(CopyRow{"none", "abcdefgh", {}, "abcdefgh"},
                      CopyRow{"insert_behind", "abcdefgh", {{4, 1, 0, "XY"}}, "aXYbcdefgh"},
                      CopyRow{"erase_behind", "abcdefgh", {{4, 1, 2, ""}}, "adefgh"},
                      // "cdef" erased while "abcd" was copied: only "cd" was in the copy.
                      CopyRow{"erase_across_the_copied_part", "abcdgh", {{4, 2, 2, ""}}, "abgh"},
                      CopyRow{"replace_then_type_at_the_top_twice",
                              "abcdefgh",
                              {{4, 0, 1, "Z"}, {4, 0, 0, "1"}, {8, 0, 0, "2"}},
                              "21Zbcdefgh"},
                      CopyRow{"edit_beyond_the_text", "abcd", {{2, 3, 0, "x"}}, std::nullopt},
                      CopyRow{"edits_out_of_order", "abcd", {{3, 0, 0, "x"}, {1, 0, 0, "y"}}, std::nullopt},
                      CopyRow{"erase_beyond_the_text", "abcd", {{4, 2, 5, ""}}, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Crc32, MatchesTheStandardCheckValue) {
    EXPECT_EQ(Crc32("123456789"), 0xCBF43926U);
    EXPECT_EQ(Crc32("56789", Crc32("1234")), 0xCBF43926U);
}

TEST(StartTime, IsTheTwentySecondFieldAfterTheProgramName) {
    const std::string tail = " S 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 424242 19 20\n";
    EXPECT_EQ(StartTimeFromStatLine("77 (razo)" + tail), 424242U);
    // A program may call itself anything, blanks and parentheses included.
    EXPECT_EQ(StartTimeFromStatLine("77 (a) b (c d)" + tail), 424242U);
    EXPECT_EQ(StartTimeFromStatLine("77 (razo) S 1 2"), 0U);
    EXPECT_EQ(StartTimeFromStatLine(""), 0U);
}

TEST(StartTime, OfThisProcessIsKnownAndStable) {
    const ProcessIdentity self = CurrentProcess();
    EXPECT_NE(self.startTime, 0U);
    EXPECT_FALSE(self.bootId.empty());
    EXPECT_TRUE(IsRunning(self, ProcessTable::System()));
}

TEST(Lock, RoundTripsAndRefusesDamage) {
    const ProcessIdentity owner{4321, 987654321, "0f6c-11aa\n"};
    EXPECT_EQ(ParseLock(EncodeLock(owner)), owner);
    EXPECT_FALSE(ParseLock(""));
    EXPECT_FALSE(ParseLock("RAZO LOCK 1\npid 0\nstart 1\nboot x\n\n"));
    EXPECT_FALSE(ParseLock("RAZO LOCK 1\npid 12\nstart 1\n\n"));
    EXPECT_FALSE(ParseLock(EncodeLock(owner) + "trailing"));
}

struct LockRow {
    const char* name;
    ProcessIdentity owner;
    bool running;
};

class LockRule : public ::testing::TestWithParam<LockRow> {};

TEST_P(LockRule, DecidesWhetherTheRunGoesOn) {
    FakeProcesses processes;
    processes.running[200] = 7000;
    processes.running[300] = 0; // its start cannot be read
    EXPECT_EQ(IsRunning(GetParam().owner, processes), GetParam().running);
}

INSTANTIATE_TEST_SUITE_P(
    Owners, LockRule,
    ::testing::Values(LockRow{"own_process", {100, 5000, "boot-a"}, true},
                      LockRow{"another_running_instance", {200, 7000, "boot-a"}, true},
                      LockRow{"dead_process", {150, 5000, "boot-a"}, false},
                      LockRow{"number_reused_by_another_program", {200, 6999, "boot-a"}, false},
                      LockRow{"same_number_and_start_before_a_restart", {200, 7000, "boot-b"}, false},
                      LockRow{"start_unreadable_counts_as_running", {300, 42, "boot-a"}, true},
                      LockRow{"lock_without_start_time", {200, 0, ""}, true}),
    [](const auto& info) { return std::string(info.param.name); });

// A run that ended, with its folder in the recovery folder as it left it.
struct EndedRun {
    std::string folder;
    void Page(int serial, const std::string& bytes) const {
        WriteBytes(folder + "/" + std::to_string(serial) + ".page", bytes);
    }
};

class RecoveryStoreTest : public ::testing::Test {
protected:
    TempDir dir;
    std::string root = dir.File("state/razo/recovery");
    FakeProcesses processes;

    EndedRun Run(std::int64_t pid, std::uint64_t start, const std::string& name) {
        const std::string folder = root + "/" + name;
        fs::create_directories(folder);
        WriteBytes(folder + "/lock", EncodeLock({pid, start, "boot-a"}));
        return EndedRun{folder};
    }
    static std::vector<std::string> Names(const std::string& folder) {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(RecoveryStoreTest, ThisRunsPagesAreWrittenPrivatelyAndGoneAfterACleanExit) {
    RecoveryStore store(root, processes);
    const JournalPage page = SamplePage();
    ASSERT_EQ(store.WritePage(1, page, "first"), 0);
    ASSERT_EQ(store.WritePage(1, page, "second"), 0);
    ASSERT_EQ(store.WritePage(2, page, "other"), 0);
    const std::string file = store.PageFile(1);
    const std::string bytes = ReadBytes(file); // the parsed text points into it
    const auto parsed = ParseJournal(bytes);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->text, "second");
    EXPECT_EQ(Names(fs::path(file).parent_path()), (std::vector<std::string>{"1.page", "2.page", "lock"}));
    struct stat info {};
    ASSERT_EQ(::stat(root.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700U);
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600U);

    // A running program's pages are never offered, not even to another run of it.
    FakeProcesses other = processes;
    other.self = 200;
    other.running[200] = 9000;
    EXPECT_TRUE(RecoveryStore(root, other).FindOrphans().empty());

    store.RemovePage(2);
    store.RemoveAll();
    EXPECT_TRUE(Names(root).empty());
}

TEST_F(RecoveryStoreTest, OffersPagesOfEndedRunsOnlyAndLeavesEverythingElseAlone) {
    JournalPage older = SamplePage();
    older.writtenAt = 10;
    JournalPage newer = SamplePage();
    newer.writtenAt = 20;
    const EndedRun dead = Run(150, 4000, "150-4000");
    dead.Page(3, Journal(newer, "newer text"));
    dead.Page(4, Journal(older, "older text"));
    const std::string damaged = Journal(older, "damaged") + "!";
    dead.Page(5, damaged);
    WriteBytes(dead.folder + "/notes.txt", "foreign");
    WriteBytes(dead.folder + "/6.page.bak", Journal(older, "not our name"));
    fs::create_symlink(dead.folder + "/4.page", dead.folder + "/7.page");
    // Pid reused by another program: the run ended.
    Run(200, 1111, "200-1111").Page(1, Journal(older, "reused"));
    processes.running[200] = 2222;
    // Still running, and a folder without a lock.
    Run(100, 5000, "100-5000").Page(1, Journal(older, "mine"));
    fs::create_directories(root + "/stray");
    WriteBytes(root + "/stray/1.page", Journal(older, "no lock"));
    WriteBytes(root + "/loose.page", Journal(older, "loose"));

    RecoveryStore store(root, processes);
    const auto orphans = store.FindOrphans();
    std::vector<std::string> files;
    for (const auto& orphan : orphans)
        files.push_back(fs::path(orphan.file).parent_path().filename().string() + "/" +
                        fs::path(orphan.file).filename().string());
    EXPECT_EQ(files, (std::vector<std::string>{"150-4000/4.page", "150-4000/5.page", "200-1111/1.page",
                                               "150-4000/3.page"}));
    ASSERT_EQ(orphans.size(), 4U);
    EXPECT_EQ(orphans[0].size, 10);
    EXPECT_TRUE(orphans[1].damaged);
    EXPECT_EQ(orphans[1].size, static_cast<std::int64_t>(damaged.size()));

    // Each is claimed into this run's folder or thrown away; the rest stays as it was.
    std::string claimed;
    ASSERT_EQ(store.Claim(orphans[0], 9, claimed), 0);
    EXPECT_EQ(claimed, store.PageFile(9));
    std::string text;
    EXPECT_EQ(
        RecoveryStore::ReadText(claimed, orphans[0], [&text](std::string_view piece) { text += piece; }), 0);
    EXPECT_EQ(text, "older text");
    EXPECT_EQ(orphans[0].header.page, older);
    EXPECT_EQ(store.Claim(orphans[0], 10, claimed), ENOENT) << "taken already";
    store.Discard(orphans[2]);
    store.Discard(orphans[3]);
    store.Tidy();
    EXPECT_EQ(Names(dead.folder),
              (std::vector<std::string>{"5.page", "6.page.bak", "7.page", "lock", "notes.txt"}));
    EXPECT_EQ(ReadBytes(dead.folder + "/5.page"), damaged);
    EXPECT_FALSE(fs::exists(root + "/200-1111")) << "emptied by the discard, so tidied";
    EXPECT_TRUE(fs::exists(root + "/100-5000/1.page"));
    EXPECT_TRUE(fs::exists(root + "/stray/1.page"));
    EXPECT_TRUE(fs::exists(root + "/loose.page"));
    ASSERT_EQ(store.FindOrphans().size(), 1U);
    EXPECT_TRUE(store.FindOrphans()[0].damaged);
}

TEST_F(RecoveryStoreTest, AnEndedRunWithNothingButUnfinishedWritesIsTidiedAway) {
    const EndedRun dead = Run(150, 4000, "150-4000");
    WriteBytes(dead.folder + "/2.page.tmp", "half a pa");
    // Killed before its lock was written: the folder's name tells whose it was.
    fs::create_directories(root + "/150-4000-boota");
    WriteBytes(root + "/150-4000-boota/lock.tmp", "RAZO");
    fs::create_directories(root + "/100-5000-boota"); // this run's, about to get its lock
    RecoveryStore(root, processes).Tidy();
    EXPECT_FALSE(fs::exists(dead.folder));
    EXPECT_FALSE(fs::exists(root + "/150-4000-boota"));
    EXPECT_TRUE(fs::exists(root + "/100-5000-boota"));
}

// The offer reads headers only: a page of 2 GB is offered, with its size, by a process that
// could not hold it once.
TEST_F(RecoveryStoreTest, ALargePageIsOfferedWithoutBeingRead) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizer's memory does not fit under a limit of the address space";
#endif
    const EndedRun dead = Run(150, 4000, "150-4000");
    const std::uint64_t length = 2ULL << 30;
    std::string header = EncodeJournalHeader(SamplePage(), "");
    header.replace(header.find("length 0"), 8, "length " + std::to_string(length));
    WriteBytes(dead.folder + "/1.page", header);
    fs::resize_file(dead.folder + "/1.page", header.size() + length); // sparse: no disk taken
    const bool offered = razo::test::RunAsUser(::geteuid(), [&] {
        const rlimit limit{512L << 20, 512L << 20};
        ::setrlimit(RLIMIT_AS, &limit);
        const auto orphans = RecoveryStore(root, processes).FindOrphans();
        return orphans.size() == 1 && orphans[0].size == static_cast<std::int64_t>(length);
    });
    EXPECT_TRUE(offered);
}

// Each damaged file is listed once, as damaged, until it is discarded; a text changed within
// its length is found when it is checked and listed as damaged from then on.
TEST_F(RecoveryStoreTest, DamagedFilesAreListedAsDamagedUntilDiscarded) {
    struct Row {
        const char* name;
        std::function<std::string(std::string)> damage;
        bool seenAtOnce;
        const char* title; // as the listing can tell it
    };
    const std::string whole = Journal(SamplePage(), "<P>the page</P>\r\n");
    const Row rows[] = {
        {"cut short", [](std::string f) { return f.substr(0, f.size() - 1); }, true, "index.html"},
        {"grown", [](std::string f) { return f + "more"; }, true, "index.html"},
        {"not a recovery file", [](std::string) { return std::string("<HTML>"); }, true, ""},
        {"text changed", [](std::string f) { return f.back() = 'X', f; }, false, "index.html"},
    };
    for (const Row& row : rows) {
        const EndedRun dead = Run(150, 4000, "150-4000");
        dead.Page(1, row.damage(whole));
        RecoveryStore store(root, processes);
        auto orphans = store.FindOrphans();
        ASSERT_EQ(orphans.size(), 1U) << row.name;
        EXPECT_EQ(orphans[0].damaged, row.seenAtOnce) << row.name;
        EXPECT_EQ(orphans[0].header.page.title, row.title) << row.name;
        if (!row.seenAtOnce) {
            EXPECT_EQ(RecoveryStore::Verify(orphans[0]), EIO) << row.name;
            store.MarkDamaged(orphans[0]);
            orphans = store.FindOrphans();
            ASSERT_EQ(orphans.size(), 1U) << row.name;
            EXPECT_TRUE(orphans[0].damaged) << row.name;
            EXPECT_EQ(RecoveryStore::Verify(orphans[0]), EIO) << row.name;
        }
        store.Discard(orphans[0]);
        store.Tidy();
        EXPECT_FALSE(fs::exists(dead.folder)) << row.name;
    }
}

// Only what the user owns and nobody else may change is offered; the rest is left alone.
TEST_F(RecoveryStoreTest, OnlyTheUsersOwnFilesAreOffered) {
    struct Row {
        const char* name;
        const char* file; // relative to the run's folder; "." the folder itself
        bool toNobody;
        mode_t mode; // 0: unchanged
    };
    const Row rows[] = {
        {"a run folder of another user, open to all", ".", true, 0777},
        {"a run folder open to the group's writes", ".", false, 0775},
        {"a lock of another user", "lock", true, 0},
        {"a page of another user", "1.page", true, 0},
        {"a page others may write", "1.page", false, 0666},
    };
    for (const Row& row : rows) {
        if (row.toNobody && ::geteuid() != 0)
            continue; // only root can give a file away
        const EndedRun dead = Run(150, 4000, "150-4000");
        dead.Page(1, Journal(SamplePage(), "their text"));
        const std::string file = dead.folder + "/" + row.file;
        if (row.toNobody) {
            ASSERT_EQ(::chown(file.c_str(), razo::test::kNobody, razo::test::kNobody), 0);
        }
        if (row.mode)
            ::chmod(file.c_str(), row.mode);
        RecoveryStore store(root, processes);
        EXPECT_TRUE(store.FindOrphans().empty()) << row.name;
        store.Tidy();
        EXPECT_TRUE(fs::exists(dead.folder + "/1.page")) << row.name;
        fs::remove_all(dead.folder);
    }
}

// The recovery folder is made or kept the user's alone; another user's is never used.
TEST_F(RecoveryStoreTest, TheRecoveryFolderIsTheUsersAlone) {
    Run(150, 4000, "150-4000").Page(1, Journal(SamplePage(), "text"));
    ::chmod(root.c_str(), 0777);
    EXPECT_EQ(RecoveryStore(root, processes).FindOrphans().size(), 1U);
    struct stat info {};
    ASSERT_EQ(::stat(root.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700U);

    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to give the folder away";
    ASSERT_EQ(::chown(root.c_str(), razo::test::kNobody, razo::test::kNobody), 0);
    RecoveryStore store(root, processes);
    EXPECT_TRUE(store.FindOrphans().empty());
    EXPECT_NE(store.WritePage(1, SamplePage(), "mine"), 0);
    EXPECT_EQ(store.CheckRoot().status, PrivateFolder::Foreign);
}

TEST_F(RecoveryStoreTest, AFolderLeftUnderThisRunsNameIsNotReused) {
    // Same process number and start time, but an earlier boot: its pages must stay offered.
    const std::string name = "100-5000-boota";
    const EndedRun earlier{root + "/" + name};
    fs::create_directories(earlier.folder);
    WriteBytes(earlier.folder + "/lock", EncodeLock({100, 5000, "boot-0"}));
    earlier.Page(1, Journal(SamplePage(), "from before"));
    RecoveryStore store(root, processes);
    ASSERT_EQ(store.WritePage(1, SamplePage(), "now"), 0);
    EXPECT_NE(fs::path(store.PageFile(1)).parent_path().filename(), name);
    ASSERT_EQ(store.FindOrphans().size(), 1U);
    EXPECT_EQ(ParseJournal(ReadBytes(earlier.folder + "/1.page"))->text, "from before");
}

} // namespace
