#include "core/app/PrivateFolder.h"

#include <cerrno>
#include <filesystem>
#include <unistd.h>

namespace razo {

bool IsUsersOwn(const struct stat& info) {
    return info.st_uid == ::geteuid() && (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

PrivateFolder PreparePrivateFolder(const std::string& folder) {
    std::filesystem::path made;
    for (const std::filesystem::path& part : std::filesystem::path(folder)) {
        made /= part;
        if (::mkdir(made.c_str(), 0700) != 0 && errno != EEXIST)
            return {PrivateFolder::Failed, errno};
    }
    // The folder itself, not what a link in its place points to.
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0)
        return {PrivateFolder::Failed, errno};
    if (!S_ISDIR(info.st_mode) || info.st_uid != ::geteuid())
        return {PrivateFolder::Foreign, EPERM};
    if ((info.st_mode & 077) != 0 && ::chmod(folder.c_str(), 0700) != 0)
        return {PrivateFolder::Failed, errno};
    return {PrivateFolder::Ready, 0};
}

} // namespace razo
