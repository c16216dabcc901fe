#pragma once
#include <string>

#include "core/dialogs/DialogBase.h"
#include "core/elements/AttributeRows.h"
#include "core/elements/ElementServices.h"
#include "core/elements/Html5Common.h"

namespace razo {

class ElementRegistry;
class SystemInfo;

namespace html5 {
enum TextControl : int {
    IdDateTime = 3030,
    IdNow = 3031,
    IdExpansion = 3032,
    IdValue = 3033,
    IdQuoteSource = 3034,
    IdQuoteBrowse = 3035,
};
} // namespace html5

namespace messages {
inline constexpr const char* NotIsoDateTime =
    "Please enter a date or time in ISO 8601 form, such as 2026-05-01, 14:30 or 2026-05-01T14:30+02:00.";
} // namespace messages

// <TIME DATETIME=...>: the machine-readable moment of the text; "Now" fills in the present one.
class CTimeDialog : public DialogBase<CTimeDialog> {
public:
    enum { IDD = 302 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CTimeDialog>& Rows();
    CTimeDialog() = default;
    explicit CTimeDialog(const ElementServices& services) : m_system(&services.system) {}
    void DoDataExchange(CDataExchange& dx) override;
    void OnInitDialog(DialogHost& host) override;
    void OnFieldChanged(int id, DialogHost& host) override;

    std::string m_strDateTime;
    CommonAttributes m_common;

private:
    const SystemInfo* m_system = nullptr;
};

// <ABBR TITLE=...>: the abbreviation's full form is its TITLE.
class CAbbreviationDialog : public DialogBase<CAbbreviationDialog> {
public:
    enum { IDD = 303 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CAbbreviationDialog>& Rows();
    void DoDataExchange(CDataExchange& dx) override;

    std::string m_strExpansion;
    CommonAttributes m_common;
};

// <DATA VALUE=...>: the machine-readable value of the text, which the element requires.
class CDataDialog : public DialogBase<CDataDialog> {
public:
    enum { IDD = 304 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CDataDialog>& Rows();
    void DoDataExchange(CDataExchange& dx) override;

    std::string m_strValue;
    CommonAttributes m_common;
};

// <Q CITE=...>: a short quotation and the address of its source.
class CQuotationDialog : public DialogBase<CQuotationDialog> {
public:
    enum { IDD = 305 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CQuotationDialog>& Rows();
    void DoDataExchange(CDataExchange& dx) override;

    std::string m_strCite;
    CommonAttributes m_common;
};

TagPair BuildTime(const CTimeDialog& dialog);
TagPair BuildAbbreviation(const CAbbreviationDialog& dialog);
TagPair BuildData(const CDataDialog& dialog);
TagPair BuildQuotation(const CQuotationDialog& dialog, const BuildContext& context);

// The HTML5 text-level elements that have attributes; the plain ones are fixed tags.
void RegisterTextFamily(ElementRegistry& registry);

} // namespace razo
