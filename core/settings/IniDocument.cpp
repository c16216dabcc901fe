#include "settings/IniDocument.h"

#include <algorithm>

namespace razo {

namespace {

constexpr std::string_view Blanks = " \t";

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(Blanks);
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(Blanks);
    return text.substr(first, last - first + 1);
}

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

// What one line of the file is. Anything that is neither a header nor a key is kept as it is.
struct ParsedLine {
    enum Kind { Other, Section, Key } kind = Other;
    std::string_view name;
    std::string_view value;
};

ParsedLine Classify(std::string_view text) {
    const std::string_view line = Trim(text);
    if (line.empty() || line.front() == ';' || line.front() == '#')
        return {};
    if (line.front() == '[') {
        const auto close = line.find(']');
        if (close == std::string_view::npos)
            return {};
        return {ParsedLine::Section, Trim(line.substr(1, close - 1)), {}};
    }
    const auto equals = line.find('=');
    if (equals == std::string_view::npos)
        return {};
    const std::string_view key = Trim(line.substr(0, equals));
    if (key.empty())
        return {};
    return {ParsedLine::Key, key, Trim(line.substr(equals + 1))};
}

} // namespace

bool IniDocument::NamesEqual(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

IniDocument IniDocument::Parse(std::string_view bytes) {
    IniDocument document;
    size_t start = 0;
    while (start < bytes.size()) {
        const auto newline = bytes.find('\n', start);
        if (newline == std::string_view::npos) {
            document.m_lines.push_back({std::string(bytes.substr(start)), ""});
            break;
        }
        std::string_view text = bytes.substr(start, newline - start);
        std::string eol = "\n";
        if (!text.empty() && text.back() == '\r') {
            text.remove_suffix(1);
            eol = "\r\n";
        }
        document.m_lines.push_back({std::string(text), std::move(eol)});
        start = newline + 1;
    }
    return document;
}

std::string IniDocument::Serialize() const {
    std::string bytes;
    for (const Line& line : m_lines)
        bytes += line.text + line.eol;
    return bytes;
}

std::optional<IniDocument::Range> IniDocument::FindSection(std::string_view section) const {
    for (size_t i = 0; i < m_lines.size(); ++i) {
        const ParsedLine parsed = Classify(m_lines[i].text);
        if (parsed.kind != ParsedLine::Section || !NamesEqual(parsed.name, section))
            continue;
        size_t end = i + 1;
        while (end < m_lines.size() && Classify(m_lines[end].text).kind != ParsedLine::Section)
            ++end;
        return Range{i, end};
    }
    return std::nullopt;
}

std::optional<size_t> IniDocument::FindKey(const Range& range, std::string_view key) const {
    for (size_t i = range.header + 1; i < range.end; ++i) {
        const ParsedLine parsed = Classify(m_lines[i].text);
        if (parsed.kind == ParsedLine::Key && NamesEqual(parsed.name, key))
            return i;
    }
    return std::nullopt;
}

std::optional<std::string> IniDocument::Get(std::string_view section, std::string_view key) const {
    const auto range = FindSection(section);
    if (!range)
        return std::nullopt;
    const auto index = FindKey(*range, key);
    if (!index)
        return std::nullopt;
    return std::string(Classify(m_lines[*index].text).value);
}

// New lines follow the file's own line ends.
std::string IniDocument::LineEnd() const {
    for (const Line& line : m_lines)
        if (!line.eol.empty())
            return line.eol;
    return "\n";
}

void IniDocument::InsertLine(size_t at, std::string text) {
    const std::string eol = LineEnd();
    if (at > 0 && m_lines[at - 1].eol.empty())
        m_lines[at - 1].eol = eol;
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(at), Line{std::move(text), eol});
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    const auto range = FindSection(section);
    if (!range) {
        if (!m_lines.empty() && !Trim(m_lines.back().text).empty())
            InsertLine(m_lines.size(), "");
        InsertLine(m_lines.size(), "[" + std::string(section) + "]");
        InsertLine(m_lines.size(), std::string(key) + "=" + std::string(value));
        return;
    }
    if (const auto index = FindKey(*range, key)) {
        const std::string storedKey(Classify(m_lines[*index].text).name);
        m_lines[*index].text = storedKey + "=" + std::string(value);
        return;
    }
    size_t after = range->header;
    for (size_t i = range->header + 1; i < range->end; ++i)
        if (Classify(m_lines[i].text).kind == ParsedLine::Key)
            after = i;
    InsertLine(after + 1, std::string(key) + "=" + std::string(value));
}

void IniDocument::Remove(std::string_view section, std::string_view key) {
    auto range = FindSection(section);
    if (!range)
        return;
    while (const auto index = FindKey(*range, key)) {
        m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(*index));
        --range->end;
    }
}

// Every copy goes, so that a later copy cannot take the deleted one's place.
void IniDocument::RemoveSection(std::string_view section) {
    while (const auto range = FindSection(section))
        m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(range->header),
                      m_lines.begin() + static_cast<std::ptrdiff_t>(range->end));
}

namespace {

void AddUnique(std::vector<std::string>& names, std::string_view name) {
    const bool known = std::any_of(names.begin(), names.end(),
                                   [&](const std::string& n) { return IniDocument::NamesEqual(n, name); });
    if (!known)
        names.emplace_back(name);
}

} // namespace

std::vector<std::string> IniDocument::SectionNames() const {
    std::vector<std::string> names;
    for (const Line& line : m_lines) {
        const ParsedLine parsed = Classify(line.text);
        if (parsed.kind == ParsedLine::Section)
            AddUnique(names, parsed.name);
    }
    return names;
}

std::vector<std::string> IniDocument::KeyNames(std::string_view section) const {
    std::vector<std::string> names;
    const auto range = FindSection(section);
    if (!range)
        return names;
    for (size_t i = range->header + 1; i < range->end; ++i) {
        const ParsedLine parsed = Classify(m_lines[i].text);
        if (parsed.kind == ParsedLine::Key)
            AddUnique(names, parsed.name);
    }
    return names;
}

bool IniDocument::IsStorableSection(std::string_view section) {
    return !HasLineBreak(section) && section.find(']') == std::string_view::npos && Trim(section) == section;
}

bool IniDocument::IsStorableKey(std::string_view key) {
    if (key.empty() || HasLineBreak(key) || key.find('=') != std::string_view::npos || Trim(key) != key)
        return false;
    return key.front() != ';' && key.front() != '#' && key.front() != '[';
}

bool IniDocument::IsStorableValue(std::string_view value) {
    return !HasLineBreak(value);
}

} // namespace razo
