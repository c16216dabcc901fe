#pragma once
#include <cstdint>

namespace razo {

// A colour as the screen shows it, eight bits a channel.
struct ScreenColour {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    bool operator==(const ScreenColour&) const = default;
};

// How bright a colour looks, from 0 (black) to 1 (white), as contrast is measured for
// readability.
double RelativeLuminance(ScreenColour colour);
// From 1 (no contrast) to 21 (black on white); text wants at least 4.5.
double ContrastRatio(ScreenColour a, ScreenColour b);

inline constexpr double ReadableContrast = 4.5;

// `wanted`, taken towards black or white (whichever stands out more from `background`) just far
// enough to have `ratio` against it; unchanged when it has that already.
ScreenColour ReadableOn(ScreenColour wanted, ScreenColour background, double ratio = ReadableContrast);

// The part of a page a colour is chosen for.
enum class SyntaxKind {
    Text,        // page text, script identifiers and operators
    Tag,         // a tag's brackets and name
    Attribute,   // an attribute's name
    Value,       // an attribute's value, a string in a script
    Number,      // a number in a tag or a script
    Entity,      // a character reference
    Comment,     // comments of the page, its scripts and style sheets
    Declaration, // the document type declaration and processing instructions
    Keyword,     // a script's keywords
    Error,       // an unclosed string, a malformed declaration
    Selector,    // a style sheet's selectors and at-rules
    Property,    // a style sheet's property names
    StyleValue,  // a style sheet's property values
};
inline constexpr int SyntaxKindCount = 13;

// The colour of `kind` on a page with this background and text colour: a light or a dark set of
// hues, whichever suits the background, each made readable on it.
ScreenColour SyntaxColour(SyntaxKind kind, ScreenColour background, ScreenColour text);

// A colour between `from` (0) and `to` (1).
ScreenColour Mix(ScreenColour from, ScreenColour to, double amount);

} // namespace razo
