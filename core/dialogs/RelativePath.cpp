#include "core/dialogs/RelativePath.h"

#include <cctype>
#include <filesystem>
#include <optional>
#include <vector>

namespace razo {

namespace {

// Folder names plus the file name; deeper paths are left absolute.
constexpr size_t MaxComponents = 20;

struct PathStyle {
    char separator;
    bool ignoreCase;
    const char* up; // one folder up, with its separator
};
constexpr PathStyle DriveStyle{'\\', true, "..\\"};
constexpr PathStyle PosixStyle{'/', false, "../"};

std::string Upper(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

bool Same(const std::string& a, const std::string& b, const PathStyle& style) {
    return style.ignoreCase ? Upper(a) == Upper(b) : a == b;
}

std::vector<std::string> Components(const std::string& path, char separator) {
    std::vector<std::string> parts;
    size_t from = 0;
    for (;;) {
        size_t at = path.find(separator, from);
        parts.push_back(path.substr(from, at == std::string::npos ? std::string::npos : at - from));
        if (at == std::string::npos)
            return parts;
        from = at + 1;
    }
}

// The steps shared by both styles, once the value is known to be an absolute path below the same
// root as the document: `rootLength` characters (drive, colon, backslash or the leading slash).
std::optional<std::string> Relative(const std::string& value, const std::string& docPath,
                                    const std::string& docFolder, size_t rootLength, const PathStyle& style) {
    size_t lastSeparator = value.rfind(style.separator);
    std::string valueFolder = value.substr(0, lastSeparator + 1);
    std::string fileName = value.substr(lastSeparator + 1);
    // The document's own folder, named with its separator, is "./" rather than an empty URL.
    if (Same(valueFolder, docFolder, style))
        return fileName.empty() ? std::string(".") + style.separator : fileName;

    auto target = Components(value.substr(rootLength), style.separator);
    auto doc = Components(docPath.substr(rootLength), style.separator);
    if (target.size() > MaxComponents || doc.size() > MaxComponents)
        return std::nullopt;

    size_t common = 0;
    while (common < target.size() && common < doc.size() && Same(target[common], doc[common], style))
        ++common;
    size_t docFolders = doc.size() - 1;
    size_t targetFolders = target.size() - 1;
    std::string result;
    for (size_t i = common; i < docFolders; ++i)
        result += style.up;
    for (size_t i = common; i < targetFolders; ++i)
        result += target[i] + style.separator;
    return result + target.back();
}

std::string FolderOf(const std::string& docPath, const std::string& docTitle, char separator) {
    if (docTitle.size() <= docPath.size() &&
        docPath.compare(docPath.size() - docTitle.size(), docTitle.size(), docTitle) == 0)
        return docPath.substr(0, docPath.size() - docTitle.size());
    // A title that is not the file name: the folder is everything up to the last separator.
    return docPath.substr(0, docPath.rfind(separator) + 1);
}

// Values a page means as URLs whatever the disk holds: "//host/..." and the site's root "/"
// (every system has a root folder, so its being there says nothing).
bool IsAlwaysUrl(const std::string& value) {
    return value == "/" || (value.size() >= 2 && value[0] == '/' && value[1] == '/');
}

bool DiskHas(const std::string& path) {
    std::error_code ignored;
    return std::filesystem::exists(path, ignored);
}

LocalPathTest s_localPathTest = DiskHas;

} // namespace

bool LocalPathExists(const std::string& path) {
    return s_localPathTest(path);
}

LocalPathOverride::LocalPathOverride(LocalPathTest test) : m_previous(s_localPathTest) {
    s_localPathTest = test;
}

LocalPathOverride::~LocalPathOverride() {
    s_localPathTest = m_previous;
}

RelativePathResult RelativeToDocument(const std::string& value, const std::string& docPath,
                                      const std::string& docTitle, LocalPathTest exists) {
    if (IsAlwaysUrl(value))
        return {value};
    bool posix = !docPath.empty() && docPath[0] == '/';
    const PathStyle& style = posix ? PosixStyle : DriveStyle;
    if (Same(value, docPath, style))
        return {docTitle, false};

    size_t rootLength = 0;
    if (posix) {
        if (value.empty() || value[0] != '/' || !exists(value))
            return {value};
        rootLength = 1;
    } else {
        if (docPath.size() < 3 || value.size() < 3 || (value[1] != ':' && value[2] != '\\'))
            return {value};
        if (!Same(value.substr(0, 3), docPath.substr(0, 3), style))
            return {value};
        rootLength = 3;
    }
    auto relative = Relative(value, docPath, FolderOf(docPath, docTitle, style.separator), rootLength, style);
    return {relative ? *relative : value};
}

} // namespace razo
