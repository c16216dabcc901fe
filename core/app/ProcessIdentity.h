#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace razo {

// One run of the program, as the system knows it. A process id alone is not enough: after the
// run ended the number may belong to another program, or, after a restart of the machine, to
// anything at all.
struct ProcessIdentity {
    std::int64_t pid = 0;
    std::uint64_t startTime = 0; // clock ticks after boot; 0 when unknown
    std::string bootId;          // empty when unknown
    bool operator==(const ProcessIdentity&) const = default;
};

// What the system says about its processes. Tests give their own.
class ProcessTable {
public:
    virtual ~ProcessTable() = default;
    virtual std::int64_t CurrentPid() const = 0;
    virtual std::string BootId() const = 0;
    virtual bool Exists(std::int64_t pid) const = 0;
    // 0 when the process does not exist or its start cannot be read.
    virtual std::uint64_t StartTime(std::int64_t pid) const = 0;

    static const ProcessTable& System();
};

ProcessIdentity CurrentProcess(const ProcessTable& table = ProcessTable::System());

// Whether the run that wrote a lock is still going. Unknown parts count as matching, so a run
// is never taken for ended while it may still be going. A boot id may also be given in its
// short form (see RunName).
bool IsRunning(const ProcessIdentity& owner, const ProcessTable& table);

// A run as a part of a file name: "<pid>-<start>-<boot>", the boot id shortened to its first
// eight letters and digits (and left out when unknown).
std::string RunName(const ProcessIdentity& run);
// The run a name part of RunName's form names, its boot id in the short form; a bare "<pid>"
// names a run of which nothing else is known. Nullopt for anything else.
std::optional<ProcessIdentity> ParseRunName(std::string_view name);

// The start time in a process's stat line (its 22nd field), 0 when the line is malformed. The
// program name in it may hold blanks and parentheses of its own.
std::uint64_t StartTimeFromStatLine(std::string_view line);

} // namespace razo
