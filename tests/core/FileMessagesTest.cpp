// What the user is told when a page is not opened or not saved: the exact text for each outcome,
// with the page's name written as it is even when it looks like a mark of the message.
#include <gtest/gtest.h>

#include <cerrno>

#include "core/app/DocumentReader.h"
#include "core/app/FileMessages.h"
#include "core/app/SafeSave.h"
#include "core/text/MessageText.h"

namespace {

using razo::ReadOutcome;
using razo::SaveOutcome;

constexpr std::int64_t kLimit = 64LL * 1024 * 1024;

struct OpenRow {
    const char* name;
    ReadOutcome outcome;
    std::string message;
};

TEST(FileMessages, OpenFailuresSayWhy) {
    const OpenRow rows[] = {
        {"folder", {ReadOutcome::Folder, 0, 0}, "Cannot open /w/50%2.html.\n\nIt is a folder, not a file."},
        {"fifo",
         {ReadOutcome::NotRegular, 0, 0},
         "Cannot open /w/50%2.html.\n\nIt is not a regular file but a pipe, a device or a socket."},
        {"too_large",
         {ReadOutcome::TooLarge, 0, 70LL * 1024 * 1024},
         "Cannot open /w/50%2.html.\n\nThe file is 70 MB; Razo opens files of up to 64 MB."},
        {"refused", {ReadOutcome::Failed, EACCES, 0}, "Cannot open /w/50%2.html.\n\nPermission denied"},
    };
    for (const OpenRow& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(razo::OpenFailureMessage(row.outcome, "/w/50%2.html", kLimit), row.message);
    }
}

TEST(FileMessages, SaveFailuresSayWhyAndWhereTheOldTextIs) {
    SaveOutcome full;
    full.error = ENOSPC;
    EXPECT_EQ(razo::SaveFailureMessage(full, "/w/a.html", ""),
              "Cannot save /w/a.html.\n\nNo space left on device");
    full.keptBackup = "/c/a.html.bak";
    EXPECT_EQ(razo::SaveFailureMessage(full, "/w/a.html", "/c/a.html.bak"),
              "Cannot save /w/a.html.\n\nNo space left on device\n\nThe previous text of the file is kept in "
              "/c/a.html.bak, and Razo offers to put it back the next time it starts.");
    SaveOutcome device;
    device.notRegular = true;
    EXPECT_EQ(razo::SaveFailureMessage(device, "/dev/null", ""),
              "Cannot save /dev/null.\n\nIt is not a regular file but a pipe, a device or a socket.");
}

TEST(FileMessages, RecoveryFailuresSayWhyAndWhetherTheFilesAreKept) {
    using razo::RecoveryFailure;
    const std::int64_t large = 700LL * 1024 * 1024;
    EXPECT_EQ(
        razo::RecoveryFailureMessage({{"a.html", RecoveryFailure::Damaged, 0, 0},
                                      {"HTML2", RecoveryFailure::TooLarge, 0, large},
                                      {"b.html", RecoveryFailure::Failed, ENOSPC, 0}},
                                     kLimit),
        "Razo could not recover these pages:\n\na.html: The recovery file is damaged.\nHTML2: The page is "
        "700 MB; Razo opens files of up to 64 MB.\nb.html: No space left on device\n\nTheir recovery "
        "files are kept and offered again the next time Razo starts.");
    EXPECT_EQ(razo::RecoveryFailureMessage({{"c.html", RecoveryFailure::TakenElsewhere, 0, 0}}, kLimit),
              "Razo could not recover these pages:\n\nc.html: Another Razo recovered it first.");
}

TEST(FileMessages, MarksAreFilledOnceAndInOnePass) {
    EXPECT_EQ(razo::FillMessage("%2 before %1", {"a%2", "b"}), "b before a%2");
    EXPECT_EQ(razo::FillMessage("100% sure, %3 left", {"x"}), "100% sure, %3 left");
    EXPECT_EQ(razo::FillMessage("ends with %", {}), "ends with %");
}

} // namespace
