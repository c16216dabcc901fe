#pragma once
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace razo::markup {

enum class TagKind { Start, End, Comment, Declaration, Instruction };

// One attribute as written inside a start tag; offsets into the scanned text. A value that is
// absent (a bare keyword) has valueBegin == valueEnd == nameEnd and quote 0.
struct AttributeSpan {
    std::size_t begin = 0; // first character of the name
    std::size_t nameEnd = 0;
    std::size_t valueBegin = 0; // inside the quotes, if any
    std::size_t valueEnd = 0;
    std::size_t end = 0; // one past the value (and its closing quote)
    char quote = 0;      // '"', '\'' or 0
    bool hasValue = false;
};

// One tag as it stands in a stretch of text; offsets into that stretch.
struct TagToken {
    TagKind kind = TagKind::Start;
    std::size_t begin = 0; // the '<'
    std::size_t end = 0;   // one past the '>'
    std::size_t nameBegin = 0;
    std::size_t nameEnd = 0; // an empty name for comments, declarations and instructions
    bool selfClosing = false;

    std::string_view Name(std::string_view text) const { return text.substr(nameBegin, nameEnd - nameBegin); }
    // The caret at `offset` is between the '<' and the '>'.
    bool Surrounds(std::size_t offset) const { return begin < offset && offset < end; }
};

// Reads the tag whose '<' is at `at`, looking no further than `limit` bytes from it. Nothing when
// the text there is not a tag: a '<' not followed by a name, '/', '!' or '?', a name that runs
// into a quote, a '<' where an attribute should be, or no closing '>' within the limit. Quoted
// values may hold '>' and line breaks. When `attributes` is given, a start tag's attributes are
// put there in the order written.
std::optional<TagToken> ReadTag(std::string_view text, std::size_t at, std::size_t limit,
                                std::vector<AttributeSpan>* attributes = nullptr);

// True for a character that may stand in an element name.
bool IsNameChar(char c);

// ASCII case-insensitive equality, as element and attribute names compare.
bool SameName(std::string_view a, std::string_view b);

} // namespace razo::markup
