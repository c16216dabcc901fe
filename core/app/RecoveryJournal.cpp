#include "core/app/RecoveryJournal.h"

#include <array>

#include "core/app/Crc32.h"
#include "core/app/HeaderLines.h"
#include "core/settings/NumberText.h"

namespace razo {

namespace {

constexpr std::string_view kJournalMagic = "RAZO RECOVERY 1";
constexpr std::string_view kLockMagic = "RAZO LOCK 1";

std::string StampText(const FileStamp& stamp) {
    if (!stamp.exists)
        return "none";
    return std::to_string(stamp.device) + " " + std::to_string(stamp.inode) + " " +
           std::to_string(stamp.size) + " " + std::to_string(stamp.modifiedNs);
}

std::optional<FileStamp> ParseStamp(std::string_view text) {
    FileStamp stamp;
    if (text == "none")
        return stamp;
    std::array<std::string_view, 4> parts;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const auto blank = text.find(' ');
        if ((blank == std::string_view::npos) != (i + 1 == parts.size()))
            return std::nullopt;
        parts[i] = text.substr(0, blank);
        text = blank == std::string_view::npos ? std::string_view() : text.substr(blank + 1);
    }
    stamp.exists = true;
    if (!ParseNumber(parts[0], stamp.device) || !ParseNumber(parts[1], stamp.inode) ||
        !ParseNumber(parts[2], stamp.size) || !ParseNumber(parts[3], stamp.modifiedNs))
        return std::nullopt;
    return stamp;
}

} // namespace

std::string EncodeLock(const ProcessIdentity& owner) {
    return std::string(kLockMagic) + "\npid " + std::to_string(owner.pid) + "\nstart " +
           std::to_string(owner.startTime) + "\nboot " + EscapeHeaderValue(owner.bootId) + "\n\n";
}

std::optional<ProcessIdentity> ParseLock(std::string_view bytes) {
    std::string_view rest;
    const auto fields = ReadHeaderFields(bytes, kLockMagic, rest);
    if (!fields || !rest.empty())
        return std::nullopt;
    const std::string* pid = HeaderValue(*fields, "pid");
    const std::string* start = HeaderValue(*fields, "start");
    const std::string* boot = HeaderValue(*fields, "boot");
    ProcessIdentity owner;
    if (!pid || !start || !boot || !ParseNumber(std::string_view(*pid), owner.pid) || owner.pid <= 0 ||
        !ParseNumber(std::string_view(*start), owner.startTime))
        return std::nullopt;
    auto bootId = UnescapeHeaderValue(*boot);
    if (!bootId)
        return std::nullopt;
    owner.bootId = std::move(*bootId);
    return owner;
}

std::string EncodeJournalHeader(const JournalPage& page, std::string_view text) {
    std::string header(kJournalMagic);
    header += "\npath " + EscapeHeaderValue(page.path);
    header += "\ntitle " + EscapeHeaderValue(page.title);
    header += "\ntype " + EscapeHeaderValue(page.type);
    header += std::string("\nencoding ") + (page.utf8 ? "utf-8" : "8-bit");
    header += std::string("\nbyte-order-mark ") + (page.byteOrderMark ? "yes" : "no");
    header += "\nwritten " + std::to_string(page.writtenAt);
    header += "\ndisk " + StampText(page.disk);
    header += "\nlength " + std::to_string(text.size());
    header += "\ncrc32 " + Hex8(Crc32(text));
    header += "\n\n";
    return header;
}

std::optional<JournalHeader> ParseJournalHeader(std::string_view bytes) {
    std::string_view text;
    const auto fields = ReadHeaderFields(bytes, kJournalMagic, text);
    if (!fields)
        return std::nullopt;
    const std::string* path = HeaderValue(*fields, "path");
    const std::string* title = HeaderValue(*fields, "title");
    const std::string* type = HeaderValue(*fields, "type");
    const std::string* encoding = HeaderValue(*fields, "encoding");
    const std::string* mark = HeaderValue(*fields, "byte-order-mark");
    const std::string* written = HeaderValue(*fields, "written");
    const std::string* disk = HeaderValue(*fields, "disk");
    const std::string* length = HeaderValue(*fields, "length");
    const std::string* crc = HeaderValue(*fields, "crc32");
    if (!path || !title || !type || !encoding || !mark || !written || !disk || !length || !crc)
        return std::nullopt;

    JournalHeader header;
    JournalPage& page = header.page;
    auto pathValue = UnescapeHeaderValue(*path);
    auto titleValue = UnescapeHeaderValue(*title);
    auto typeValue = UnescapeHeaderValue(*type);
    const auto stamp = ParseStamp(*disk);
    const auto crcValue = ParseHex8(*crc);
    if (!pathValue || !titleValue || !typeValue || !stamp || !crcValue ||
        !ParseNumber(std::string_view(*length), header.length) ||
        !ParseNumber(std::string_view(*written), page.writtenAt))
        return std::nullopt;
    if ((*encoding != "utf-8" && *encoding != "8-bit") || (*mark != "yes" && *mark != "no"))
        return std::nullopt;
    page.path = std::move(*pathValue);
    page.title = std::move(*titleValue);
    page.type = std::move(*typeValue);
    page.utf8 = *encoding == "utf-8";
    page.byteOrderMark = *mark == "yes";
    page.disk = *stamp;
    header.crc = *crcValue;
    header.size = bytes.size() - text.size();
    return header;
}

std::optional<ParsedJournal> ParseJournal(std::string_view bytes) {
    auto header = ParseJournalHeader(bytes);
    if (!header)
        return std::nullopt;
    const std::string_view text = bytes.substr(header->size);
    // Cut short, grown, or changed: not the text that was written.
    if (header->length != text.size() || header->crc != Crc32(text))
        return std::nullopt;
    return ParsedJournal{std::move(header->page), text};
}

} // namespace razo
