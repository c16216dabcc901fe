#include "core/app/FilePaths.h"

#include <filesystem>

namespace razo {

namespace fs = std::filesystem;

std::string AbsoluteFilePath(const std::string& path) {
    if (path.empty())
        return path;
    fs::path absolute(path);
    if (absolute.is_relative()) {
        std::error_code error;
        const fs::path current = fs::current_path(error);
        if (!error)
            absolute = current / absolute;
    }
    std::string normal = absolute.lexically_normal().string();
    // "/a/b/" names the same as "/a/b"; the root keeps its slash.
    while (normal.size() > 1 && normal.back() == '/')
        normal.pop_back();
    return normal;
}

std::string FileNameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

} // namespace razo
