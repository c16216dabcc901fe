#include "core/markup/TagFinder.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace razo::markup {

namespace {

// Elements whose content is not markup: their end tag is the only thing that ends them.
bool IsRawTextElement(std::string_view name) {
    return SameName(name, "SCRIPT") || SameName(name, "STYLE") || SameName(name, "XMP") ||
           SameName(name, "PLAINTEXT") || SameName(name, "LISTING");
}

// The '<' of the first "</name" at or after `from` and before `stop`, or `stop`.
std::size_t RawTextEnd(std::string_view text, std::size_t from, std::size_t stop, std::string_view name) {
    for (std::size_t at = text.find("</", from); at < stop; at = text.find("</", at + 2)) {
        if (at == std::string_view::npos || at + 2 + name.size() > text.size())
            break;
        if (SameName(text.substr(at + 2, name.size()), name))
            return at;
    }
    return stop;
}

// Walks the tags of text[from, stop) in order, passing over comments and raw text; `visit`
// returns false to stop.
template <class Visit>
void ForEachTag(std::string_view text, std::size_t from, std::size_t stop, const ScanLimits& limits,
                Visit visit) {
    std::size_t at = from;
    while (at < stop) {
        const void* found = std::memchr(text.data() + at, '<', stop - at);
        if (!found)
            return;
        at = static_cast<const char*>(found) - text.data();
        const auto tag = ReadTag(text, at, std::min(limits.tag, text.size() - at));
        if (!tag || tag->end > stop) {
            ++at;
            continue;
        }
        if (!visit(*tag))
            return;
        at = tag->end;
        if (tag->kind == TagKind::Start && IsRawTextElement(tag->Name(text)))
            at = RawTextEnd(text, at, stop, tag->Name(text));
    }
}

// Whether `name` (SCRIPT, STYLE, ...) follows "<" or "</" at `at`, as a whole name.
bool NamesRawText(std::string_view text, std::size_t at) {
    std::size_t end = at;
    while (end < text.size() && IsNameChar(text[end]))
        ++end;
    return end > at && IsRawTextElement(text.substr(at, end - at));
}

// True when the '<' at `at` lies in a comment or in the content of SCRIPT or STYLE opened no
// further back than `lowest`: what looks like a tag there is not one. Read backwards, the first
// comment or raw text mark met tells whether it is still open.
bool InsideCommentOrRawText(std::string_view text, std::size_t at, std::size_t lowest) {
    for (std::size_t i = at; i-- > lowest;) {
        if (text[i] == '>' && i >= lowest + 2 && text[i - 1] == '-' && text[i - 2] == '-')
            return false; // a comment closed before
        if (text[i] != '<')
            continue;
        if (text.substr(i, 4) == "<!--")
            return true;
        if (i + 1 < text.size() && text[i + 1] == '/' && NamesRawText(text, i + 2))
            return false; // raw text closed before
        if (NamesRawText(text, i + 1))
            return true;
    }
    return false;
}

bool Opens(std::string_view text, const TagToken& tag) {
    return tag.kind == TagKind::Start && !tag.selfClosing && !IsEmptyElement(tag.Name(text));
}

std::optional<TagToken> EndTagOf(std::string_view text, const TagToken& start, const ScanLimits& limits) {
    const std::string_view name = start.Name(text);
    const std::size_t stop = std::min(text.size(), start.end + limits.reach);
    std::vector<std::string_view> open;
    std::optional<TagToken> match;
    ForEachTag(text, start.end, stop, limits, [&](const TagToken& tag) {
        if (Opens(text, tag)) {
            open.push_back(tag.Name(text));
            return true;
        }
        if (tag.kind != TagKind::End)
            return true;
        const auto inner = std::find_if(open.rbegin(), open.rend(),
                                        [&](std::string_view n) { return SameName(n, tag.Name(text)); });
        if (inner != open.rend()) {
            open.erase(std::prev(inner.base()), open.end());
            return true;
        }
        if (SameName(tag.Name(text), name))
            match = tag;
        // Either our end tag, or the end of an element that holds ours: ours stays unclosed.
        return false;
    });
    return match;
}

std::optional<TagToken> StartTagOf(std::string_view text, const TagToken& end, const ScanLimits& limits) {
    const std::size_t from = end.begin > limits.reach ? end.begin - limits.reach : 0;
    std::vector<TagToken> open;
    ForEachTag(text, from, end.begin, limits, [&](const TagToken& tag) {
        if (Opens(text, tag)) {
            open.push_back(tag);
        } else if (tag.kind == TagKind::End) {
            const auto closed = std::find_if(open.rbegin(), open.rend(), [&](const TagToken& o) {
                return SameName(o.Name(text), tag.Name(text));
            });
            if (closed != open.rend())
                open.erase(std::prev(closed.base()), open.end());
        }
        return true;
    });
    const std::string_view name = end.Name(text);
    const auto match = std::find_if(open.rbegin(), open.rend(),
                                    [&](const TagToken& o) { return SameName(o.Name(text), name); });
    if (match == open.rend())
        return std::nullopt;
    return *match;
}

} // namespace

