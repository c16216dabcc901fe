#include "core/app/ProcessIdentity.h"

#include <array>
#include <cctype>
#include <cerrno>
#include <csignal>
#include <fstream>
#include <unistd.h>

#include "core/settings/NumberText.h"

namespace razo {

namespace {

std::string ReadSmallFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string bytes;
    // Files under /proc report no size; they are read to their end, never beyond a page.
    std::array<char, 4096> buffer{};
    in.read(buffer.data(), buffer.size());
    bytes.assign(buffer.data(), static_cast<std::size_t>(in.gcount()));
    return bytes;
}

class SystemProcessTable : public ProcessTable {
public:
    std::int64_t CurrentPid() const override { return ::getpid(); }
    std::string BootId() const override {
        std::string id = ReadSmallFile("/proc/sys/kernel/random/boot_id");
        while (!id.empty() && (id.back() == '\n' || id.back() == ' '))
            id.pop_back();
        return id;
    }
    bool Exists(std::int64_t pid) const override {
        if (pid <= 0)
            return false;
        // A process of another user exists too; only "no such process" says it does not.
        return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH;
    }
    std::uint64_t StartTime(std::int64_t pid) const override {
        if (pid <= 0)
            return 0;
        return StartTimeFromStatLine(ReadSmallFile("/proc/" + std::to_string(pid) + "/stat"));
    }
};

std::string ShortBootId(std::string_view bootId) {
    std::string boot;
    for (const char c : bootId)
        if (std::isalnum(static_cast<unsigned char>(c)) && boot.size() < 8)
            boot += c;
    return boot;
}

} // namespace

const ProcessTable& ProcessTable::System() {
    static const SystemProcessTable table;
    return table;
}

ProcessIdentity CurrentProcess(const ProcessTable& table) {
    const std::int64_t pid = table.CurrentPid();
    return ProcessIdentity{pid, table.StartTime(pid), table.BootId()};
}

bool IsRunning(const ProcessIdentity& owner, const ProcessTable& table) {
    const std::string boot = table.BootId();
    if (!owner.bootId.empty() && !boot.empty() && owner.bootId != boot && owner.bootId != ShortBootId(boot))
        return false;
    if (!table.Exists(owner.pid))
        return false;
    // The number is in use; by the same run only if it started at the same moment.
    const std::uint64_t started = table.StartTime(owner.pid);
    return owner.startTime == 0 || started == 0 || started == owner.startTime;
}

std::string RunName(const ProcessIdentity& run) {
    const std::string boot = ShortBootId(run.bootId);
    return std::to_string(run.pid) + "-" + std::to_string(run.startTime) + (boot.empty() ? "" : "-" + boot);
}

std::optional<ProcessIdentity> ParseRunName(std::string_view name) {
    ProcessIdentity run;
    const auto first = name.find('-');
    if (!ParseNumber(name.substr(0, first), run.pid) || run.pid <= 0)
        return std::nullopt;
    if (first == std::string_view::npos)
        return run;
    name.remove_prefix(first + 1);
    const auto second = name.find('-');
    if (!ParseNumber(name.substr(0, second), run.startTime))
        return std::nullopt;
    if (second != std::string_view::npos) {
        run.bootId = std::string(name.substr(second + 1));
        if (run.bootId.empty() || run.bootId.size() > 8 || ShortBootId(run.bootId) != run.bootId)
            return std::nullopt;
    }
    return run;
}

std::uint64_t StartTimeFromStatLine(std::string_view line) {
    // "pid (name) state ppid ...": the name ends at the last ')'.
    const auto close = line.rfind(')');
    if (close == std::string_view::npos)
        return 0;
    std::string_view rest = line.substr(close + 1);
    // Fields 3 onwards; the start time is field 22.
    for (int field = 3; field <= 22; ++field) {
        const auto begin = rest.find_first_not_of(' ');
        if (begin == std::string_view::npos)
            return 0;
        rest.remove_prefix(begin);
        const auto end = rest.find_first_of(" \n");
        const std::string_view value = rest.substr(0, end);
        if (field == 22) {
            std::uint64_t start = 0;
            return ParseNumber(value, start) ? start : 0;
        }
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end);
    }
    return 0;
}

} // namespace razo
