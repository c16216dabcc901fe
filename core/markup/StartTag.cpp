#include "core/markup/StartTag.h"

#include "core/markup/TagSyntax.h"

namespace razo::markup {

int StartTag::Find(std::string_view wanted, const std::vector<bool>& taken) const {
    for (std::size_t i = 0; i < attributes.size(); ++i)
        if (!(i < taken.size() && taken[i]) && SameName(attributes[i].name, wanted))
            return int(i);
    return -1;
}

std::optional<StartTag> ParseStartTag(std::string_view text) {
    std::vector<AttributeSpan> spans;
    const auto tag = ReadTag(text, 0, text.size(), &spans);
    if (!tag || tag->kind != TagKind::Start || tag->end != text.size())
        return std::nullopt;
    StartTag parsed;
    parsed.name = std::string(tag->Name(text));
    parsed.selfClosing = tag->selfClosing;
    for (const AttributeSpan& span : spans) {
        WrittenAttribute attribute;
        attribute.name = std::string(text.substr(span.begin, span.nameEnd - span.begin));
        attribute.value = std::string(text.substr(span.valueBegin, span.valueEnd - span.valueBegin));
        attribute.quote = span.quote;
        attribute.hasValue = span.hasValue;
        attribute.text = std::string(text.substr(span.begin, span.end - span.begin));
        parsed.attributes.push_back(std::move(attribute));
    }
    return parsed;
}

} // namespace razo::markup
