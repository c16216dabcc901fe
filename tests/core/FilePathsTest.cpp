// Splitting a path into its folder and name, as the recovery list and saving show and use them.
#include <gtest/gtest.h>

#include "core/app/FilePaths.h"

namespace {

struct PathRow {
    const char* path;
    const char* folder;
    const char* name;
};

TEST(FilePaths, SplitIntoFolderAndName) {
    const PathRow rows[] = {
        {"/home/site/index.html", "/home/site", "index.html"},
        {"/index.html", "/", "index.html"},
        {"index.html", ".", "index.html"},
        {"/home/caf\xE9/p\xE4ge.html", "/home/caf\xE9", "p\xE4ge.html"},
    };
    for (const PathRow& row : rows) {
        SCOPED_TRACE(row.path);
        EXPECT_EQ(razo::FolderOf(row.path), row.folder);
        EXPECT_EQ(razo::FileNameOf(row.path), row.name);
    }
}

} // namespace
