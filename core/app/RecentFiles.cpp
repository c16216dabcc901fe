#include "core/app/RecentFiles.h"

#include <algorithm>

#include "core/settings/IniDocument.h"
#include "core/settings/IniProfile.h"
#include "core/settings/SettingsKeys.h"

namespace razo {

namespace {

std::string KeyFor(int index) {
    return "File" + std::to_string(index + 1);
}

} // namespace

RecentFiles::RecentFiles(IniProfile& profile) : m_profile(profile) {
    Load();
}

void RecentFiles::Load() {
    m_paths.clear();
    for (int i = 0; i < settings::RecentFileCount; ++i) {
        std::string path = m_profile.GetProfileString(settings::RecentFileSection, KeyFor(i), "");
        if (!path.empty() && std::find(m_paths.begin(), m_paths.end(), path) == m_paths.end())
            m_paths.push_back(std::move(path));
    }
}

bool RecentFiles::Add(const std::string& path) {
    if (path.empty())
        return true;
    // A name with a line break cannot be kept in the profile; it is left out of the list.
    if (!IniDocument::IsStorableValue(path))
        return false;
    Load();
    std::erase(m_paths, path);
    m_paths.insert(m_paths.begin(), path);
    if (m_paths.size() > static_cast<size_t>(settings::RecentFileCount))
        m_paths.resize(settings::RecentFileCount);
    return Save();
}

bool RecentFiles::Remove(const std::string& path) {
    Load();
    if (std::erase(m_paths, path) == 0)
        return true;
    return Save();
}

bool RecentFiles::Save() {
    IniProfile::Batch batch(m_profile); // the whole list in one write of the file
    bool ok = true;
    for (int i = 0; i < settings::RecentFileCount; ++i) {
        const auto index = static_cast<size_t>(i);
        if (index < m_paths.size())
            ok = m_profile.WriteProfileString(settings::RecentFileSection, KeyFor(i), m_paths[index]) && ok;
        else
            ok = m_profile.WriteProfileString(settings::RecentFileSection, KeyFor(i), std::nullopt) && ok;
    }
    return batch.Finish() && ok;
}

} // namespace razo
