#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/app/ProcessIdentity.h"

namespace razo {

// The journal of a save that writes into an existing file: a header of text lines (see
// HeaderLines), an empty line, then the file's previous text unchanged. It is complete on the
// disk before the first byte of the file is overwritten and goes once the new text is; one left
// behind tells, by the sizes and checksums in its header, whether the file holds the old text,
// the new text, or a mix of both.
struct SaveJournal {
    std::string path; // the file written, links resolved (the system's bytes)
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t oldLength = 0;
    std::uint32_t oldCrc = 0;
    std::uint64_t newLength = 0;
    std::uint32_t newCrc = 0;
    bool operator==(const SaveJournal&) const = default;
};

// The header; its length depends on the path only, never on the numbers' values (they are
// written at a fixed width), so it can be written again in place once the old text's checksum
// is known.
std::string EncodeSaveJournalHeader(const SaveJournal& journal);

struct ParsedSaveJournal {
    SaveJournal journal;
    std::size_t headerSize = 0;
};
// Nullopt unless `bytes` starts with a whole header of this format.
std::optional<ParsedSaveJournal> ParseSaveJournalHeader(std::string_view bytes);

// Journals are named "<run>-<n>.save" after the process that writes them (see RunName), and
// "<run>-<n>.save.tmp" until they are whole.
std::string SaveJournalFileName(const ProcessIdentity& writer, unsigned serial);

struct SaveJournalFile {
    ProcessIdentity writer;
    bool whole = false; // false: the ".tmp" of one being made
};
std::optional<SaveJournalFile> ParseSaveJournalFileName(std::string_view name);

} // namespace razo
