#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings/AtomicFile.h"

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
// is never taken for ended while it may still be going.
bool IsRunning(const ProcessIdentity& owner, const ProcessTable& table);

// The start time in a process's stat line (its 22nd field), 0 when the line is malformed. The
// program name in it may hold blanks and parentheses of its own.
std::uint64_t StartTimeFromStatLine(std::string_view line);

// The lock file of a run: who owns the recovery files beside it.
std::string EncodeLock(const ProcessIdentity& owner);
std::optional<ProcessIdentity> ParseLock(std::string_view bytes);

// What a recovery file says about its page besides the text.
struct JournalPage {
    std::string path;  // the file's path (the system's bytes); empty while never saved
    std::string title; // as the window showed it: "HTML1" or the file name
    std::string type;  // the document type's extension: ".html" or ".htm"
    bool utf8 = true;  // edited as UTF-8, else as 8-bit text
    bool byteOrderMark = false;
    std::int64_t writtenAt = 0; // seconds since 1970
    FileStamp disk;             // the file as the page last read or wrote it
    bool operator==(const JournalPage&) const = default;
};

// A recovery file is a header of text lines, a blank line and then the page's bytes unchanged.
// The header holds the text's length and CRC-32, so a file cut short or changed is seen.
std::string EncodeJournalHeader(const JournalPage& page, std::string_view text);

struct ParsedJournal {
    JournalPage page;
    std::string_view text; // within the bytes parsed
};
// Nullopt for anything but a whole, unchanged recovery file of this format.
std::optional<ParsedJournal> ParseJournal(std::string_view bytes);

std::uint32_t Crc32(std::string_view bytes, std::uint32_t crc = 0);

// A change of a text that was being copied out of it a piece at a time, made within the part
// already copied.
struct CopyEdit {
    std::size_t copied = 0; // bytes of the copy taken before the change
    std::size_t position = 0;
    std::size_t erased = 0; // bytes taken out at `position`
    std::string inserted;   // bytes put in at `position`
};
// The text as it is now, from a copy taken in pieces while it changed: each change applied to
// all that had been taken before it. Changes that do not fit the copy leave it empty.
std::optional<std::string> ApplyCopyEdits(std::string_view copy, const std::vector<CopyEdit>& edits);

} // namespace razo
