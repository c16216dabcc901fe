#include "core/settings/IniDocument.h"

#include <algorithm>
#include <unordered_set>

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

std::string Folded(std::string_view name) {
    std::string folded(name);
    std::transform(folded.begin(), folded.end(), folded.begin(), LowerAscii);
    return folded;
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
    std::vector<Line>* lines = &document.m_preamble;
    size_t start = 0;
    while (start < bytes.size()) {
        const auto newline = bytes.find('\n', start);
        std::string_view text =
            bytes.substr(start, newline == std::string_view::npos ? newline : newline - start);
        std::string eol;
        if (newline != std::string_view::npos) {
            eol = "\n";
            if (!text.empty() && text.back() == '\r') {
                text.remove_suffix(1);
                eol = "\r\n";
            }
        }
        const ParsedLine parsed = Classify(text);
        if (parsed.kind == ParsedLine::Section) {
            document.m_sections.push_back(Section{std::string(parsed.name), {}});
            lines = &document.m_sections.back().lines;
        }
        lines->push_back({std::string(text), std::move(eol)});
        if (newline == std::string_view::npos)
            break;
        start = newline + 1;
    }
    document.Reindex();
    return document;
}

std::string IniDocument::Serialize() const {
    size_t size = 0;
    const auto measure = [&size](const std::vector<Line>& lines) {
        for (const Line& line : lines)
            size += line.text.size() + line.eol.size();
    };
    measure(m_preamble);
    for (const Section& section : m_sections)
        measure(section.lines);
    std::string bytes;
    bytes.reserve(size);
    const auto append = [&bytes](const std::vector<Line>& lines) {
        for (const Line& line : lines)
            bytes.append(line.text).append(line.eol);
    };
    append(m_preamble);
    for (const Section& section : m_sections)
        append(section.lines);
    return bytes;
}

void IniDocument::Reindex() {
    m_index.clear();
    for (size_t i = 0; i < m_sections.size(); ++i)
        m_index.emplace(Folded(m_sections[i].name), i); // keeps the first of equal names
}

IniDocument::Section* IniDocument::FindSection(std::string_view section) {
    const auto found = m_index.find(Folded(section));
    return found == m_index.end() ? nullptr : &m_sections[found->second];
}

const IniDocument::Section* IniDocument::FindSection(std::string_view section) const {
    const auto found = m_index.find(Folded(section));
    return found == m_index.end() ? nullptr : &m_sections[found->second];
}

std::optional<size_t> IniDocument::FindKey(const Section& section, std::string_view key) {
    for (size_t i = 1; i < section.lines.size(); ++i) {
        const ParsedLine parsed = Classify(section.lines[i].text);
        if (parsed.kind == ParsedLine::Key && NamesEqual(parsed.name, key))
            return i;
    }
    return std::nullopt;
}

std::optional<std::string> IniDocument::Get(std::string_view section, std::string_view key) const {
    const Section* found = FindSection(section);
    if (!found)
        return std::nullopt;
    const auto index = FindKey(*found, key);
    if (!index)
        return std::nullopt;
    return std::string(Classify(found->lines[*index].text).value);
}

// New lines follow the file's own line ends.
std::string IniDocument::LineEnd() const {
    for (const Line& line : m_preamble)
        if (!line.eol.empty())
            return line.eol;
    for (const Section& section : m_sections)
        for (const Line& line : section.lines)
            if (!line.eol.empty())
                return line.eol;
    return "\n";
}

IniDocument::Line* IniDocument::LastLine() {
    for (auto section = m_sections.rbegin(); section != m_sections.rend(); ++section)
        if (!section->lines.empty())
            return &section->lines.back();
    return m_preamble.empty() ? nullptr : &m_preamble.back();
}

void IniDocument::AddSection(Section section) {
    m_index.emplace(Folded(section.name), m_sections.size());
    m_sections.push_back(std::move(section));
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    const std::string eol = LineEnd();
    const std::string keyLine = std::string(key) + "=" + std::string(value);
    Section* found = FindSection(section);
    if (!found) {
        Line* last = LastLine();
        if (last && last->eol.empty())
            last->eol = eol;
        Section added{std::string(section), {}};
        // A blank line before a new section, unless the file ends with one.
        if (last && !Trim(last->text).empty()) {
            if (m_sections.empty())
                m_preamble.push_back({"", eol});
            else
                m_sections.back().lines.push_back({"", eol});
        }
        added.lines.push_back({"[" + std::string(section) + "]", eol});
        added.lines.push_back({keyLine, eol});
        AddSection(std::move(added));
        return;
    }
    std::vector<Line>& lines = found->lines;
    if (const auto index = FindKey(*found, key)) {
        const std::string storedKey(Classify(lines[*index].text).name);
        lines[*index].text = storedKey + "=" + std::string(value);
        return;
    }
    size_t after = 0;
    for (size_t i = 1; i < lines.size(); ++i)
        if (Classify(lines[i].text).kind == ParsedLine::Key)
            after = i;
    if (lines[after].eol.empty())
        lines[after].eol = eol;
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(after + 1), Line{keyLine, eol});
}

void IniDocument::Remove(std::string_view section, std::string_view key) {
    Section* found = FindSection(section);
    if (!found)
        return;
    auto& lines = found->lines;
    lines.erase(std::remove_if(lines.begin() + 1, lines.end(),
                               [key](const Line& line) {
                                   const ParsedLine parsed = Classify(line.text);
                                   return parsed.kind == ParsedLine::Key && NamesEqual(parsed.name, key);
                               }),
                lines.end());
}

// Every copy goes, so that a later copy cannot take the deleted one's place.
void IniDocument::RemoveSection(std::string_view section) {
    RemoveSections([section](std::string_view name) { return NamesEqual(name, section); });
}

void IniDocument::RemoveSections(const std::function<bool(std::string_view name)>& doomed) {
    const auto removed = std::remove_if(m_sections.begin(), m_sections.end(),
                                        [&doomed](const Section& section) { return doomed(section.name); });
    if (removed == m_sections.end())
        return;
    m_sections.erase(removed, m_sections.end());
    Reindex();
}

std::vector<std::string> IniDocument::SectionNames() const {
    std::vector<std::string> names;
    std::unordered_set<std::string> seen;
    for (const Section& section : m_sections)
        if (seen.insert(Folded(section.name)).second)
            names.push_back(section.name);
    return names;
}

std::vector<std::string> IniDocument::KeyNames(std::string_view section) const {
    std::vector<std::string> names;
    const Section* found = FindSection(section);
    if (!found)
        return names;
    std::unordered_set<std::string> seen;
    for (size_t i = 1; i < found->lines.size(); ++i) {
        const ParsedLine parsed = Classify(found->lines[i].text);
        if (parsed.kind == ParsedLine::Key && seen.insert(Folded(parsed.name)).second)
            names.emplace_back(parsed.name);
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
