#include "core/app/SaveTemporaries.h"

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "core/settings/NumberText.h"

namespace razo {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kMark = ".razo-";
constexpr std::string_view kSuffix = ".tmp";
// The page's name is cut to this, so the temporary's name stays within the system's limit.
constexpr std::size_t kNameLimit = 160;

// The writer a temporary's name gives, or nullopt when the name is not of that form.
std::optional<ProcessIdentity> WriterOf(std::string_view name) {
    if (name.size() < 1 + kMark.size() + kSuffix.size() || name.front() != '.' ||
        name.substr(name.size() - kSuffix.size()) != kSuffix)
        return std::nullopt;
    name.remove_suffix(kSuffix.size());
    const auto mark = name.rfind(kMark);
    if (mark == std::string_view::npos || mark == 0)
        return std::nullopt;
    std::string_view run = name.substr(mark + kMark.size());
    const auto serial = run.rfind('-');
    unsigned number = 0;
    if (serial == std::string_view::npos || !ParseNumber(run.substr(serial + 1), number))
        return std::nullopt;
    return ParseRunName(run.substr(0, serial));
}

} // namespace

std::string SaveTemporaryPath(const std::string& page, const ProcessIdentity& self, unsigned serial) {
    const fs::path path(page);
    const std::string name = path.filename().string().substr(0, kNameLimit);
    return (path.parent_path() / ("." + name + std::string(kMark) + RunName(self) + "-" +
                                  std::to_string(serial) + std::string(kSuffix)))
        .string();
}

int RemoveStaleSaveTemporaries(const std::string& folder, const ProcessTable& table) {
    int removed = 0;
    std::error_code error;
    for (fs::directory_iterator it(folder.empty() ? "." : folder, error), end; !error && it != end;
         it.increment(error)) {
        const auto writer = WriterOf(it->path().filename().string());
        struct stat info {};
        if (!writer || ::lstat(it->path().c_str(), &info) != 0 || !S_ISREG(info.st_mode) ||
            info.st_uid != ::geteuid() || IsRunning(*writer, table))
            continue;
        if (::unlink(it->path().c_str()) == 0)
            ++removed;
    }
    return removed;
}

} // namespace razo
