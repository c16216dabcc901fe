#include "core/markup/MarkupStyle.h"

#include <vector>

#include "core/markup/TagSyntax.h"

namespace razo::markup {

namespace {

std::string Lowered(std::string_view name) {
    std::string lowered(name);
    for (char& c : lowered)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return lowered;
}

std::string Name(std::string_view name, MarkupStyle style) {
    return style.lowerCaseNames ? Lowered(name) : std::string(name);
}

// One start or end tag in `style`; what lies between its names and values is copied.
std::string StyledTag(std::string_view text, const TagToken& tag,
                      const std::vector<AttributeSpan>& attributes, MarkupStyle style) {
    std::string out(text.substr(tag.begin, tag.nameBegin - tag.begin));
    out += Name(tag.Name(text), style);
    std::size_t at = tag.nameEnd;
    for (const AttributeSpan& a : attributes) {
        out += text.substr(at, a.begin - at);
        out += Name(text.substr(a.begin, a.nameEnd - a.begin), style);
        const std::string_view value = text.substr(a.valueBegin, a.valueEnd - a.valueBegin);
        const bool bothQuotes = value.find('"') != value.npos && value.find('\'') != value.npos;
        if (a.hasValue && a.quote == 0 && style.quoteEveryValue && !bothQuotes) {
            const char quote = value.find('"') == std::string_view::npos ? '"' : '\'';
            out += text.substr(a.nameEnd, a.valueBegin - a.nameEnd);
            out += quote + std::string(value) + quote;
        } else {
            out += text.substr(a.nameEnd, a.end - a.nameEnd);
        }
        at = a.end;
    }
    out += text.substr(at, tag.end - at);
    return out;
}

} // namespace

std::string ApplyMarkupStyle(std::string_view text, MarkupStyle style) {
    if (!style.Changes())
        return std::string(text);
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    std::size_t copied = 0;
    for (std::size_t at = text.find('<'); at != std::string_view::npos; at = text.find('<', at)) {
        std::vector<AttributeSpan> attributes;
        const auto tag = ReadTag(text, at, text.size() - at, &attributes);
        if (!tag) {
            ++at;
            continue;
        }
        out += text.substr(copied, at - copied);
        if (tag->kind == TagKind::Start || tag->kind == TagKind::End)
            out += StyledTag(text, *tag, attributes, style);
        else
            out += text.substr(tag->begin, tag->end - tag->begin);
        copied = at = tag->end;
    }
    out += text.substr(copied);
    return out;
}

} // namespace razo::markup