bool IsEmptyElement(std::string_view name) {
    static constexpr std::array names = {"AREA",   "BASE",  "BASEFONT", "BGSOUND", "BR",    "COL",
                                         "EMBED",  "FRAME", "HR",       "IMG",     "INPUT", "ISINDEX",
                                         "KEYGEN", "LINK",  "META",     "NEXTID",  "PARAM", "SOURCE",
                                         "SPACER", "TRACK", "WBR"};
    return std::any_of(names.begin(), names.end(), [&](const char* n) { return SameName(name, n); });
}

std::optional<TagToken> TagAtCaret(std::string_view text, std::size_t caret, const ScanLimits& limits) {
    caret = std::min(caret, text.size());
    const std::size_t lowest = caret > limits.tag ? caret - limits.tag : 0;
    // A quote between a complete tag and the caret may belong to an earlier tag's quoted value
    // that the caret is in; only then is the search worth going on, and then only a few tags.
    // Quotes before the lowest '<' looked at cannot matter, so the search stops there too.
    const std::size_t quote = text.substr(lowest, caret - lowest).find_last_of("\"'");
    const std::size_t lastQuote = quote == std::string_view::npos ? quote : lowest + quote;
    constexpr int TagsPastAQuote = 16;
    int budget = -1;
    std::optional<TagToken> endingHere;
    for (std::size_t at = caret; at-- > lowest && budget != 0;) {
        if (text[at] != '<')
            continue;
        const auto tag = ReadTag(text, at, limits.tag);
        if (!tag)
            continue;
        // What looks like a tag in a comment or a script is none; the comment (or the SCRIPT start
        // tag) further back answers instead. An end tag of SCRIPT or STYLE ends their content.
        const auto isReal = [&] {
            const bool closesRawText = tag->kind == TagKind::End && IsRawTextElement(tag->Name(text));
            return tag->kind == TagKind::Comment || closesRawText ||
                   !InsideCommentOrRawText(text, at, lowest);
        };
        if (tag->Surrounds(caret)) {
            if (isReal())
                return tag;
            continue;
        }
        if (!endingHere && tag->end == caret && tag->kind == TagKind::Start && isReal())
            endingHere = tag;
        if (budget > 0)
            --budget;
        else if (budget < 0)
            budget = lastQuote != std::string_view::npos && lastQuote >= tag->end ? TagsPastAQuote : 0;
    }
    return endingHere;
}

std::optional<MatchedTags> MatchAtCaretName(std::string_view text, std::size_t caret,
                                            const ScanLimits& limits) {
    const auto tag = TagAtCaret(text, caret, limits);
    if (!tag || (tag->kind != TagKind::Start && tag->kind != TagKind::End) || caret < tag->nameBegin ||
        caret > tag->nameEnd)
        return std::nullopt;
    const auto match = MatchingTag(text, *tag, limits);
    if (!match)
        return std::nullopt;
    return MatchedTags{*tag, *match};
}

std::optional<TagToken> MatchingTag(std::string_view text, const TagToken& tag, const ScanLimits& limits) {
    if (tag.kind == TagKind::End)
        return StartTagOf(text, tag, limits);
    if (!Opens(text, tag))
        return std::nullopt;
    return EndTagOf(text, tag, limits);
}

} // namespace razo::markup
