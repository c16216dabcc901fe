#include "core/app/SaveJournal.h"

#include "core/app/HeaderLines.h"
#include "core/settings/NumberText.h"

namespace razo {

namespace {

constexpr std::string_view kMagic = "RAZO SAVING 1";
constexpr std::string_view kWhole = ".save";
constexpr std::string_view kPartial = ".save.tmp";

bool EndsWith(std::string_view text, std::string_view suffix) {
    return text.size() > suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

// Twenty digits hold any 64-bit number.
std::string Fixed20(std::uint64_t value) {
    std::string digits = std::to_string(value);
    return std::string(20 - digits.size(), '0') + digits;
}

bool ParseFixed20(const std::string* text, std::uint64_t& value) {
    return text && text->size() == 20 && ParseNumber(std::string_view(*text), value);
}

} // namespace

std::string EncodeSaveJournalHeader(const SaveJournal& journal) {
    std::string header(kMagic);
    header += "\npath " + EscapeHeaderValue(journal.path);
    header += "\ndevice " + Fixed20(journal.device);
    header += "\ninode " + Fixed20(journal.inode);
    header += "\nold-length " + Fixed20(journal.oldLength);
    header += "\nold-crc32 " + Hex8(journal.oldCrc);
    header += "\nnew-length " + Fixed20(journal.newLength);
    header += "\nnew-crc32 " + Hex8(journal.newCrc);
    header += "\n\n";
    return header;
}

std::optional<ParsedSaveJournal> ParseSaveJournalHeader(std::string_view bytes) {
    std::string_view rest;
    const auto fields = ReadHeaderFields(bytes, kMagic, rest);
    if (!fields)
        return std::nullopt;
    const std::string* path = HeaderValue(*fields, "path");
    const std::string* oldCrc = HeaderValue(*fields, "old-crc32");
    const std::string* newCrc = HeaderValue(*fields, "new-crc32");
    ParsedSaveJournal parsed;
    SaveJournal& journal = parsed.journal;
    auto pathValue = path ? UnescapeHeaderValue(*path) : std::nullopt;
    const auto oldCrcValue = oldCrc ? ParseHex8(*oldCrc) : std::nullopt;
    const auto newCrcValue = newCrc ? ParseHex8(*newCrc) : std::nullopt;
    if (!pathValue || pathValue->empty() || !oldCrcValue || !newCrcValue ||
        !ParseFixed20(HeaderValue(*fields, "device"), journal.device) ||
        !ParseFixed20(HeaderValue(*fields, "inode"), journal.inode) ||
        !ParseFixed20(HeaderValue(*fields, "old-length"), journal.oldLength) ||
        !ParseFixed20(HeaderValue(*fields, "new-length"), journal.newLength))
        return std::nullopt;
    journal.path = std::move(*pathValue);
    journal.oldCrc = *oldCrcValue;
    journal.newCrc = *newCrcValue;
    parsed.headerSize = bytes.size() - rest.size();
    return parsed;
}

std::string SaveJournalFileName(const ProcessIdentity& writer, unsigned serial) {
    return RunName(writer) + "-" + std::to_string(serial) + std::string(kWhole);
}

std::optional<SaveJournalFile> ParseSaveJournalFileName(std::string_view name) {
    SaveJournalFile file;
    file.whole = EndsWith(name, kWhole);
    if (!file.whole && !EndsWith(name, kPartial))
        return std::nullopt;
    name.remove_suffix(file.whole ? kWhole.size() : kPartial.size());
    const auto serial = name.rfind('-');
    unsigned number = 0;
    if (serial == std::string_view::npos || !ParseNumber(name.substr(serial + 1), number))
        return std::nullopt;
    const auto writer = ParseRunName(name.substr(0, serial));
    if (!writer)
        return std::nullopt;
    file.writer = *writer;
    return file;
}

} // namespace razo
