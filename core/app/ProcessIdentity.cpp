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

std::string StatPath(std::int64_t pid) {
    return "/proc/" + std::to_string(pid) + "/stat";
}

// Field `number` (3 or more) of a stat line, empty when the line is shorter. The program name
// (field 2) may hold blanks and parentheses of its own, so counting starts after its last ')'.
std::string_view StatField(std::string_view line, int number) {
    const auto close = line.rfind(')');
    if (close == std::string_view::npos)
        return {};
    std::string_view rest = line.substr(close + 1);
    for (int field = 3;; ++field) {
        const auto begin = rest.find_first_not_of(' ');
        if (begin == std::string_view::npos)
            return {};
        rest.remove_prefix(begin);
        const auto end = rest.find_first_of(" \n");
        if (field == number)
            return rest.substr(0, end);
        if (end == std::string_view::npos)
            return {};
        rest.remove_prefix(end);
    }
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
        if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
            return false;
        // A killed run stays in the table until its parent collects it, and still answers kill().
        return !HasEndedFromStatLine(ReadSmallFile(StatPath(pid)));
    }
    std::uint64_t StartTime(std::int64_t pid) const override {
        if (pid <= 0)
            return 0;
        return StartTimeFromStatLine(ReadSmallFile(StatPath(pid)));
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
    std::uint64_t start = 0;
    return ParseNumber(StatField(line, 22), start) ? start : 0;
}

bool HasEndedFromStatLine(std::string_view line) {
    // Z: ended, not yet collected by its parent; X (x on old kernels): being removed.
    const std::string_view state = StatField(line, 3);
    return state == "Z" || state == "X" || state == "x";
}

} // namespace razo
