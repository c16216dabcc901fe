#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace razo {

// The text of an INI file as lines, edited in place so that comments, blank lines and lines
// that are neither a section header nor a key keep their bytes and their position. Sections and
// keys match case-insensitively (ASCII); when a section appears twice, the first one counts.
class IniDocument {
public:
    static IniDocument Parse(std::string_view bytes);
    std::string Serialize() const;

    std::optional<std::string> Get(std::string_view section, std::string_view key) const;
    // Sets a key, adding it at the end of its section or a new section at the end of the file.
    void Set(std::string_view section, std::string_view key, std::string_view value);
    // Removes the key (every copy of it in the section); a missing key is no error.
    void Remove(std::string_view section, std::string_view key);
    // Removes every section of that name with all its lines.
    void RemoveSection(std::string_view section);

    std::vector<std::string> SectionNames() const;
    std::vector<std::string> KeyNames(std::string_view section) const;

    // Whether a name or value can be stored so that it reads back as written: no line breaks,
    // no bracket in a section name, no '=' in a key, a key does not look like a comment or header.
    static bool IsStorableSection(std::string_view section);
    static bool IsStorableKey(std::string_view key);
    static bool IsStorableValue(std::string_view value);

    // How section and key names compare: ASCII letters without regard to case.
    static bool NamesEqual(std::string_view a, std::string_view b);

private:
    struct Line {
        std::string text; // without its line end
        std::string eol;  // "\n", "\r\n" or "" for a last line without one
    };
    struct Range {
        size_t header; // index of the section header
        size_t end;    // one past its last line
    };

    std::optional<Range> FindSection(std::string_view section) const;
    std::optional<size_t> FindKey(const Range& range, std::string_view key) const;
    std::string LineEnd() const;
    void InsertLine(size_t at, std::string text);

    std::vector<Line> m_lines;
};

} // namespace razo
