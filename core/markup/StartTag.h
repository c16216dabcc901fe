#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace razo::markup {

// One attribute of a start tag as the page has it: nothing decoded, nothing changed.
struct WrittenAttribute {
    std::string name;  // as written, in its own case
    std::string value; // between its quotes, if any; entities kept
    char quote = 0;    // '"', '\'' or 0
    bool hasValue = false;
    std::string text; // the whole attribute as written: NAME="value"
};

// A start tag read back from the page, attribute by attribute in the order written.
struct StartTag {
    std::string name;
    std::vector<WrittenAttribute> attributes;
    bool selfClosing = false;

    // The index of the first attribute named `name` (any case) not yet in `taken`; -1 for none.
    int Find(std::string_view name, const std::vector<bool>& taken) const;
};

// Reads `text`, which must be one whole start tag ("<TABLE WIDTH=80% BORDER>"); nothing when it
// is not one.
std::optional<StartTag> ParseStartTag(std::string_view text);

} // namespace razo::markup
