#pragma once
#include <string>

namespace razo {

// File paths are the system's bytes, whatever their encoding: a name that is not valid UTF-8 is
// kept exactly, so the file it names can always be opened and saved again.

// `path` made absolute against the current folder, with "." and ".." taken out lexically
// (symbolic links are not followed). Empty stays empty.
std::string AbsoluteFilePath(const std::string& path);

// The last component of `path`.
std::string FileNameOf(const std::string& path);

// The folder that holds `path`: "/" for a file at the root, "." for a bare name.
std::string FolderOf(const std::string& path);

} // namespace razo
