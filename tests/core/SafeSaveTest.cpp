// Saving never truncates or corrupts a file: a full disk refuses the save and leaves the old
// file whole, a file with several names or another owner is written in place behind a journal of
// its old text that a kill at any step leaves usable, a file another program changes during the
// save is left alone, temporaries of killed saves go, and links and permission bits stay as they
// were.
#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/app/DocumentReader.h"
#include "core/app/ProcessIdentity.h"
#include "core/app/SafeSave.h"
#include "core/app/UnfinishedSaves.h"
#include "tests/support/SystemFaults.h"
#include "tests/support/TempDir.h"

using razo::DiskCalls;
using razo::SaveFileSafely;
using razo::SaveOptions;
using razo::SaveOutcome;
using razo::test::ReadBytes;
using razo::test::TempDir;
using razo::test::WriteBytes;
namespace fs = std::filesystem;

namespace {

std::string Page(size_t size, char fill) {
    std::string page = "<HTML>\r\n";
    while (page.size() < size)
        page += std::string("<P>text ") + fill + "</P>\r\n";
    page.resize(size);
    return page;
}

// Names in a folder besides the ones a test made itself: left-over temporaries.
std::vector<std::string> Entries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

SaveOptions Options(const std::string& backups, const DiskCalls* calls = nullptr) {
    SaveOptions options;
    options.backupFolder = backups;
    options.calls = calls;
    return options;
}

SaveOutcome Save(const std::string& path, const std::string& bytes, const std::string& backups,
                 const DiskCalls* calls = nullptr) {
    return SaveFileSafely(path, {bytes}, Options(backups, calls));
}

// A disk with `room` bytes left: writes beyond it fail as a full disk does.
struct FullDisk {
    explicit FullDisk(long room) : left(std::make_shared<std::atomic<long>>(room)) {
        const auto budget = left;
        calls.write = [budget](int fd, const void* data, size_t size) -> ssize_t {
            if (*budget <= 0) {
                errno = ENOSPC;
                return -1;
            }
            const auto allowed = static_cast<size_t>(std::min<long>(*budget, static_cast<long>(size)));
            const ssize_t n = ::write(fd, data, allowed);
            if (n > 0)
                *budget -= n;
            return n;
        };
        calls.fsync = DiskCalls::System().fsync;
        calls.allocate = [budget](int fd, off_t offset, off_t length) -> int {
            struct stat info {};
            ::fstat(fd, &info);
            return offset + length - info.st_size > *budget ? ENOSPC : 0;
        };
    }
    std::shared_ptr<std::atomic<long>> left;
    DiskCalls calls;
};

struct SafeSaveTest : ::testing::Test {
    TempDir dir;
    std::string path = dir.File("page.html");
    std::string backups = dir.File("cache");
};

TEST_F(SafeSaveTest, TheSystemSaysWhatAFullDiskIs) {
    EXPECT_EQ(razo::SystemErrorText(ENOSPC), "No space left on device");
}

// Pages under and over 16 KB: a buffered writer would only notice the full disk on its flush.
TEST_F(SafeSaveTest, FullTmpfsRefusesTheSaveAndKeepsTheOldFile) {
    for (const size_t size : {size_t(5 * 1024), size_t(40 * 1024)}) {
        TempDir mountDir;
        razo::test::SmallTmpfs disk(mountDir.Path(), 512 * 1024);
        if (!disk.Valid())
            GTEST_SKIP() << "no tmpfs can be mounted here";
        const std::string page = disk.File("page.html");
        const std::string old = Page(size, 'a');
        WriteBytes(page, old);
        ASSERT_TRUE(disk.FillLeaving(4096));

        const SaveOutcome outcome = Save(page, Page(size + 1000, 'b'), backups);
        EXPECT_FALSE(outcome.saved) << size;
        EXPECT_EQ(outcome.error, ENOSPC) << size;
        EXPECT_EQ(ReadBytes(page), old) << size;
        EXPECT_EQ(Entries(disk.Path()), (std::vector<std::string>{".filler", "page.html"})) << size;
    }
}

// The same through a writer that runs out of room after a chosen number of bytes, at every
// step of both ways of saving.
TEST_F(SafeSaveTest, RunningOutOfRoomAnywhereKeepsTheOldText) {
    struct Row {
        const char* name;
        size_t size;
        long room;
        bool secondName; // a hard link makes the save write into the file
    };
    const Row rows[] = {
        {"small page, temporary file", 5 * 1024, 2000, false},
        {"large page, temporary file", 40 * 1024, 20000, false},
        {"large page, no room at all", 40 * 1024, 0, false},
        {"small page, in place, no room for the copy", 5 * 1024, 100, true},
        {"large page, in place, no room for the journal", 40 * 1024, 41000, true},
        {"large page, in place, no room to grow", 40 * 1024, 42000, true},
    };
    for (const Row& row : rows) {
        TempDir folder;
        const std::string file = folder.File("page.html");
        const std::string old = Page(row.size, 'a');
        WriteBytes(file, old);
        if (row.secondName)
            fs::create_hard_link(file, folder.File("other.html"));
        FullDisk disk(row.room);
        const SaveOutcome outcome = Save(file, Page(row.size + 1000, 'b'), backups, &disk.calls);
        EXPECT_FALSE(outcome.saved) << row.name;
        EXPECT_EQ(outcome.error, ENOSPC) << row.name;
        EXPECT_EQ(ReadBytes(file), old) << row.name;
        EXPECT_TRUE(outcome.keptBackup.empty()) << row.name;
        const std::vector<std::string> expected = row.secondName
                                                      ? std::vector<std::string>{"other.html", "page.html"}
                                                      : std::vector<std::string>{"page.html"};
        EXPECT_EQ(Entries(folder.Path()), expected) << row.name;
        if (fs::exists(backups)) {
            EXPECT_TRUE(fs::is_empty(backups)) << row.name;
        }
    }
}

TEST_F(SafeSaveTest, FailedFlushToTheDiskRefusesTheSave) {
    WriteBytes(path, "old");
    DiskCalls calls = DiskCalls::System();
    calls.fsync = [](int) {
        errno = EIO;
        return -1;
    };
    const SaveOutcome outcome = Save(path, "new text", backups, &calls);
    EXPECT_FALSE(outcome.saved);
    EXPECT_EQ(outcome.error, EIO);
    EXPECT_EQ(ReadBytes(path), "old");
    EXPECT_EQ(Entries(dir.Path()), (std::vector<std::string>{"page.html"}));
}

TEST_F(SafeSaveTest, PiecesAreWrittenOneAfterTheOther) {
    ASSERT_TRUE(SaveFileSafely(path, {"\xEF\xBB\xBF", "", "<P>x"}, Options(backups)).saved);
    EXPECT_EQ(ReadBytes(path), "\xEF\xBB\xBF<P>x");
}

TEST_F(SafeSaveTest, EveryNameOfAHardLinkedFileSeesTheNewText) {
    WriteBytes(path, "old text that is longer");
    const std::string other = dir.File("other.html");
    fs::create_hard_link(path, other);
    const auto links = fs::hard_link_count(path);
    const SaveOutcome outcome = Save(path, "new", backups);
    ASSERT_TRUE(outcome.saved);
    EXPECT_TRUE(outcome.inPlace);
    EXPECT_EQ(ReadBytes(other), "new");
    EXPECT_EQ(fs::hard_link_count(path), links);
    EXPECT_TRUE(fs::is_empty(backups)); // the copy goes once the new text is safe
}

TEST_F(SafeSaveTest, SymbolicLinksStayLinksAndPermissionBitsStay) {
    WriteBytes(path, "old");
    ::chmod(path.c_str(), 0640);
    const std::string link = dir.File("link.html");
    fs::create_symlink("page.html", link);
    ASSERT_TRUE(Save(link, "new", backups).saved);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadBytes(path), "new");
    struct stat info {};
    ::stat(path.c_str(), &info);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST_F(SafeSaveTest, WhatIsNotARegularFileIsNotWritten) {
    const std::string fifo = dir.File("pipe.html");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const auto outcome =
        razo::test::WithinASecond<SaveOutcome>(fifo, [&] { return Save(fifo, "x", backups); });
    ASSERT_TRUE(outcome.has_value()) << "saving to a FIFO blocked";
    EXPECT_FALSE(outcome->saved);
    EXPECT_TRUE(outcome->notRegular);

    const SaveOutcome folder = Save(dir.Path().string(), "x", backups);
    EXPECT_FALSE(folder.saved);
    EXPECT_EQ(folder.error, EISDIR);
}

TEST_F(SafeSaveTest, ANewFileIsCreated) {
    const std::string fresh = dir.File("new.html");
    ASSERT_TRUE(Save(fresh, "fresh", backups).saved);
    EXPECT_EQ(ReadBytes(fresh), "fresh");
    EXPECT_EQ(Entries(dir.Path()), (std::vector<std::string>{"new.html"}));
}

// Ownership cases need a second user: they run as root, with "nobody" as the other user.
struct SafeSaveOwnershipTest : SafeSaveTest {
    void SetUp() override {
        if (::geteuid() != 0)
            GTEST_SKIP() << "needs root to act as two users";
        ::chmod(dir.Path().c_str(), 0777);
    }
};

TEST_F(SafeSaveOwnershipTest, RootSavingAUsersFileKeepsItTheUsers) {
    WriteBytes(path, "old");
    ASSERT_EQ(::chown(path.c_str(), razo::test::kNobody, razo::test::kNobody), 0);
    ASSERT_TRUE(Save(path, "new", backups).saved);
    struct stat info {};
    ::stat(path.c_str(), &info);
    EXPECT_EQ(info.st_uid, razo::test::kNobody);
    EXPECT_EQ(info.st_gid, razo::test::kNobody);
    EXPECT_EQ(ReadBytes(path), "new");
}

TEST_F(SafeSaveOwnershipTest, AFileOfAnotherOwnerIsWrittenInPlace) {
    WriteBytes(path, "old text");
    ::chmod(path.c_str(), 0666); // root's, writable by all
    const std::string userBackups = dir.File("user-cache");
    const bool saved = razo::test::RunAsUser(razo::test::kNobody, [&] {
        const SaveOutcome outcome = Save(path, "new", userBackups);
        return outcome.saved && outcome.inPlace;
    });
    EXPECT_TRUE(saved);
    struct stat info {};
    ::stat(path.c_str(), &info);
    EXPECT_EQ(info.st_uid, 0u);
    EXPECT_EQ(ReadBytes(path), "new");
}

TEST_F(SafeSaveOwnershipTest, AWritableFileInAReadOnlyFolderIsSaved) {
    const fs::path locked = dir.Path() / "locked";
    fs::create_directory(locked);
    const std::string file = (locked / "page.html").string();
    WriteBytes(file, "old");
    ASSERT_EQ(::chown(file.c_str(), razo::test::kNobody, razo::test::kNobody), 0);
    ::chmod(locked.c_str(), 0755); // root's: nobody may not add a name to it
    const std::string userBackups = dir.File("user-cache");
    EXPECT_TRUE(
        razo::test::RunAsUser(razo::test::kNobody, [&] { return Save(file, "new", userBackups).saved; }));
    EXPECT_EQ(ReadBytes(file), "new");
    EXPECT_EQ(Entries(locked), (std::vector<std::string>{"page.html"}));
}

// Killed at each step of writing into the file: what the next start finds is the old text, the new
// text, or a mix that the journal puts back; either way the backup folder ends up empty.
TEST_F(SafeSaveTest, AKillAtAnyStepOfWritingInPlaceLeavesTheOldOrTheNewText) {
    struct Row {
        const char* name;
        int killAtWrite; // 0: none
        int killAtFsync; // after this flush has been done; 0: none
        bool asked;      // the file holds a mix: its old text is offered back
        bool newText;    // what the file holds in the end
    };
    // Writes of 16 KB: the journal's header, the old text in four, the header again, then the page.
    const Row rows[] = {
        {"while the journal is made", 3, 0, false, false},
        {"once the journal is on the disk", 0, 1, false, false},
        {"while the new text is written", 8, 0, true, false},
        {"once the new text is on the disk", 0, 2, false, true},
    };
    const std::string old = Page(64 * 1024, 'a');
    const std::string fresh = Page(70 * 1024, 'b');
    for (const Row& row : rows) {
        WriteBytes(path, old);
        fs::remove(dir.File("other.html"));
        fs::create_hard_link(path, dir.File("other.html"));
        const bool finished = razo::test::RunAsUser(::geteuid(), [&] {
            DiskCalls calls = DiskCalls::System();
            int writes = 0;
            int flushes = 0;
            calls.write = [&](int fd, const void* data, size_t size) -> ssize_t {
                if (++writes == row.killAtWrite)
                    ::_exit(9);
                return ::write(fd, data, std::min<size_t>(size, 16 * 1024));
            };
            calls.fsync = [&](int fd) {
                const int result = ::fsync(fd);
                if (++flushes == row.killAtFsync)
                    ::_exit(9);
                return result;
            };
            return Save(path, fresh, backups, &calls).saved;
        });
        ASSERT_FALSE(finished) << row.name;
        const auto unfinished = razo::FindUnfinishedSaves(backups, "");
        ASSERT_EQ(unfinished.size(), row.asked ? 1U : 0U) << row.name;
        if (row.asked) {
            EXPECT_NE(ReadBytes(path), old) << row.name;
            EXPECT_EQ(razo::RestoreUnfinishedSave(unfinished[0]), 0) << row.name;
        }
        EXPECT_EQ(ReadBytes(path), row.newText ? fresh : old) << row.name;
        EXPECT_TRUE(fs::is_empty(backups)) << row.name;
    }
}

// Left by saves whose process ended: removed by the next save in that folder, whatever the
// form of their name; a running process's and anything else stay.
TEST_F(SafeSaveTest, TemporariesOfKilledSavesAreRemovedBySavingInTheirFolder) {
    const pid_t ended = ::fork();
    if (ended == 0)
        ::_exit(0);
    ::waitpid(ended, nullptr, 0);
    const std::string dead = std::to_string(ended);
    const std::string alive = std::to_string(::getpid());
    const std::vector<std::pair<std::string, bool>> files = {
        {".page.html.razo-" + dead + "-3.tmp", false},
        {".other.html.razo-" + dead + "-1234-abcd1234-0.tmp", false},
        {".page.html.razo-" + alive + "-7.tmp", true},
        {".page.html.razo-x-7.tmp", true},
        {"page.html.razo-" + dead + "-3.tmp", true},
    };
    for (const auto& [name, stays] : files)
        WriteBytes(dir.File(name), "half a page");
    ASSERT_TRUE(Save(path, "new", backups).saved);
    for (const auto& [name, stays] : files)
        EXPECT_EQ(fs::exists(dir.File(name)), stays) << name;
}

// Another program puts its own file under the name while the new text is being written: the
// save stops short of it, and says so.
TEST_F(SafeSaveTest, AFileChangedDuringTheSaveIsLeftAlone) {
    struct Row {
        const char* name;
        bool exists;
        bool secondName;
        int changeAtFsync; // 0: changed before the save began
    };
    const Row rows[] = {
        {"renamed over it while the temporary is written", true, false, 1},
        {"renamed over it while the journal is made", true, true, 1},
        {"made while a new file is written", false, false, 1},
        {"changed before the save began", true, false, 0},
    };
    for (const Row& row : rows) {
        TempDir folder;
        const std::string file = folder.File("page.html");
        fs::remove(file);
        if (row.exists)
            WriteBytes(file, "old");
        if (row.secondName)
            fs::create_hard_link(file, folder.File("other.html"));
        SaveOptions options = Options(backups);
        options.expected = razo::StampOf(file);
        const auto theirs = [&] {
            WriteBytes(folder.File("theirs"), "their text");
            fs::rename(folder.File("theirs"), file);
        };
        DiskCalls calls = DiskCalls::System();
        int flushes = 0;
        calls.fsync = [&](int fd) {
            if (++flushes == row.changeAtFsync)
                theirs();
            return ::fsync(fd);
        };
        options.calls = &calls;
        if (row.changeAtFsync == 0)
            theirs();
        const SaveOutcome outcome = SaveFileSafely(file, {"my text"}, options);
        EXPECT_FALSE(outcome.saved) << row.name;
        EXPECT_TRUE(outcome.changed) << row.name;
        EXPECT_EQ(ReadBytes(file), "their text") << row.name;
        const auto names = Entries(folder.Path());
        EXPECT_EQ(std::count_if(names.begin(), names.end(), [](const std::string& n) { return n[0] == '.'; }),
                  0)
            << row.name;
        if (fs::exists(backups)) {
            EXPECT_TRUE(fs::is_empty(backups)) << row.name;
        }
    }
}

TEST_F(SafeSaveOwnershipTest, TheBackupFolderIsTheUsersAloneOrNotUsed) {
    WriteBytes(path, "old");
    fs::create_hard_link(path, dir.File("other.html"));
    fs::create_directories(backups);
    ::chmod(backups.c_str(), 0777);
    ASSERT_TRUE(Save(path, "new", backups).saved);
    struct stat info {};
    ::stat(backups.c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0700U);

    ASSERT_EQ(::chown(backups.c_str(), razo::test::kNobody, razo::test::kNobody), 0);
    const SaveOutcome outcome = Save(path, "newer", backups);
    EXPECT_FALSE(outcome.saved);
    EXPECT_TRUE(outcome.foreignBackupFolder);
    EXPECT_EQ(ReadBytes(path), "new");
    EXPECT_TRUE(fs::is_empty(backups));
}

} // namespace
