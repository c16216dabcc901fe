#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/app/ProcessIdentity.h"
#include "core/settings/AtomicFile.h"

namespace razo {

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

// What the header of a recovery file says; the text after it is not looked at.
struct JournalHeader {
    JournalPage page;
    std::uint64_t length = 0; // of the text
    std::uint32_t crc = 0;    // of the text
    std::size_t size = 0;     // of the header, its empty line included
};
// Nullopt unless `bytes` starts with a whole header of this format.
std::optional<JournalHeader> ParseJournalHeader(std::string_view bytes);

struct ParsedJournal {
    JournalPage page;
    std::string_view text; // within the bytes parsed
};
// Nullopt for anything but a whole, unchanged recovery file of this format.
std::optional<ParsedJournal> ParseJournal(std::string_view bytes);

} // namespace razo
