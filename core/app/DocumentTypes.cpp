#include "core/app/DocumentTypes.h"

#include <algorithm>

#include "core/settings/IniDocument.h"
#include "core/settings/IniProfile.h"
#include "core/settings/SettingsKeys.h"

namespace razo {

namespace {

constexpr const char* AllFilesName = "All Files (*.*)";
// Files without a dot are files too.
constexpr const char* AllFilesPattern = "*";

} // namespace

TemplateList RegisteredTemplates(std::string_view extensionSetting) {
    if (extensionSetting == "htm")
        return {&HtmTemplate, &HtmlTemplate};
    return {&HtmlTemplate, &HtmTemplate};
}

TemplateList RegisteredTemplates(const IniProfile& profile) {
    return RegisteredTemplates(Read(profile, settings::Extension));
}

const DocumentTemplate& TemplateForPath(const TemplateList& templates, std::string_view path) {
    const auto slash = path.rfind('/');
    const auto dot = path.rfind('.');
    if (dot != std::string_view::npos && (slash == std::string_view::npos || dot > slash)) {
        const std::string_view extension = path.substr(dot);
        for (const DocumentTemplate* type : templates)
            if (IniDocument::NamesEqual(extension, type->filterExt))
                return *type;
    }
    return *templates.front();
}

std::vector<FileFilter> OpenFileFilters(const TemplateList& templates) {
    std::vector<FileFilter> filters;
    for (const DocumentTemplate* type : templates)
        filters.push_back({type->filterName, std::string("*") + type->filterExt});
    filters.push_back({AllFilesName, AllFilesPattern});
    return filters;
}

std::string NewDocumentNames::Next(const DocumentTemplate& type) {
    return type.docName + std::to_string(++m_count);
}

void NewDocumentNames::Reserve(const DocumentTemplate& type, std::string_view name) {
    const std::string_view base = type.docName;
    if (name.size() <= base.size() || name.substr(0, base.size()) != base || name.size() - base.size() > 6)
        return;
    const std::string_view digits = name.substr(base.size());
    if (digits.find_first_not_of("0123456789") != std::string_view::npos)
        return;
    m_count = std::max(m_count, std::stoi(std::string(digits)));
}

} // namespace razo
