#pragma once
#include <string>
#include <vector>

#include "core/dialogs/DialogBase.h"
#include "core/elements/AttributeRows.h"
#include "core/elements/ElementServices.h"

namespace razo {

class ElementRegistry;

// The controls of the table dialogs. Some ids mean different fields in different dialogs (1077 is
// the cell padding of a table and the columns spanned of a cell), as in the classic templates.
namespace tables {
enum Control : int {
    IdAlign = 1029,
    IdVAlign = 1032,
    IdWidth = 1011,
    IdPercent = 1054,
    IdCellPadding = 1077,
    IdCellSpacing = 1075,
    IdBorder = 1222,
    IdBorderWidth = 1074,
    IdCaption = 1076,
    IdCaptionAlign = 1031,
    IdNoWrap = 1030,
    IdColSpan = 1077,
    IdRowSpan = 1078,
    // The colour block of the Microsoft dialogs: name list, number, Select, sample per row.
    IdBackgroundName = 1242,
    IdBackgroundNumber = 1237,
    IdBackgroundSelect = 1238,
    IdBackgroundSample = 1246,
    IdBorderColourName = 1243,
    IdBorderColourNumber = 1043,
    IdBorderColourSelect = 1239,
    IdBorderColourSample = 1046,
    IdLightName = 1244,
    IdLightNumber = 1044,
    IdLightSelect = 1240,
    IdLightSample = 1047,
    IdDarkName = 1245,
    IdDarkNumber = 1049,
    IdDarkSelect = 1241,
    IdDarkSample = 1048,
};
} // namespace tables

// The "Colour Specification" block the three Microsoft table dialogs share: four colour rows,
// written as BGCOLOR, BORDERCOLOR, BORDERCOLORLIGHT and BORDERCOLORDARK.
class CTableColours {
public:
    enum Row { Background, Border, Light, Dark, RowCount };

    static const std::vector<ColourFieldSpec>& Fields();
    // Adds the block's controls (a group box round the four rows) and colour fields to a template.
    static DialogTemplate& AddTo(DialogTemplate& dialogTemplate);

    void DoDataExchange(CDataExchange& dx);
    // The four attributes in the order above; a chosen name wins over a number.
    std::string Attributes() const;

    std::string m_strName[RowCount];
    std::string m_strNumber[RowCount];
};

class CTableDialog : public DialogBase<CTableDialog> {
public:
    enum { IDD = 175 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CTableDialog>& Rows();
    void DoDataExchange(CDataExchange& dx) override;

    std::string m_strAlign;
    std::string m_strWidth;
    int m_bPercent = 0;
    std::string m_strCellPadding;
    std::string m_strCellSpacing;
    int m_bBorder = 0;
    std::string m_strBorderWidth;
    std::string m_strCaption;
    std::string m_strCaptionAlign;
};

class CTableRowDialog : public DialogBase<CTableRowDialog> {
public:
    enum { IDD = 176 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CTableRowDialog>& Rows();
    void DoDataExchange(CDataExchange& dx) override;

    std::string m_strAlign;
    std::string m_strVAlign;
};

// TH and TD share each cell dialog; `element` is the tag name the command writes.
class CTableCellDialog : public DialogBase<CTableCellDialog> {
public:
    enum { IDD = 177 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CTableCellDialog>& Rows();
    explicit CTableCellDialog(std::string element) : m_strElement(std::move(element)) {}
    void DoDataExchange(CDataExchange& dx) override;

    const std::string m_strElement;
    std::string m_strAlign;
    int m_bNoWrap = 0;
    std::string m_strColSpan;
    std::string m_strRowSpan;
    std::string m_strVAlign;
};

class CTableCellNetscapeDialog : public DialogBase<CTableCellNetscapeDialog> {
public:
    enum { IDD = 180 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CTableCellNetscapeDialog>& Rows();
    explicit CTableCellNetscapeDialog(std::string element) : m_strElement(std::move(element)) {}
    void DoDataExchange(CDataExchange& dx) override;

    const std::string m_strElement;
    std::string m_strAlign;
    int m_bNoWrap = 0;
    std::string m_strVAlign;
    int m_bPercent = 0;
    std::string m_strColSpan;
    std::string m_strRowSpan;
    std::string m_strWidth;
};

class CTableMicrosoftDialog : public DialogBase<CTableMicrosoftDialog> {
public:
    enum { IDD = 191 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CTableMicrosoftDialog>& Rows();
    void DoDataExchange(CDataExchange& dx) override;

    std::string m_strAlign;
    std::string m_strBorderWidth;
    std::string m_strCaption;
    std::string m_strWidth;
    std::string m_strVAlign;
    int m_bBorder = 0;
    std::string m_strCellPadding;
    std::string m_strCellSpacing;
    int m_bPercent = 0;
    std::string m_strCaptionAlign;
    CTableColours m_colours;
};

class CTableRowMicrosoftDialog : public DialogBase<CTableRowMicrosoftDialog> {
public:
    enum { IDD = 223 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CTableRowMicrosoftDialog>& Rows();
    void DoDataExchange(CDataExchange& dx) override;

    std::string m_strAlign;
    std::string m_strBorderWidth;
    std::string m_strVAlign;
    CTableColours m_colours;
};

class CTableCellMicrosoftDialog : public DialogBase<CTableCellMicrosoftDialog> {
public:
    enum { IDD = 192 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CTableCellMicrosoftDialog>& Rows();
    explicit CTableCellMicrosoftDialog(std::string element) : m_strElement(std::move(element)) {}
    void DoDataExchange(CDataExchange& dx) override;

    const std::string m_strElement;
    std::string m_strAlign;
    int m_bNoWrap = 0;
    std::string m_strVAlign;
    std::string m_strRowSpan;
    std::string m_strColSpan;
    std::string m_strBorderWidth;
    CTableColours m_colours;
};

TagPair BuildTable(const CTableDialog& dialog);
TagPair BuildTableRow(const CTableRowDialog& dialog);
TagPair BuildTableCell(const CTableCellDialog& dialog);
TagPair BuildTableCellNetscape(const CTableCellNetscapeDialog& dialog);
TagPair BuildTableMicrosoft(const CTableMicrosoftDialog& dialog);
TagPair BuildTableRowMicrosoft(const CTableRowMicrosoftDialog& dialog);
TagPair BuildTableCellMicrosoft(const CTableCellMicrosoftDialog& dialog);

// Tables, rows and cells in the HTML 3.2, Netscape and Microsoft sets.
void RegisterTableFamily(ElementRegistry& registry);

} // namespace razo
