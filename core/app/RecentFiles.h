#pragma once
#include <string>
#include <vector>

namespace razo {

class IniProfile;

// The recent-file list: at most eight paths, most recent first, kept in the profile as
// "Recent File List"/"File1".."File8". Every change re-reads the list first, so a change made
// by another running instance is not overwritten.
class RecentFiles {
public:
    explicit RecentFiles(IniProfile& profile);

    void Load();
    const std::vector<std::string>& Paths() const { return m_paths; }

    // Puts the path first, moving it there when it is already listed. Returns false when the
    // profile could not be written.
    bool Add(const std::string& path);
    bool Remove(const std::string& path);

private:
    bool Save();

    IniProfile& m_profile;
    std::vector<std::string> m_paths;
};

} // namespace razo
