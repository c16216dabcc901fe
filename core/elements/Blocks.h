#pragma once
#include <optional>
#include <string>

#include "dialogs/Dialog.h"
#include "dialogs/ExpandDialog.h"
#include "elements/ElementServices.h"

namespace razo {

class CRazoView;

// Headings H1 to H6: every field belongs to the HTML 3.2 part.
class CHeadingDialog : public CExpandDialog {
public:
    enum { IDD = 139 };
    static const DialogTemplate& TemplateData();
    explicit CHeadingDialog(IniProfile& profile) : CExpandDialog(TemplateData(), profile) {}
    void DoDataExchange(CDataExchange& dx) override;

    std::string m_strAlign;
};

class CParagraphDialog : public CExpandDialog {
public:
    enum { IDD = 140 };
    static const DialogTemplate& TemplateData();
    explicit CParagraphDialog(IniProfile& profile) : CExpandDialog(TemplateData(), profile) {}
    void DoDataExchange(CDataExchange& dx) override;

    std::string m_strAlign;
};

class CPreformattedDialog : public CDialog {
public:
    enum { IDD = 141 };
    static const DialogTemplate& TemplateData();
    CPreformattedDialog() : CDialog(TemplateData()) {}
    void DoDataExchange(CDataExchange& dx) override;

    std::string m_strWidth;
};

class CLineBreakDialog : public CExpandDialog {
public:
    enum { IDD = 137 };
    static const DialogTemplate& TemplateData();
    explicit CLineBreakDialog(IniProfile& profile) : CExpandDialog(TemplateData(), profile) {}
    void DoDataExchange(CDataExchange& dx) override;

    std::string m_strClear;
};

class CHorizontalRuleDialog : public CExpandDialog {
public:
    enum { IDD = 158 };
    static const DialogTemplate& TemplateData();
    explicit CHorizontalRuleDialog(IniProfile& profile) : CExpandDialog(TemplateData(), profile) {}
    void DoDataExchange(CDataExchange& dx) override;

    int m_bNoShade = 0;
    int m_bPercent = 0;
    std::string m_strAlign;
    std::string m_strSize;
    std::string m_strWidth;
};

class CDivisionDialog : public CDialog {
public:
    enum { IDD = 163 };
    static const DialogTemplate& TemplateData();
    CDivisionDialog() : CDialog(TemplateData()) {}
    void DoDataExchange(CDataExchange& dx) override;

    std::string m_strAlign;
};

class CDocumentTypeDialog : public CDialog {
public:
    enum { IDD = 186 };
    static const DialogTemplate& TemplateData();
    CDocumentTypeDialog() : CDialog(TemplateData()) {}
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

// The view handlers. OnDocumentType is also the first step of the standard tags.
void OnHeading(CRazoView& view, ElementServices& services, int level);
void OnParagraph(CRazoView& view, ElementServices& services);
void OnPreformatted(CRazoView& view, ElementServices& services);
void OnLineBreak(CRazoView& view, ElementServices& services);
void OnHorizontalRule(CRazoView& view, ElementServices& services);
void OnDivision(CRazoView& view, ElementServices& services);
void OnDocumentType(CRazoView& view, ElementServices& services);

void RegisterBlockCommands(CRazoView& view, ElementServices& services);

} // namespace razo
