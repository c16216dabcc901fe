#include "core/app/RecoveryJournal.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <fstream>
#include <iterator>
#include <map>
#include <unistd.h>

#include "core/settings/NumberText.h"
namespace razo {

namespace {

constexpr std::string_view kJournalMagic = "RAZO RECOVERY 1";
constexpr std::string_view kLockMagic = "RAZO LOCK 1";

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

// Header values are one line each: line breaks, other control bytes and '%' are written as %XX.
std::string Escape(std::string_view value) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(value.size());
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || c == '%') {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 0x0F];
        } else {
            out += c;
        }
    }
    return out;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::optional<std::string> Unescape(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '%') {
            out += value[i];
            continue;
        }
        if (i + 2 >= value.size())
            return std::nullopt;
        const int high = HexDigit(value[i + 1]);
        const int low = HexDigit(value[i + 2]);
        if (high < 0 || low < 0)
            return std::nullopt;
        out += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return out;
}

// "key value" lines up to the first empty line; nullopt when a line has no key or a key is
// given twice. `rest` is what follows the empty line.
std::optional<std::map<std::string, std::string, std::less<>>>
HeaderFields(std::string_view bytes, std::string_view magic, std::string_view& rest) {
    const auto firstEnd = bytes.find('\n');
    if (firstEnd == std::string_view::npos || bytes.substr(0, firstEnd) != magic)
        return std::nullopt;
    std::map<std::string, std::string, std::less<>> fields;
    std::size_t at = firstEnd + 1;
    for (;;) {
        const auto end = bytes.find('\n', at);
        if (end == std::string_view::npos)
            return std::nullopt;
        const std::string_view line = bytes.substr(at, end - at);
        at = end + 1;
        if (line.empty())
            break;
        const auto blank = line.find(' ');
        const std::string_view key = line.substr(0, blank);
        const std::string_view value =
            blank == std::string_view::npos ? std::string_view() : line.substr(blank + 1);
        if (key.empty() || !fields.emplace(std::string(key), std::string(value)).second)
            return std::nullopt;
    }
    rest = bytes.substr(at);
    return fields;
}

const std::string* Field(const std::map<std::string, std::string, std::less<>>& fields,
                         std::string_view key) {
    const auto it = fields.find(key);
    return it == fields.end() ? nullptr : &it->second;
}

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

std::string Hex8(std::uint32_t value) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out(8, '0');
    for (int i = 7; i >= 0; --i, value >>= 4)
        out[static_cast<std::size_t>(i)] = kHex[value & 0x0F];
    return out;
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
    if (!owner.bootId.empty() && !boot.empty() && owner.bootId != boot)
        return false;
    if (!table.Exists(owner.pid))
        return false;
    // The number is in use; by the same run only if it started at the same moment.
    const std::uint64_t started = table.StartTime(owner.pid);
    return owner.startTime == 0 || started == 0 || started == owner.startTime;
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

std::string EncodeLock(const ProcessIdentity& owner) {
    return std::string(kLockMagic) + "\npid " + std::to_string(owner.pid) + "\nstart " +
           std::to_string(owner.startTime) + "\nboot " + Escape(owner.bootId) + "\n\n";
}

std::optional<ProcessIdentity> ParseLock(std::string_view bytes) {
    std::string_view rest;
    const auto fields = HeaderFields(bytes, kLockMagic, rest);
    if (!fields || !rest.empty())
        return std::nullopt;
    const std::string* pid = Field(*fields, "pid");
    const std::string* start = Field(*fields, "start");
    const std::string* boot = Field(*fields, "boot");
    ProcessIdentity owner;
    if (!pid || !start || !boot || !ParseNumber(std::string_view(*pid), owner.pid) || owner.pid <= 0 ||
        !ParseNumber(std::string_view(*start), owner.startTime))
        return std::nullopt;
    auto bootId = Unescape(*boot);
    if (!bootId)
        return std::nullopt;
    owner.bootId = std::move(*bootId);
    return owner;
}

