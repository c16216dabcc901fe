#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "core/dialogs/DialogTemplate.h"
#include "core/elements/AttributeRows.h"

namespace razo {

class CDataExchange;

// What every HTML5 element dialog has: the attributes any element takes (ID, CLASS, LANG, TITLE)
// and a free field for the others, as a group at the end of the dialog. A dialog embeds
// CommonAttributes as `m_common`, ends its template with CommonControls(), its exchange with
// DDX_CommonAttributes and its rows with CommonRows<D>().

namespace html5 {
enum CommonControl : int {
    IdId = 3000,
    IdClass = 3001,
    IdLang = 3002,
    IdTitle = 3003,
    IdOtherAttributes = 3004,
};
} // namespace html5

namespace messages {
inline constexpr const char* IdWithBlanks = "Please enter an ID without blanks.";
inline constexpr const char* NotALanguage = "Please enter a language tag such as en or pt-BR.";
inline constexpr const char* NotAttributes =
    "Please enter attributes in the form name=\"value\", separated by blanks.";
} // namespace messages

struct CommonAttributes {
    std::string m_strId;
    std::string m_strClass;
    std::string m_strLang;
    std::string m_strTitle;
    std::string m_strOther; // written as typed after every other attribute
};

// A dialog whose own field writes TITLE (an abbreviation's full form) leaves the common one out.
enum class CommonFields { All, WithoutTitle };

// The common fields, a group box and its edits, to end a dialog's controls with.
std::vector<ControlTemplate> CommonControls(CommonFields which = CommonFields::All);
// `own` followed by the common fields.
std::vector<ControlTemplate> WithCommonControls(std::vector<ControlTemplate> own,
                                                CommonFields which = CommonFields::All);

// Exchanges the common fields and refuses an ID with blanks, a language that is no language tag
// and other attributes that do not read as attributes.
void DDX_CommonAttributes(CDataExchange& dx, CommonAttributes& common,
                          CommonFields which = CommonFields::All);

// A language tag: letters, then groups of letters and digits, joined by hyphens ("en", "pt-BR",
// "zh-Hant-TW").
bool IsLanguageTag(std::string_view text);
void DDV_LanguageTag(CDataExchange& dx, const std::string& value);
// Text that reads as blank-separated attributes of a start tag, and nothing else.
bool IsAttributeList(std::string_view text);

namespace html5 {

using CommonText = std::string CommonAttributes::*;

// A common attribute: in double quotes, or (LANG) without them while that is safe.
template <class D> AttributeRow<D> CommonRow(std::string name, CommonText field, int control, bool quoted) {
    AttributeRow<D> row = rows::MakeRow<D>(name, control);
    row.write = [name, field, quoted](const D& d, const BuildContext*, Tag& tag) {
        const std::string& value = d.m_common.*field;
        quoted ? tag.Quoted(name, value) : tag.Attr(name, value);
    };
    row.read = [field, quoted](D& d, const markup::WrittenAttribute& a) {
        if (!quoted && !a.hasValue)
            return false;
        d.m_common.*field = a.value;
        return true;
    };
    return row;
}

} // namespace html5

// The rows of the common fields, in the order they are written: ID, CLASS, LANG, TITLE, then the
// other attributes as typed. On Edit Tag the last row takes whatever no earlier row took.
template <class D> std::vector<AttributeRow<D>> CommonRows(CommonFields which = CommonFields::All) {
    using namespace html5;
    std::vector<AttributeRow<D>> common = {
        CommonRow<D>("ID", &CommonAttributes::m_strId, IdId, true),
        CommonRow<D>("CLASS", &CommonAttributes::m_strClass, IdClass, true),
        CommonRow<D>("LANG", &CommonAttributes::m_strLang, IdLang, false),
    };
    if (which == CommonFields::All)
        common.push_back(CommonRow<D>("TITLE", &CommonAttributes::m_strTitle, IdTitle, true));
    common.push_back(rows::Rest<D>(
        [](auto& d) -> auto& { return d.m_common.m_strOther; }, IdOtherAttributes));
    return common;
}

// `own` rows followed by the common ones.
template <class D>
std::vector<AttributeRow<D>> WithCommonRows(std::vector<AttributeRow<D>> own,
                                            CommonFields which = CommonFields::All) {
    for (AttributeRow<D>& row : CommonRows<D>(which))
        own.push_back(std::move(row));
    return own;
}

} // namespace razo
