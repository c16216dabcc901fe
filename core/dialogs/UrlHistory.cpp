#include "core/dialogs/UrlHistory.h"

#include <algorithm>

#include "core/dialogs/FieldAccess.h"
#include "core/dialogs/RelativePath.h"
#include "core/ports/Document.h"
#include "core/ports/UserPrompts.h"
#include "core/settings/IniProfile.h"
#include "core/settings/SettingsKeys.h"

namespace razo {

namespace {

std::string Key(int position) {
    return std::to_string(position);
}

std::string Entry(const IniProfile& profile, const std::string& section, int position) {
    return profile.GetProfileString(section, Key(position), "");
}

} // namespace

const char* HistorySection(HistoryList list) {
    switch (list) {
    case HistoryList::Urls:
        return settings::UrlHistorySection;
    case HistoryList::JavaClasses:
        return settings::JavaClassHistorySection;
    case HistoryList::None:
        break;
    }
    return "";
}

std::vector<std::string> LoadUrlHistory(const IniProfile& profile, const std::string& section) {
    std::vector<std::string> entries;
    int capacity = Read(profile, settings::UrlNumber);
    for (int i = 0; i < capacity; ++i) {
        std::string entry = Entry(profile, section, i);
        if (entry.empty())
            break;
        entries.push_back(std::move(entry));
    }
    return entries;
}

void SaveUrlHistory(IniProfile& profile, const std::string& section, const std::string& value) {
    int capacity = Read(profile, settings::UrlNumber);
    // A capacity below 1 (a hand-edited profile) remembers nothing rather than writing odd keys.
    if (value.empty() || capacity < 1)
        return;
    for (int i = 0; i < capacity; ++i) {
        std::string entry = Entry(profile, section, i);
        if (entry == value)
            return;
        if (entry.empty()) {
            profile.WriteProfileString(section, Key(i), value);
            return;
        }
    }
    for (int i = 0; i + 1 < capacity; ++i)
        profile.WriteProfileString(section, Key(i), Entry(profile, section, i + 1));
    profile.WriteProfileString(section, Key(capacity - 1), value);
}

void FillHistoryLists(const DialogTemplate& dialogTemplate, FieldAccess& fields, const IniProfile& profile) {
    for (const auto& control : dialogTemplate.controls) {
        if (control.history == HistoryList::None)
            continue;
        for (const auto& entry : LoadUrlHistory(profile, HistorySection(control.history)))
            fields.AddListEntry(control.id, entry);
    }
}

std::string ToUrlSlashes(const std::string& value, const IniProfile& profile) {
    if (Read(profile, settings::UnixSlashes) == 0)
        return value;
    std::string result = value;
    std::replace(result.begin(), result.end(), '\\', '/');
    return result;
}

std::string MakeRelativePath(const std::string& value, const std::string& section, IniProfile& profile,
                             const Document& document, UserPrompts& prompts) {
    SaveUrlHistory(profile, section.empty() ? settings::UrlHistorySection : section, value);
    if (Read(profile, settings::RelativePath) == 0)
        return ToUrlSlashes(value, profile);
    std::string docPath = document.PathName();
    if (docPath.empty()) {
        prompts.Message(messages::UnsavedRelativePath, MessageIcon::None);
        return ToUrlSlashes(value, profile);
    }
    RelativePathResult relative = RelativeToDocument(value, docPath, document.Title());
    return relative.convertSlashes ? ToUrlSlashes(relative.path, profile) : relative.path;
}

void BrowseForFile(FieldAccess& fields, const BrowseSpec& browse, const IniProfile& profile,
                   UserPrompts& prompts) {
    auto chosen = prompts.ChooseFileToOpen(browse.title, browse.filter, Read(profile, settings::WorkingDir));
    if (chosen)
        fields.SetText(browse.fieldId, *chosen);
}

} // namespace razo
