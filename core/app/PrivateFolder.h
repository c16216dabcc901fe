#pragma once
#include <string>
#include <sys/stat.h>

namespace razo {

// The folders that hold what only the user may read or change: the recovery files of unsaved
// pages and the previous text of pages being saved. Another user who could put a file there
// could have it written into the user's pages.

struct PrivateFolder {
    enum Status {
        Ready,   // the user's own folder, mode 0700 (made so when it was wider)
        Foreign, // another user's, or not a real folder: never used
        Failed,  // could not be made; `error` says why
    };
    Status status = Failed;
    int error = 0;
};

// Makes `folder` ready for use: creates it (and the levels above it that are missing) with mode
// 0700, and takes every permission of group and others off a folder of the user's that has any.
PrivateFolder PreparePrivateFolder(const std::string& folder);

// Whether something found in such a folder may be trusted: the user's own and not writable by
// group or others.
bool IsUsersOwn(const struct stat& info);

} // namespace razo
