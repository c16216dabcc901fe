#pragma once
#include <cstddef>
#include <string_view>
#include <vector>

#include "core/view/SyntaxColours.h"

namespace razo {

// A stretch of text and what it is; offsets into the text it was found in.
struct TextRun {
    std::size_t begin = 0;
    std::size_t end = 0;
    SyntaxKind kind = SyntaxKind::Text;

    bool operator==(const TextRun&) const = default;
};

// The style sheets of `text` that reach into [from, to): the content of each STYLE element, from
// its start tag to its end tag (or the end of `text`), as Text runs. A sheet whose start tag lies
// before `text` shows as content from the start of `text` to the first end tag of STYLE in it.
// Comments and the content of SCRIPT are passed over.
std::vector<TextRun> StyleSheetSpans(std::string_view text, std::size_t from, std::size_t to);

// The coloured runs of style sheet text `css`, read from a point outside every rule: selectors
// and at-rules, property names, their values and comments (the markup comment marks that hide a
// sheet from old browsers count as comments). Braces, ':', ';', ',' and blanks have no run.
std::vector<TextRun> StyleSheetRuns(std::string_view css);

} // namespace razo
