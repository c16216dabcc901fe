#pragma once
#include <cstddef>
#include <optional>
#include <string_view>

#include "core/markup/TagSyntax.h"

namespace razo::markup {

// How far the searches look, in bytes, so that a caret move on a huge page never reads the
// whole page: a tag is at most `tag` long, and a matching tag is looked for at most `reach` before
// or after the tag it matches.
struct ScanLimits {
    std::size_t tag = 64 * 1024;
    std::size_t reach = 256 * 1024;
};

// The tag the caret at `caret` is in (between its '<' and '>'), or else the start tag that ends
// right at the caret. The nearest '<' before the caret that begins such a tag wins, so a '<'
// inside an earlier quoted value is not taken for a tag of its own when it does not reach the
// caret.
std::optional<TagToken> TagAtCaret(std::string_view text, std::size_t caret, const ScanLimits& limits = {});

// The end tag that closes `tag`, or the start tag that `tag` (an end tag) closes. Comments and the
// contents of SCRIPT and STYLE are passed over; names compare case-insensitively; empty elements
// (BR, IMG, ...) and self-closed tags have none. Nothing when the enclosing element ends first
// (an unclosed P, LI or TD is normal HTML) or when none is within the reach.
std::optional<TagToken> MatchingTag(std::string_view text, const TagToken& tag,
                                    const ScanLimits& limits = {});

// A start or end tag whose name holds the caret, and the tag that matches it.
struct MatchedTags {
    TagToken atCaret;
    TagToken match;
};

// The tag whose name holds the caret (from before its first character to after its last) and its
// matching tag; nothing when the caret is elsewhere (in an attribute, in text, in a comment) or the
// tag has no match within the reach.
std::optional<MatchedTags> MatchAtCaretName(std::string_view text, std::size_t caret,
                                            const ScanLimits& limits = {});

// True for elements that never have an end tag.
bool IsEmptyElement(std::string_view name);

} // namespace razo::markup
