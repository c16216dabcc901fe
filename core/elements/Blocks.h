#pragma once
#include <optional>
#include <string>

#include "core/dialogs/DialogBase.h"
#include "core/dialogs/ExpandDialog.h"
#include "core/elements/AttributeRows.h"
#include "core/elements/ElementServices.h"

namespace razo {

class ElementRegistry;

// The controls of the heading, paragraph and block dialogs.
namespace blocks {
enum Control : int {
    IdAlign = 1029,
    IdClear = 1052,
    IdWidth = 1011,
    IdNoShade = 1053,
    IdPercent = 1054,
    IdSize = 1102,
    IdDocType = 1123,
};
} // namespace blocks

// Headings H1 to H6: every field belongs to the HTML 3.2 part.
class CHeadingDialog : public DialogBase<CHeadingDialog, CExpandDialog> {
public:
    enum { IDD = 139 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CHeadingDialog>& Rows();
    using DialogBase::DialogBase;
    // The command's level, 1 to 6: the H1 to H6 the dialog edits.
    CHeadingDialog(IniProfile& profile, int level) : DialogBase(profile), m_nLevel(level) {}
    void DoDataExchange(CDataExchange& dx) override;

    std::string m_strAlign;
    int m_nLevel = 1;
};

class CParagraphDialog : public DialogBase<CParagraphDialog, CExpandDialog> {
public:
    enum { IDD = 140 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CParagraphDialog>& Rows();
    using DialogBase::DialogBase;
    void DoDataExchange(CDataExchange& dx) override;

    std::string m_strAlign;
};

class CPreformattedDialog : public DialogBase<CPreformattedDialog> {
public:
    enum { IDD = 141 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CPreformattedDialog>& Rows();
    void DoDataExchange(CDataExchange& dx) override;

    std::string m_strWidth;
};

class CLineBreakDialog : public DialogBase<CLineBreakDialog, CExpandDialog> {
public:
    enum { IDD = 137 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CLineBreakDialog>& Rows();
    using DialogBase::DialogBase;
    void DoDataExchange(CDataExchange& dx) override;

    std::string m_strClear;
};

class CHorizontalRuleDialog : public DialogBase<CHorizontalRuleDialog, CExpandDialog> {
public:
    enum { IDD = 158 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CHorizontalRuleDialog>& Rows();
    using DialogBase::DialogBase;
    void DoDataExchange(CDataExchange& dx) override;

    int m_bNoShade = 0;
    int m_bPercent = 0;
    std::string m_strAlign;
    std::string m_strSize;
    std::string m_strWidth;
};

class CDivisionDialog : public DialogBase<CDivisionDialog> {
public:
    enum { IDD = 163 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CDivisionDialog>& Rows();
    void DoDataExchange(CDataExchange& dx) override;

    std::string m_strAlign;
};

class CDocumentTypeDialog : public DialogBase<CDocumentTypeDialog> {
public:
    enum { IDD = 186 };
    static DialogTemplate MakeTemplate();
    CDocumentTypeDialog() = default;
    // Opens on the default document type Preferences stored.
    explicit CDocumentTypeDialog(const IniProfile& profile);
    void DoDataExchange(CDataExchange& dx) override;

    std::string m_strDocType;
};

// The texts built from a confirmed dialog; `expanded` is what SaveLayoutChoice returned.
TagPair BuildHeading(int level, const CHeadingDialog& dialog, bool expanded);
TagPair BuildParagraph(const CParagraphDialog& dialog, bool expanded);
TagPair BuildPreformatted(const CPreformattedDialog& dialog);
TagPair BuildLineBreak(const CLineBreakDialog& dialog, bool expanded);
TagPair BuildHorizontalRule(const CHorizontalRuleDialog& dialog, bool expanded);
TagPair BuildDivision(const CDivisionDialog& dialog);
// Nothing for "(None)" or no choice.
std::optional<TagPair> BuildDocumentType(const CDocumentTypeDialog& dialog);

// Headings, paragraphs, pre-formatted text, line breaks, rules, divisions and the document type.
void RegisterBlockFamily(ElementRegistry& registry);

} // namespace razo
