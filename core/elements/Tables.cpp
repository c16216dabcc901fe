#include "core/elements/Tables.h"

#include "core/dialogs/Colours.h"
#include "core/dialogs/DataExchange.h"
#include "core/elements/AttributeRows.h"
#include "core/elements/ElementFields.h"
#include "core/elements/ElementRegistry.h"
#include "core/elements/Markup.h"
#include "core/resources/CommandIds.h"

namespace razo {

namespace {

using namespace tables;

constexpr int MaxSpan = 1000;
constexpr const char* TableEnd = "</TABLE>\r\n";

ControlTemplate Percent() {
    return CheckBox(IdPercent, "in percentage")
        .TextOnLeft()
        .Beside()
        .Help("Makes the width a percentage of the space available.");
}

ControlTemplate NoWrap(const char* caption) {
    return CheckBox(IdNoWrap, caption).Help("Keeps the cell's text on one line.");
}

// The border box and the width edit beside it.
std::vector<ControlTemplate> BorderRow() {
    return {CheckBox(IdBorder, "Border width (in pixels):")
                .Help("Draws a border round the table and its cells; with no width given the browser's "
                      "own."),
            Edit(IdBorderWidth, "").Beside().Width(30).Help("The border's width in pixels; 0 for none.")};
}

constexpr const char* TableInserts =
    "A table: <TABLE> and a caption in front of the selection, </TABLE> after it.";

std::vector<ControlTemplate> Join(std::vector<std::vector<ControlTemplate>> parts) {
    std::vector<ControlTemplate> all;
    for (auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

// The fields of both table dialogs: `more` (the Microsoft one's vertical alignment) after the
// alignment, and the alignments the caption may take.
std::vector<ControlTemplate> TableFields(std::vector<ControlTemplate> more,
                                         std::vector<std::string> captionAligns) {
    return Join(
        {{Alignment(IdAlign, "Alignment:", {"left", "right"}, "Where the table sits; text flows round it.")},
         std::move(more),
         {Number(IdWidth, "Table width:", "The table's width in pixels, or in percent of the page."),
          Percent(),
          Number(IdCellPadding, "Cell padding (in pixels):", "Room between a cell's border and its text."),
          Number(IdCellSpacing, "Cell spacing (in pixels):", "Room between neighbouring cells.")},
         BorderRow(),
         {Edit(IdCaption, "Caption:").Width(150).Help("A caption for the table; leave it empty for none."),
          Alignment(IdCaptionAlign, "Caption alignment:", std::move(captionAligns),
                    "Where the caption goes; only with a caption.")}});
}

// Ticked with no width: the bare keyword; unticked: nothing, whatever the width says.
template <class D> AttributeRow<D> BorderBox() {
    return rows::Custom<D>(
        "BORDER",
        [](const D& d, const BuildContext*, Tag& tag) {
            if (d.m_bBorder)
                tag.Raw(d.m_strBorderWidth.empty() ? " BORDER" : Attribute("BORDER", d.m_strBorderWidth));
        },
        [](D& d, const markup::WrittenAttribute& a) {
            if (a.hasValue && !rows::IsNumber(a.value))
                return false;
            d.m_bBorder = 1;
            d.m_strBorderWidth = a.value;
            return true;
        },
        IdBorder);
}

// The four colours of the Microsoft dialogs, in the order they are written.
template <class D> std::vector<AttributeRow<D>> ColourRows() {
    std::vector<AttributeRow<D>> list;
    const auto& fields = CTableColours::Fields();
    for (int row = 0; row < CTableColours::RowCount; ++row)
        list.push_back(rows::Colour<D>(
            fields[row].attribute, [row](auto& d) -> auto& { return d.m_colours.m_strName[row]; },
            [row](auto& d) -> auto& { return d.m_colours.m_strNumber[row]; }, fields[row].nameListId));
    return list;
}

// What both table dialogs write, `more` (the Microsoft one's VALIGN) after ALIGN and `colours`
// at the end.
template <class D>
std::vector<AttributeRow<D>> TableRows(std::vector<AttributeRow<D>> more,
                                       std::vector<AttributeRow<D>> colours) {
    std::vector<AttributeRow<D>> list = {rows::WithPercent("WIDTH", &D::m_strWidth, &D::m_bPercent, IdWidth),
                                         rows::Bare("ALIGN", &D::m_strAlign, IdAlign)};
    list.insert(list.end(), more.begin(), more.end());
    list.insert(list.end(), {BorderBox<D>(), rows::Bare("CELLSPACING", &D::m_strCellSpacing, IdCellSpacing),
                             rows::Bare("CELLPADDING", &D::m_strCellPadding, IdCellPadding)});
    list.insert(list.end(), colours.begin(), colours.end());
    return list;
}

// The table start tag on a line of its own, the caption after it.
template <class D> TagPair WrapTable(const D& d) {
    std::string start = WriteStartTag(d).Close("\r\n");
    if (!d.m_strCaption.empty())
        start +=
            Tag("CAPTION").Attr("ALIGN", d.m_strCaptionAlign).Close() + d.m_strCaption + "</CAPTION>\r\n";
    return {start, TableEnd};
}

// ALIGN, VALIGN, NOWRAP, ROWSPAN and COLSPAN, as every cell writes them, `more` after them; the
// element is the command's, TH or TD.
template <class D>
TagRows<D> CellRows(std::vector<AttributeRow<D>> first, std::vector<AttributeRow<D>> more) {
    std::vector<AttributeRow<D>> list = std::move(first);
    list.insert(list.end(), {rows::Bare("ALIGN", &D::m_strAlign, IdAlign),
                             rows::Bare("VALIGN", &D::m_strVAlign, IdVAlign),
                             rows::Flag("NOWRAP", &D::m_bNoWrap, IdNoWrap),
                             rows::Bare("ROWSPAN", &D::m_strRowSpan, IdRowSpan),
                             rows::Bare("COLSPAN", &D::m_strColSpan, IdColSpan)});
    list.insert(list.end(), more.begin(), more.end());
    return {[](const D& d) { return d.m_strElement; }, std::move(list)};
}

ColourFieldSpec TableColour(const char* attribute, const char* label, int name, int number, int select,
                            int sample) {
    return {attribute, label, name, number, select, {sample}, ColourRole::Background, ColourNames::Html32};
}

} // namespace

const std::vector<ColourFieldSpec>& CTableColours::Fields() {
    static const std::vector<ColourFieldSpec> fields = {
        TableColour("BGCOLOR", "Background colour", IdBackgroundName, IdBackgroundNumber, IdBackgroundSelect,
                    IdBackgroundSample),
        TableColour("BORDERCOLOR", "Border colour", IdBorderColourName, IdBorderColourNumber,
                    IdBorderColourSelect, IdBorderColourSample),
        TableColour("BORDERCOLORLIGHT", "3D border light", IdLightName, IdLightNumber, IdLightSelect,
                    IdLightSample),
        TableColour("BORDERCOLORDARK", "3D border dark", IdDarkName, IdDarkNumber, IdDarkSelect,
                    IdDarkSample),
    };
    return fields;
}

DialogTemplate& CTableColours::AddTo(DialogTemplate& dialogTemplate) {
    std::vector<ControlTemplate> rows;
    for (const auto& field : Fields()) {
        auto controls = ColourFieldControls(field);
        controls.front() = controls.front().Help("A colour by name; (None) to give it as a number instead.");
        controls[1] = controls[1].Help("Six hexadecimal digits, red, green and blue (RRGGBB).");
        controls[2] = controls[2].Help("Picks the colour from the colour chooser.");
        rows.insert(rows.end(), controls.begin(), controls.end());
    }
    auto& controls = dialogTemplate.controls;
    controls.push_back(GroupBox("Colour Specification", int(rows.size())));
    controls.insert(controls.end(), rows.begin(), rows.end());
    dialogTemplate.colourFields = Fields();
    return dialogTemplate;
}

void CTableColours::DoDataExchange(CDataExchange& dx) {
    // The classic exchange order: dark, background, light, border.
    const Row order[] = {Dark, Background, Light, Border};
    const auto& fields = Fields();
    for (Row row : order)
        DDX_CBString(dx, fields[row].nameListId, m_strName[row]);
    for (Row row : order)
        DDX_ColourNumber(dx, fields[row].numberId, m_strNumber[row]);
}

std::string CTableColours::Attributes() const {
    std::string text;
    const auto& fields = Fields();
    for (int row = 0; row < RowCount; ++row)
        text += FormatColourAttribute(fields[row].attribute, m_strName[row], m_strNumber[row]);
    return text;
}

DialogTemplate CTableDialog::MakeTemplate() {
    return MakeDialogTemplate(IDD, "Table (HTML 3.2)", 206, 148, false, TableInserts,
                              TableFields({}, {"top", "bottom", "left", "right"}));
}

void CTableDialog::DoDataExchange(CDataExchange& dx) {
    DDX_CBString(dx, IdAlign, m_strAlign);
    DDX_OptionalNumber(dx, IdWidth, m_strWidth);
    DDX_Check(dx, IdPercent, m_bPercent);
    DDX_OptionalNumber(dx, IdCellPadding, m_strCellPadding);
    DDX_OptionalNumber(dx, IdCellSpacing, m_strCellSpacing);
    DDX_Check(dx, IdBorder, m_bBorder);
    DDX_OptionalNumber(dx, IdBorderWidth, m_strBorderWidth);
    DDX_Text(dx, IdCaption, m_strCaption);
    DDX_CBString(dx, IdCaptionAlign, m_strCaptionAlign);
}

DialogTemplate CTableRowDialog::MakeTemplate() {
    return MakeDialogTemplate(
        IDD, "Table Row (HTML 3.2)", 186, 60, false, "A table row start tag <TR> in front of the selection.",
        {Alignment(IdAlign, "Horizontal alignment of row:", {"left", "center", "right"},
                   "How the text of the row's cells is aligned across."),
         Alignment(IdVAlign, "Vertical alignment of row:", {"top", "middle", "bottom", "baseline"},
                   "How the text of the row's cells is aligned from top to bottom.")});
}

void CTableRowDialog::DoDataExchange(CDataExchange& dx) {
    DDX_CBString(dx, IdAlign, m_strAlign);
    DDX_CBString(dx, IdVAlign, m_strVAlign);
}

DialogTemplate CTableCellDialog::MakeTemplate() {
    return MakeDialogTemplate(
        IDD, "Table Heading/Data (HTML 3.2)", 196, 104, false,
        "A table cell start tag in front of the selection: <TH> for a heading, <TD> for data, by the "
        "command chosen.",
        {Alignment(IdAlign, "Horizontal alignment of cell:", {"left", "center", "right"},
                   "How the cell's text is aligned across."),
         NoWrap("Nowrap"), Number(IdColSpan, "# of columns spanned:", "How many columns the cell takes up."),
         Number(IdRowSpan, "# of rows spanned:", "How many rows the cell takes up."),
         Alignment(IdVAlign, "Vertical alignment of cell:", {"top", "middle", "bottom", "baseline"},
                   "How the cell's text is aligned from top to bottom.")});
}

void CTableCellDialog::DoDataExchange(CDataExchange& dx) {
    DDX_CBString(dx, IdAlign, m_strAlign);
    DDX_Check(dx, IdNoWrap, m_bNoWrap);
    DDX_OptionalNumber(dx, IdColSpan, m_strColSpan);
    DDX_OptionalNumber(dx, IdRowSpan, m_strRowSpan);
    DDX_CBString(dx, IdVAlign, m_strVAlign);
}

DialogTemplate CTableCellNetscapeDialog::MakeTemplate() {
    return MakeDialogTemplate(
        IDD, "Table Heading/Data (Netscape)", 196, 120, false,
        "A table cell start tag in front of the selection: <TH> for a heading, <TD> for data, by the "
        "command chosen.",
        {Alignment(IdAlign, "Horizontal alignment of cell:", {"left", "center", "right"},
                   "How the cell's text is aligned across."),
         Alignment(IdVAlign, "Vertical alignment of cell:", {"top", "middle", "bottom", "baseline"},
                   "How the cell's text is aligned from top to bottom."),
         NoWrap("Nowrap"),
         Number(IdWidth, "Cell width:", "The cell's width in pixels, or in percent of the table."), Percent(),
         Number(IdColSpan, "# of columns spanned:", "How many columns the cell takes up."),
         Number(IdRowSpan, "# of rows spanned:", "How many rows the cell takes up.")});
}

void CTableCellNetscapeDialog::DoDataExchange(CDataExchange& dx) {
    DDX_CBString(dx, IdAlign, m_strAlign);
    DDX_Check(dx, IdNoWrap, m_bNoWrap);
    DDX_CBString(dx, IdVAlign, m_strVAlign);
    DDX_Check(dx, IdPercent, m_bPercent);
    DDX_OptionalNumber(dx, IdColSpan, m_strColSpan);
    DDX_OptionalNumber(dx, IdRowSpan, m_strRowSpan);
    DDX_OptionalNumber(dx, IdWidth, m_strWidth);
}

DialogTemplate CTableMicrosoftDialog::MakeTemplate() {
    auto made = MakeDialogTemplate(
        IDD, "Table (Microsoft)", 250, 220, false, TableInserts,
        TableFields({Alignment(IdVAlign, "Vert. align of text:", {"top", "bottom"},
                               "How the text of the cells is aligned from top to bottom.")},
                    {"top", "bottom"}));
    return CTableColours::AddTo(made);
}

void CTableMicrosoftDialog::DoDataExchange(CDataExchange& dx) {
    DDX_CBString(dx, IdAlign, m_strAlign);
    DDX_OptionalNumber(dx, IdBorderWidth, m_strBorderWidth);
    DDX_Text(dx, IdCaption, m_strCaption);
    DDX_OptionalNumber(dx, IdWidth, m_strWidth);
    DDX_CBString(dx, IdVAlign, m_strVAlign);
    DDX_Check(dx, IdBorder, m_bBorder);
    DDX_OptionalNumber(dx, IdCellPadding, m_strCellPadding);
    DDX_OptionalNumber(dx, IdCellSpacing, m_strCellSpacing);
    DDX_Check(dx, IdPercent, m_bPercent);
    DDX_CBString(dx, IdCaptionAlign, m_strCaptionAlign);
    m_colours.DoDataExchange(dx);
}

DialogTemplate CTableRowMicrosoftDialog::MakeTemplate() {
    auto made = MakeDialogTemplate(
        IDD, "Table Row (Microsoft)", 250, 140, false,
        "A table row start tag <TR> in front of the selection.",
        {Alignment(IdAlign, "Horizontal alignment of row:", {"left", "right"},
                   "How the text of the row's cells is aligned across."),
         Alignment(IdVAlign, "Vertical alignment of row:", {"top", "bottom"},
                   "How the text of the row's cells is aligned from top to bottom."),
         Number(IdBorderWidth, "Border width:", "The width of the row's border in pixels.")});
    return CTableColours::AddTo(made);
}

void CTableRowMicrosoftDialog::DoDataExchange(CDataExchange& dx) {
    DDX_CBString(dx, IdAlign, m_strAlign);
    DDX_OptionalNumber(dx, IdBorderWidth, m_strBorderWidth);
    DDX_CBString(dx, IdVAlign, m_strVAlign);
    m_colours.DoDataExchange(dx);
}

DialogTemplate CTableCellMicrosoftDialog::MakeTemplate() {
    auto made = MakeDialogTemplate(
        IDD, "Table Heading/Data (Microsoft)", 250, 180, false,
        "A table cell start tag in front of the selection: <TH> for a heading, <TD> for data, by the "
        "command chosen.",
        {Alignment(IdAlign, "Horizontal alignment of cell:", {"left", "right"},
                   "How the cell's text is aligned across."),
         Alignment(IdVAlign, "Vertical alignment of cell:", {"top", "bottom"},
                   "How the cell's text is aligned from top to bottom."),
         NoWrap("NoWrap:").TextOnLeft(),
         Number(IdRowSpan, "# of rows spanned:", "How many rows the cell takes up, 1 to 1000."),
         Number(IdColSpan, "# of columns spanned:", "How many columns the cell takes up, 1 to 1000."),
         Number(IdBorderWidth, "Border width:", "The width of the cell's border in pixels.")});
    return CTableColours::AddTo(made);
}

void CTableCellMicrosoftDialog::DoDataExchange(CDataExchange& dx) {
    DDX_CBString(dx, IdAlign, m_strAlign);
    DDX_Check(dx, IdNoWrap, m_bNoWrap);
    DDX_CBString(dx, IdVAlign, m_strVAlign);
    DDX_OptionalNumber(dx, IdRowSpan, m_strRowSpan);
    DDV_OptionalNumberRange(dx, m_strRowSpan, 1, MaxSpan);
    DDX_OptionalNumber(dx, IdColSpan, m_strColSpan);
    DDV_OptionalNumberRange(dx, m_strColSpan, 1, MaxSpan);
    DDX_OptionalNumber(dx, IdBorderWidth, m_strBorderWidth);
    m_colours.DoDataExchange(dx);
}

const TagRows<CTableDialog>& CTableDialog::Rows() {
    static const TagRows<CTableDialog> rows{"TABLE", TableRows<CTableDialog>({}, {})};
    return rows;
}

const TagRows<CTableMicrosoftDialog>& CTableMicrosoftDialog::Rows() {
    using D = CTableMicrosoftDialog;
    static const TagRows<D> rows{
        "TABLE", TableRows<D>({rows::Bare("VALIGN", &D::m_strVAlign, IdVAlign)}, ColourRows<D>())};
    return rows;
}

const TagRows<CTableRowDialog>& CTableRowDialog::Rows() {
    using D = CTableRowDialog;
    static const TagRows<D> rows{
        "TR",
        {rows::Bare("ALIGN", &D::m_strAlign, IdAlign), rows::Bare("VALIGN", &D::m_strVAlign, IdVAlign)}};
    return rows;
}

const TagRows<CTableRowMicrosoftDialog>& CTableRowMicrosoftDialog::Rows() {
    using D = CTableRowMicrosoftDialog;
    static const TagRows<D> rows = [] {
        std::vector<AttributeRow<D>> list = {rows::Bare("ALIGN", &D::m_strAlign, IdAlign),
                                             rows::Bare("VALIGN", &D::m_strVAlign, IdVAlign),
                                             rows::Bare("BORDER", &D::m_strBorderWidth, IdBorderWidth)};
        for (auto& colour : ColourRows<D>())
            list.push_back(colour);
        return TagRows<D>{"TR", list};
    }();
    return rows;
}

const TagRows<CTableCellDialog>& CTableCellDialog::Rows() {
    static const TagRows<CTableCellDialog> rows = CellRows<CTableCellDialog>({}, {});
    return rows;
}

const TagRows<CTableCellNetscapeDialog>& CTableCellNetscapeDialog::Rows() {
    using D = CTableCellNetscapeDialog;
    static const TagRows<D> rows =
        CellRows<D>({rows::WithPercent("WIDTH", &D::m_strWidth, &D::m_bPercent, IdWidth)}, {});
    return rows;
}

const TagRows<CTableCellMicrosoftDialog>& CTableCellMicrosoftDialog::Rows() {
    using D = CTableCellMicrosoftDialog;
    static const TagRows<D> rows = [] {
        std::vector<AttributeRow<D>> more = {rows::Bare("BORDER", &D::m_strBorderWidth, IdBorderWidth)};
        for (auto& colour : ColourRows<D>())
            more.push_back(colour);
        return CellRows<D>({}, more);
    }();
    return rows;
}

TagPair BuildTable(const CTableDialog& d) {
    return WrapTable(d);
}

TagPair BuildTableMicrosoft(const CTableMicrosoftDialog& d) {
    return WrapTable(d);
}

TagPair BuildTableRow(const CTableRowDialog& d) {
    return {WriteStartTag(d).Close(), ""};
}

TagPair BuildTableRowMicrosoft(const CTableRowMicrosoftDialog& d) {
    return {WriteStartTag(d).Close(), ""};
}

TagPair BuildTableCell(const CTableCellDialog& d) {
    return {WriteStartTag(d).Close(), ""};
}

TagPair BuildTableCellNetscape(const CTableCellNetscapeDialog& d) {
    return {WriteStartTag(d).Close(), ""};
}

TagPair BuildTableCellMicrosoft(const CTableCellMicrosoftDialog& d) {
    return {WriteStartTag(d).Close(), ""};
}

void RegisterTableFamily(ElementRegistry& registry) {
    const std::string th = "TH", td = "TD";
    registry.Bind<CTableDialog>(cmd::Table, BuildTable);
    registry.Bind<CTableRowDialog>(cmd::TableRow, BuildTableRow);
    registry.Bind<CTableCellDialog>(cmd::TableHeader, BuildTableCell, th);
    registry.Bind<CTableCellDialog>(cmd::TableData, BuildTableCell, td);
    registry.Bind<CTableCellNetscapeDialog>(cmd::TableHeaderNetscape, BuildTableCellNetscape, th);
    registry.Bind<CTableCellNetscapeDialog>(cmd::TableDataNetscape, BuildTableCellNetscape, td);
    registry.Bind<CTableMicrosoftDialog>(cmd::TableMicrosoft, BuildTableMicrosoft);
    registry.Bind<CTableRowMicrosoftDialog>(cmd::TableRowMicrosoft, BuildTableRowMicrosoft);
    registry.Bind<CTableCellMicrosoftDialog>(cmd::TableHeaderMicrosoft, BuildTableCellMicrosoft, th);
    registry.Bind<CTableCellMicrosoftDialog>(cmd::TableDataMicrosoft, BuildTableCellMicrosoft, td);
}

} // namespace razo
