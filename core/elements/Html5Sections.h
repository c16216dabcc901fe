#pragma once
#include <string>

#include "core/dialogs/DialogBase.h"
#include "core/elements/AttributeRows.h"
#include "core/elements/ElementServices.h"
#include "core/elements/Html5Common.h"

namespace razo {

class ElementRegistry;

namespace html5 {
enum SectionControl : int {
    IdSectionElement = 3010, // the label that names the element
    IdCaption = 3011,
    IdSummary = 3012,
    IdOpen = 3013,
};
} // namespace html5

// The sectioning elements in one dialog: HEADER, NAV, MAIN, ARTICLE, SECTION, ASIDE, FOOTER,
// ADDRESS, FIGURE (with a caption), DETAILS (with its summary) and HGROUP. The command chooses
// the element; the caption and the summary apply to their element only.
class CSectionDialog : public DialogBase<CSectionDialog> {
public:
    enum { IDD = 300 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CSectionDialog>& Rows();
    explicit CSectionDialog(std::string element = "SECTION") : m_strElement(std::move(element)) {}
    void DoDataExchange(CDataExchange& dx) override;
    void OnInitDialog(DialogHost& host) override;

    std::string m_strElement;
    std::string m_strCaption; // FIGURE: its FIGCAPTION, after the content
    std::string m_strSummary; // DETAILS: its SUMMARY, before the content
    int m_bOpen = 0;          // DETAILS
    CommonAttributes m_common;
};

TagPair BuildSection(const CSectionDialog& dialog);

// The HTML5 sectioning elements.
void RegisterSectionFamily(ElementRegistry& registry);

} // namespace razo
