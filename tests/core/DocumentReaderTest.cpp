// Reading a document: only regular files, never blocking, never more than the limit plus one
// byte, in pieces that add up to the file; and the UTF-8 check over those pieces.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "core/app/DocumentReader.h"
#include "tests/support/SystemFaults.h"
#include "tests/support/TempDir.h"

using razo::ReadDocumentBytes;
using razo::ReadOutcome;
using razo::test::TempDir;
using razo::test::WriteBytes;

namespace {

struct CollectingSink : razo::ReadSink {
    std::int64_t expected = -1;
    std::string bytes;
    int pieces = 0;
    void Begin(std::int64_t expectedSize) override { expected = expectedSize; }
    void Append(std::string_view piece) override {
        bytes.append(piece);
        ++pieces;
    }
};

TEST(DocumentReaderTest, ARegularFileArrivesWholeInPieces) {
    TempDir dir;
    std::string content;
    for (int i = 0; i < 1000; ++i)
        content += static_cast<char>(i * 7);
    WriteBytes(dir.File("page.html"), content);
    CollectingSink sink;
    const ReadOutcome outcome = ReadDocumentBytes(dir.File("page.html"), 5000, sink, 64);
    EXPECT_EQ(outcome.status, ReadOutcome::Read);
    EXPECT_EQ(outcome.size, 1000);
    EXPECT_EQ(sink.expected, 1000);
    EXPECT_EQ(sink.bytes, content);
    EXPECT_EQ(sink.pieces, 16);
}

TEST(DocumentReaderTest, WhatIsNotARegularFileIsRefusedUnread) {
    TempDir dir;
    const std::string fifo = dir.File("pipe.html");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    struct Row {
        std::string path;
        ReadOutcome::Status status;
    };
    const Row rows[] = {
        {fifo, ReadOutcome::NotRegular},
        {"/dev/zero", ReadOutcome::NotRegular},
        {"/dev/urandom", ReadOutcome::NotRegular},
        {"/dev/null", ReadOutcome::NotRegular},
        {dir.Path().string(), ReadOutcome::Folder},
    };
    for (const Row& row : rows) {
        CollectingSink sink;
        const auto outcome = razo::test::WithinASecond<ReadOutcome>(
            fifo, [&] { return ReadDocumentBytes(row.path, 1 << 20, sink); });
        ASSERT_TRUE(outcome.has_value()) << row.path << " blocked";
        EXPECT_EQ(outcome->status, row.status) << row.path;
        EXPECT_TRUE(sink.bytes.empty()) << row.path;
    }
}

TEST(DocumentReaderTest, NoMoreThanOneByteBeyondTheLimitIsRead) {
    TempDir dir;
    WriteBytes(dir.File("big.html"), std::string(1000, 'x'));
    CollectingSink sink;
    EXPECT_EQ(ReadDocumentBytes(dir.File("big.html"), 999, sink).status, ReadOutcome::TooLarge);
    EXPECT_TRUE(sink.bytes.empty()); // its size tells before a byte is read
    EXPECT_EQ(ReadDocumentBytes(dir.File("big.html"), 1000, sink).status, ReadOutcome::Read);

    // A file whose size says 0 but which holds more: counted as it is read.
    CollectingSink proc;
    const ReadOutcome outcome = ReadDocumentBytes("/proc/self/status", 100, proc, 7);
    EXPECT_EQ(outcome.status, ReadOutcome::TooLarge);
    EXPECT_EQ(outcome.size, 101);
    EXPECT_LE(proc.bytes.size(), 100u);
}

TEST(DocumentReaderTest, AMissingOrUnreadableFileGivesTheSystemsReason) {
    CollectingSink sink;
    const ReadOutcome outcome = ReadDocumentBytes("/nonexistent/page.html", 100, sink);
    EXPECT_EQ(outcome.status, ReadOutcome::Failed);
    EXPECT_EQ(razo::SystemErrorText(outcome.error), "No such file or directory");
}

// Each row is checked whole and split at every position, as pieces of a file may split it.
TEST(Utf8CheckTest, SequencesSplitAnywhereAreJudgedAsAWhole) {
    struct Row {
        std::string bytes;
        bool valid;
    };
    const Row rows[] = {
        {"", true},
        {"plain ASCII <P>", true},
        {"caf\xC3\xA9", true},
        {"\xEF\xBB\xBF<P>", true},
        {"\xE2\x82\xAC and \xF0\x9F\x98\x80", true},
        {"\xED\x9F\xBF", true},      // last before the surrogates
        {"\xF4\x8F\xBF\xBF", true},  // U+10FFFF
        {"caf\xE9", false},          // Latin-1
        {"\xC0\x80", false},         // overlong
        {"\xE0\x80\x80", false},     // overlong
        {"\xF0\x8F\xBF\xBF", false}, // overlong
        {"\xED\xA0\x80", false},     // surrogate
        {"\xF4\x90\x80\x80", false}, // above U+10FFFF
        {"\xF5\x80\x80\x80", false},
        {"\xC3", false}, // cut short at the end
        {"\x80", false},
        {"\xC3\xA9\xC3", false},
        {"\xE2\x82", false},
    };
    for (const Row& row : rows) {
        for (size_t split = 0; split <= row.bytes.size(); ++split) {
            razo::Utf8Check check;
            check.Feed(std::string_view(row.bytes).substr(0, split));
            check.Feed(std::string_view(row.bytes).substr(split));
            EXPECT_EQ(check.Valid(), row.valid) << testing::PrintToString(row.bytes) << " split at " << split;
        }
    }
}

} // namespace