std::string EncodeJournalHeader(const JournalPage& page, std::string_view text) {
    std::string header(kJournalMagic);
    header += "\npath " + Escape(page.path);
    header += "\ntitle " + Escape(page.title);
    header += "\ntype " + Escape(page.type);
    header += std::string("\nencoding ") + (page.utf8 ? "utf-8" : "8-bit");
    header += std::string("\nbyte-order-mark ") + (page.byteOrderMark ? "yes" : "no");
    header += "\nwritten " + std::to_string(page.writtenAt);
    header += "\ndisk " + StampText(page.disk);
    header += "\nlength " + std::to_string(text.size());
    header += "\ncrc32 " + Hex8(Crc32(text));
    header += "\n\n";
    return header;
}

std::optional<ParsedJournal> ParseJournal(std::string_view bytes) {
    std::string_view text;
    const auto fields = HeaderFields(bytes, kJournalMagic, text);
    if (!fields)
        return std::nullopt;
    const std::string* path = Field(*fields, "path");
    const std::string* title = Field(*fields, "title");
    const std::string* type = Field(*fields, "type");
    const std::string* encoding = Field(*fields, "encoding");
    const std::string* mark = Field(*fields, "byte-order-mark");
    const std::string* written = Field(*fields, "written");
    const std::string* disk = Field(*fields, "disk");
    const std::string* length = Field(*fields, "length");
    const std::string* crc = Field(*fields, "crc32");
    if (!path || !title || !type || !encoding || !mark || !written || !disk || !length || !crc)
        return std::nullopt;

    ParsedJournal parsed;
    JournalPage& page = parsed.page;
    auto pathValue = Unescape(*path);
    auto titleValue = Unescape(*title);
    auto typeValue = Unescape(*type);
    const auto stamp = ParseStamp(*disk);
    std::size_t size = 0;
    if (!pathValue || !titleValue || !typeValue || !stamp || !ParseNumber(std::string_view(*length), size) ||
        !ParseNumber(std::string_view(*written), page.writtenAt))
        return std::nullopt;
    if ((*encoding != "utf-8" && *encoding != "8-bit") || (*mark != "yes" && *mark != "no"))
        return std::nullopt;
    // Cut short, grown, or changed: not the text that was written.
    if (size != text.size() || *crc != Hex8(Crc32(text)))
        return std::nullopt;
    page.path = std::move(*pathValue);
    page.title = std::move(*titleValue);
    page.type = std::move(*typeValue);
    page.utf8 = *encoding == "utf-8";
    page.byteOrderMark = *mark == "yes";
    page.disk = *stamp;
    parsed.text = text;
    return parsed;
}

std::optional<std::string> ApplyCopyEdits(std::string_view copy, const std::vector<CopyEdit>& edits) {
    std::string text;
    text.reserve(copy.size() + 4096);
    std::size_t taken = 0;
    for (const CopyEdit& edit : edits) {
        if (edit.copied < taken || edit.copied > copy.size())
            return std::nullopt;
        text.append(copy.substr(taken, edit.copied - taken));
        taken = edit.copied;
        if (edit.position > text.size() || edit.erased > text.size() - edit.position)
            return std::nullopt;
        text.replace(edit.position, edit.erased, edit.inserted);
    }
    text.append(copy.substr(taken));
    return text;
}

std::uint32_t Crc32(std::string_view bytes, std::uint32_t crc) {
    static const auto table = [] {
        std::array<std::uint32_t, 256> entries{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t value = i;
            for (int bit = 0; bit < 8; ++bit)
                value = (value & 1) ? 0xEDB88320U ^ (value >> 1) : value >> 1;
            entries[i] = value;
        }
        return entries;
    }();
    crc = ~crc;
    for (const char c : bytes)
        crc = table[(crc ^ static_cast<unsigned char>(c)) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

} // namespace razo
