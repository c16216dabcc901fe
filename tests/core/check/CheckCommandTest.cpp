// razo --check FILE...: what it writes and the status it ends with.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "core/check/CheckCommand.h"
#include "core/check/TidyCheck.h"
#include "tests/support/RowName.h"
#include "tests/support/TempDir.h"

namespace razo {
namespace {

const std::string Strict =
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\">\n<html><head><title>t</title></head>\n";
const std::string Clean = Strict + "<body><p>x</p></body></html>\n";
const std::string WithError = Strict + "<body><p><font>x</font></p></body></html>\n";
const std::string WarningOnly =
    "<!DOCTYPE html>\n<html><head><title>t</title></head><body><p><img src=a.png></body></html>\n";

struct CommandRow {
    std::string name;
    std::vector<std::string> files; // names in a fresh folder: "fifo" and "folder" are made as such
    int status;
    std::string out;
    std::string err;
};

class CheckCommandTest : public ::testing::TestWithParam<CommandRow> {};

TEST_P(CheckCommandTest, WritesTheProblemsAndEndsWithItsStatus) {
    const CommandRow& row = GetParam();
    test::TempDir dir;
    test::WriteBytes(dir.File("clean.html"), Clean);
    test::WriteBytes(dir.File("error.html"), WithError);
    test::WriteBytes(dir.File("warning.html"), WarningOnly);
    ASSERT_EQ(::mkfifo(dir.File("fifo").c_str(), 0600), 0);
    std::filesystem::create_directory(dir.File("folder"));
    std::vector<std::string> paths;
    for (const std::string& name : row.files)
        paths.push_back(dir.File(name));

    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunCheckCommand(paths, out, err), row.status);
    auto placed = [&](std::string text) {
        for (std::size_t at = text.find('@'); at != std::string::npos; at = text.find('@', at))
            text.replace(at, 1, dir.Path().string() + "/");
        return text;
    };
    EXPECT_EQ(out.str(), placed(row.out));
    EXPECT_EQ(err.str(), placed(row.err));
}

const std::string ErrorLines = "@error.html:3:15: error: element \"FONT\" undefined\n"
                               "@error.html: note: Checked against the W3C HTML 4.01 Strict DTD.\n";

INSTANTIATE_TEST_SUITE_P(
    Files, CheckCommandTest,
    ::testing::Values(
        CommandRow{"clean page writes nothing", {"clean.html"}, 0, "", ""},
        CommandRow{"warnings alone end well",
                   {"warning.html", "clean.html"},
                   0,
                   "@warning.html:2:45: warning: <img> lacks \"alt\" attribute\n"
                   "@warning.html: note: Checked with HTML Tidy " +
                       TidyVersion() + ".\n",
                   ""},
        CommandRow{"an error in any page", {"clean.html", "error.html"}, 1, ErrorLines, ""},
        CommandRow{"a missing file outweighs errors, the others still checked",
                   {"missing.html", "error.html"},
                   2,
                   ErrorLines,
                   "razo: Cannot open @missing.html. No such file or directory\n"},
        CommandRow{"a fifo is not read",
                   {"fifo"},
                   2,
                   "",
                   "razo: Cannot open @fifo. It is not a regular file but a pipe, a device or a socket.\n"},
        CommandRow{"a folder is not read",
                   {"folder", "clean.html"},
                   2,
                   "",
                   "razo: Cannot open @folder. It is a folder, not a file.\n"},
        CommandRow{
            "no file named", {}, 2, "", "razo: --check needs the files to check: razo --check FILE...\n"}),
    [](const auto& info) { return test::RowName(info.param.name); });

} // namespace
} // namespace razo
