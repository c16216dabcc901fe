#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace razo {

class IniProfile;

// A document type: its resource id (which also names its menu) and the seven fields of its
// document string.
struct DocumentTemplate {
    int resourceId;
    const char* windowTitle;
    const char* docName;     // base of the names of new documents
    const char* fileNewName; // shown in the File New choice
    const char* filterName;  // File Open filter description
    const char* filterExt;   // with its dot
    const char* fileTypeId;
    const char* fileTypeName;
};

inline constexpr DocumentTemplate HtmlTemplate{
    129, "", "HTML", "HTML Document (.html)", "HTML Files (*.html) ", ".html", "html", "HTML Document"};
inline constexpr DocumentTemplate HtmTemplate{
    130, "", "HTML", "HTML Document (.htm)", "HTML Files (*.htm)", ".htm", "html", "HTML Document"};

using TemplateList = std::vector<const DocumentTemplate*>;

// Registration order: the first is the default type. Only the exact value "htm" puts the .htm
// type first.
TemplateList RegisteredTemplates(std::string_view extensionSetting);
TemplateList RegisteredTemplates(const IniProfile& profile);

// The type whose extension the path has (ignoring case), else the default type.
const DocumentTemplate& TemplateForPath(const TemplateList& templates, std::string_view path);

// One entry of the File Open dialog's type list: a description and a wildcard pattern.
struct FileFilter {
    std::string name;
    std::string pattern;
    bool operator==(const FileFilter&) const = default;
};
// Each type's filter in registration order, then all files.
std::vector<FileFilter> OpenFileFilters(const TemplateList& templates);

// Names new documents "HTML1", "HTML2", ... counting every new document of the run.
class NewDocumentNames {
public:
    std::string Next(const DocumentTemplate& type);
    // A name already in use (a page brought back after a crash): later names come after it.
    void Reserve(const DocumentTemplate& type, std::string_view name);

private:
    int m_count = 0;
};

} // namespace razo
