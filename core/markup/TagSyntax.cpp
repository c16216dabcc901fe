#include "core/markup/TagSyntax.h"

#include <algorithm>

namespace razo::markup {

namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f';
}

bool IsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

// A cursor over text[at, stop).
struct Cursor {
    std::string_view text;
    std::size_t pos;
    std::size_t stop;

    bool AtEnd() const { return pos >= stop; }
    char Peek(std::size_t ahead = 0) const { return pos + ahead < stop ? text[pos + ahead] : '\0'; }
    bool Starts(std::string_view s) const {
        return pos + s.size() <= stop && text.substr(pos, s.size()) == s;
    }
    void SkipSpace() {
        while (!AtEnd() && IsSpace(text[pos]))
            ++pos;
    }
    // Moves past the first `what` at or after the cursor; false when it is not within the stop.
    bool SkipPast(std::string_view what) {
        const std::size_t found = text.substr(0, stop).find(what, pos);
        if (found == std::string_view::npos)
            return false;
        pos = found + what.size();
        return true;
    }
};

// Up to and past a '>' outside quotes, as declarations and end tags are closed.
bool SkipToClose(Cursor& c) {
    char quote = 0;
    for (; !c.AtEnd(); ++c.pos) {
        const char ch = c.text[c.pos];
        if (quote) {
            if (ch == quote)
                quote = 0;
        } else if (ch == '"' || ch == '\'') {
            quote = ch;
        } else if (ch == '>') {
            ++c.pos;
            return true;
        }
    }
    return false;
}

bool IsAttributeNameChar(char c) {
    return !IsSpace(c) && c != '"' && c != '\'' && c != '<' && c != '>' && c != '=' && c != '/';
}

// One attribute at the cursor; false when the tag is broken there.
bool ReadAttribute(Cursor& c, AttributeSpan& span) {
    span = {};
    span.begin = c.pos;
    while (!c.AtEnd() && IsAttributeNameChar(c.Peek()))
        ++c.pos;
    if (c.pos == span.begin)
        return false;
    span.nameEnd = span.valueBegin = span.valueEnd = span.end = c.pos;
    const std::size_t afterName = c.pos;
    c.SkipSpace();
    if (c.Peek() != '=') {
        c.pos = afterName;
        return true;
    }
    ++c.pos;
    c.SkipSpace();
    span.hasValue = true;
    const char first = c.Peek();
    if (first == '"' || first == '\'') {
        span.quote = first;
        span.valueBegin = ++c.pos;
        while (!c.AtEnd() && c.Peek() != first)
            ++c.pos;
        if (c.AtEnd())
            return false;
        span.valueEnd = c.pos++;
    } else {
        span.valueBegin = c.pos;
        while (!c.AtEnd() && !IsSpace(c.Peek()) && c.Peek() != '>')
            ++c.pos;
        span.valueEnd = c.pos;
    }
    span.end = c.pos;
    return true;
}

std::optional<TagToken> ReadStartTag(Cursor& c, TagToken tag, std::vector<AttributeSpan>* attributes) {
    AttributeSpan span;
    while (true) {
        c.SkipSpace();
        if (c.AtEnd())
            return std::nullopt;
        if (c.Peek() == '>') {
            tag.end = c.pos + 1;
            return tag;
        }
        if (c.Starts("/>")) {
            tag.selfClosing = true;
            tag.end = c.pos + 2;
            return tag;
        }
        if (c.Peek() == '/') { // a stray slash, as in <BR/ >
            ++c.pos;
            continue;
        }
        // NAME="a"B=c is two attributes run together, as a browser reads it: only a missing '>',
        // a stray quote or a '<' breaks the tag.
        if (!ReadAttribute(c, span))
            return std::nullopt;
        if (attributes)
            attributes->push_back(span);
    }
}

} // namespace

bool IsNameChar(char c) {
    return IsLetter(c) || (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.' || c == ':';
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}

std::optional<TagToken> ReadTag(std::string_view text, std::size_t at, std::size_t limit,
                                std::vector<AttributeSpan>* attributes) {
    if (at >= text.size() || text[at] != '<')
        return std::nullopt;
    Cursor c{text, at + 1, std::min(text.size(), at + std::max<std::size_t>(limit, 1))};
    TagToken tag;
    tag.begin = at;
    if (c.Starts("!--")) {
        tag.kind = TagKind::Comment;
        c.pos += 3;
        tag.nameBegin = tag.nameEnd = c.pos;
        if (!c.SkipPast("-->"))
            return std::nullopt;
        tag.end = c.pos;
        return tag;
    }
    if (c.Peek() == '!' || c.Peek() == '?') {
        tag.kind = c.Peek() == '!' ? TagKind::Declaration : TagKind::Instruction;
        tag.nameBegin = tag.nameEnd = ++c.pos;
        if (!SkipToClose(c))
            return std::nullopt;
        tag.end = c.pos;
        return tag;
    }
    const bool endTag = c.Peek() == '/';
    if (endTag)
        ++c.pos;
    if (!IsLetter(c.Peek()))
        return std::nullopt;
    tag.kind = endTag ? TagKind::End : TagKind::Start;
    tag.nameBegin = c.pos;
    while (!c.AtEnd() && IsNameChar(c.Peek()))
        ++c.pos;
    tag.nameEnd = c.pos;
    const char after = c.Peek();
    if (!(IsSpace(after) || after == '>' || after == '/'))
        return std::nullopt;
    if (endTag) {
        if (!SkipToClose(c))
            return std::nullopt;
        tag.end = c.pos;
        return tag;
    }
    return ReadStartTag(c, tag, attributes);
}

} // namespace razo::markup
