#include "core/elements/Html5Common.h"

#include <algorithm>

#include "core/dialogs/DataExchange.h"
#include "core/markup/TagSyntax.h"

namespace razo {

namespace {

using namespace html5;

bool IsAsciiSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f';
}

bool IsAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

void DDV_Refuse(CDataExchange& dx, bool refused, const char* message) {
    if (dx.Saving() && !dx.SkipsLastControl() && refused)
        dx.Refuse(dx.LastControl(), message);
}

} // namespace

std::vector<ControlTemplate> CommonControls(CommonFields which) {
    const bool withTitle = which == CommonFields::All;
    std::vector<ControlTemplate> controls = {
        GroupBox("Common attributes", withTitle ? 5 : 4),
        Edit(IdId, "ID:").Width(150).Help("A name for the element unique in the page, without blanks."),
        Edit(IdClass, "Class:")
            .Width(150)
            .Help("Class names for style sheets and scripts, separated by blanks."),
        Edit(IdLang, "Language:")
            .Width(60)
            .Help("The language of the element's content when it differs from the page's, such as en or "
                  "pt-BR."),
    };
    if (withTitle)
        controls.push_back(
            Edit(IdTitle, "Title:").Width(150).Help("Advisory text a browser shows as a tooltip."));
    controls.push_back(Edit(IdOtherAttributes, "Other attributes:")
                           .Width(150)
                           .Help("Any further attributes, written as typed after the others, such as "
                                 "data-id=\"7\" hidden."));
    return controls;
}

std::vector<ControlTemplate> WithCommonControls(std::vector<ControlTemplate> own, CommonFields which) {
    for (ControlTemplate& control : CommonControls(which))
        own.push_back(std::move(control));
    return own;
}

bool IsLanguageTag(std::string_view text) {
    std::size_t at = 0;
    bool first = true;
    while (true) {
        const std::size_t end = std::min(text.find('-', at), text.size());
        const std::string_view part = text.substr(at, end - at);
        if (part.empty() || part.size() > 8)
            return false;
        for (char c : part)
            if (!IsAsciiLetter(c) && (first || !IsAsciiDigit(c)))
                return false;
        if (end == text.size())
            return true;
        first = false;
        at = end + 1;
    }
}

void DDV_LanguageTag(CDataExchange& dx, const std::string& value) {
    DDV_Refuse(dx, !value.empty() && !IsLanguageTag(value), messages::NotALanguage);
}

bool IsAttributeList(std::string_view text) {
    const std::string tagText = "<X " + std::string(text) + ">";
    std::vector<markup::AttributeSpan> spans;
    const auto tag = markup::ReadTag(tagText, 0, tagText.size(), &spans);
    if (!tag || tag->kind != markup::TagKind::Start || tag->selfClosing || tag->end != tagText.size())
        return false;
    // Blanks and nothing else between the attributes: no stray slash, none run together.
    std::size_t at = tag->nameEnd;
    for (const markup::AttributeSpan& span : spans) {
        const std::string_view gap = std::string_view(tagText).substr(at, span.begin - at);
        if (gap.empty() || !std::all_of(gap.begin(), gap.end(), IsAsciiSpace))
            return false;
        at = span.end;
    }
    const std::string_view tail = std::string_view(tagText).substr(at, tagText.size() - 1 - at);
    return std::all_of(tail.begin(), tail.end(), IsAsciiSpace);
}

void DDX_CommonAttributes(CDataExchange& dx, CommonAttributes& common, CommonFields which) {
    DDX_Text(dx, IdId, common.m_strId);
    DDV_Refuse(
        dx, std::find_if(common.m_strId.begin(), common.m_strId.end(), IsAsciiSpace) != common.m_strId.end(),
        messages::IdWithBlanks);
    DDX_Text(dx, IdClass, common.m_strClass);
    DDX_Text(dx, IdLang, common.m_strLang);
    DDV_LanguageTag(dx, common.m_strLang);
    if (which == CommonFields::All)
        DDX_Text(dx, IdTitle, common.m_strTitle);
    DDX_Text(dx, IdOtherAttributes, common.m_strOther);
    DDV_Refuse(dx, !IsAttributeList(common.m_strOther), messages::NotAttributes);
}

} // namespace razo
