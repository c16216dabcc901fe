#pragma once
#include <string>

#include "core/dialogs/DialogBase.h"
#include "core/elements/AttributeRows.h"
#include "core/elements/ElementServices.h"

namespace razo {

class ElementRegistry;
struct BuildContext;

// The controls of the form dialogs.
namespace forms {
enum Control : int {
    IdEncodeType = 1062,
    IdMethodPost = 1101, // first of the method group
    IdMethodGet = 1100,
    IdFormUrl = 1111,
    IdFormBrowse = 1099,
    IdTarget = 1179,

    IdInputType = 1045,
    IdName = 1050,
    IdValue = 1026,
    IdChecked = 1065,
    IdSize = 1103,
    IdMaxLength = 1069,
    IdAlignment = 1029,
    IdImageSrc = 1002,
    IdImageBrowse = 1003,

    IdMultiple = 1070,
    IdNumberShown = 1105,
    IdSelected = 1071,
    IdRows = 1072,
    IdColumns = 1073,
};
} // namespace forms

class CFormDialog : public DialogBase<CFormDialog> {
public:
    CFormDialog() = default;
    enum { IDD = 168 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CFormDialog>& Rows();
    void DoDataExchange(CDataExchange& dx) override;

    std::string m_strEncodeType;
    int m_nMethod = -1; // 0 POST, 1 GET, -1 none
    std::string m_strFormUrl;

protected:
    explicit CFormDialog(const DialogTemplate& shown) : DialogBase(shown) {}
};

// The form with a target frame.
class CFormNetscapeDialog : public DialogBase<CFormNetscapeDialog, CFormDialog> {
public:
    enum { IDD = 217 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CFormNetscapeDialog>& Rows();
    void DoDataExchange(CDataExchange& dx) override;

    std::string m_strTarget;
};

// The input type decides which of the other fields apply; the rest are greyed.
class CFormInputDialog : public DialogBase<CFormInputDialog> {
public:
    enum { IDD = 170 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CFormInputDialog>& Rows();
    void DoDataExchange(CDataExchange& dx) override;
    // A type read from the page opens with its fields enabled.
    void OnInitDialog(DialogHost& host) override;
    void OnFieldChanged(int id, DialogHost& host) override;

    std::string m_strAlignment;
    int m_bChecked = 0;
    std::string m_strInputType;
    std::string m_strValue;
    std::string m_strImageSrc;
    std::string m_strSize;
    std::string m_strMaxLength;
    std::string m_strName;
};

class CFormSelectDialog : public DialogBase<CFormSelectDialog> {
public:
    enum { IDD = 171 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CFormSelectDialog>& Rows();
    void DoDataExchange(CDataExchange& dx) override;

    int m_bMultiple = 0;
    std::string m_strName;
    std::string m_strNumberShown;
};

class CFormOptionDialog : public DialogBase<CFormOptionDialog> {
public:
    enum { IDD = 172 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CFormOptionDialog>& Rows();
    void DoDataExchange(CDataExchange& dx) override;

    int m_bSelected = 0;
    std::string m_strValue;
};

class CFormTextAreaDialog : public DialogBase<CFormTextAreaDialog> {
public:
    enum { IDD = 173 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CFormTextAreaDialog>& Rows();
    void DoDataExchange(CDataExchange& dx) override;

    std::string m_strRows;
    std::string m_strColumns;
    std::string m_strName;
};

// Whether a field of the input dialog applies to an input type (exact, case-sensitive names).
bool InputFieldApplies(int id, const std::string& type);

TagPair BuildForm(const CFormDialog& dialog, const BuildContext& context);
TagPair BuildFormNetscape(const CFormNetscapeDialog& dialog, const BuildContext& context);
TagPair BuildFormInput(const CFormInputDialog& dialog, const BuildContext& context);
TagPair BuildFormSelect(const CFormSelectDialog& dialog);
TagPair BuildFormOption(const CFormOptionDialog& dialog);
TagPair BuildFormTextArea(const CFormTextAreaDialog& dialog);

// FORM (and its variant with a target), INPUT, SELECT, OPTION and TEXTAREA.
void RegisterFormFamily(ElementRegistry& registry);

namespace messages {
inline constexpr const char* MustSpecifyName = "You must specify a name.";
} // namespace messages

} // namespace razo
