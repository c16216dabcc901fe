#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace razo {

// The text of an INI file as lines, edited in place so that comments, blank lines and lines
// that are neither a section header nor a key keep their bytes and their position. Sections and
// keys match case-insensitively (ASCII); when a section appears twice, the first one counts.
// Finding a section takes constant time and every edit touches one section only, so a file of
// any number of sections is read, changed and written in time proportional to its size.
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
    // Removes, in one pass, every section whose name `doomed` picks, with all its lines.
    void RemoveSections(const std::function<bool(std::string_view name)>& doomed);

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
    // A section header and the lines up to the next header.
    struct Section {
        std::string name;        // as written in the header
        std::vector<Line> lines; // lines[0] is the header
    };

    Section* FindSection(std::string_view section);
    const Section* FindSection(std::string_view section) const;
    static std::optional<size_t> FindKey(const Section& section, std::string_view key);
    std::string LineEnd() const;
    Line* LastLine();
    void AddSection(Section section);
    void Reindex();

    std::vector<Line> m_preamble; // lines before the first section
    std::vector<Section> m_sections;
    std::unordered_map<std::string, size_t> m_index; // folded name -> its first section
};

} // namespace razo
