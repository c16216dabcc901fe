#include "core/elements/Tables.h"

#include "core/dialogs/Colours.h"
#include "core/dialogs/DataExchange.h"
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

// The table start tag with everything both table dialogs write, the caption after it.
struct TableAttributes {
    const std::string& width;
    int percent;
    const std::string& align;
    const std::string& valign;
    int border;
    const std::string& borderWidth;
    const std::string& cellSpacing;
    const std::string& cellPadding;
    std::string colours;
    const std::string& caption;
    const std::string& captionAlign;
};

std::string Width(const std::string& width, int percent) {
    if (width.empty())
        return {};
    return Attribute("WIDTH", width) + (percent ? "%" : "");
}

// Ticked with no width: the bare keyword; unticked: nothing, whatever the width says.
std::string Border(int border, const std::string& width) {
    if (!border)
        return {};
    return width.empty() ? " BORDER" : Attribute("BORDER", width);
}

TagPair WrapTable(const TableAttributes& a) {
    std::string start = Tag("TABLE")
                            .Raw(Width(a.width, a.percent))
                            .Attr("ALIGN", a.align)
                            .Attr("VALIGN", a.valign)
                            .Raw(Border(a.border, a.borderWidth))
                            .Attr("CELLSPACING", a.cellSpacing)
                            .Attr("CELLPADDING", a.cellPadding)
                            .Raw(a.colours)
                            .Close("\r\n");
    if (!a.caption.empty())
        start += Tag("CAPTION").Attr("ALIGN", a.captionAlign).Close() + a.caption + "</CAPTION>\r\n";
    return {start, TableEnd};
}

// ALIGN, VALIGN, NOWRAP, ROWSPAN and COLSPAN, as every cell writes them.
Tag& CellAttributes(Tag& tag, const std::string& align, const std::string& valign, int noWrap,
                    const std::string& rowSpan, const std::string& colSpan) {
    return tag.Attr("ALIGN", align)
        .Attr("VALIGN", valign)
        .Flag("NOWRAP", noWrap != 0)
        .Attr("ROWSPAN", rowSpan)
        .Attr("COLSPAN", colSpan);
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

TagPair BuildTable(const CTableDialog& d) {
    static const std::string none;
    return WrapTable({d.m_strWidth, d.m_bPercent, d.m_strAlign, none, d.m_bBorder, d.m_strBorderWidth,
                      d.m_strCellSpacing, d.m_strCellPadding, "", d.m_strCaption, d.m_strCaptionAlign});
}

TagPair BuildTableMicrosoft(const CTableMicrosoftDialog& d) {
    return WrapTable({d.m_strWidth, d.m_bPercent, d.m_strAlign, d.m_strVAlign, d.m_bBorder,
                      d.m_strBorderWidth, d.m_strCellSpacing, d.m_strCellPadding, d.m_colours.Attributes(),
                      d.m_strCaption, d.m_strCaptionAlign});
}

TagPair BuildTableRow(const CTableRowDialog& d) {
    return {Tag("TR").Attr("ALIGN", d.m_strAlign).Attr("VALIGN", d.m_strVAlign).Close(), ""};
}

TagPair BuildTableRowMicrosoft(const CTableRowMicrosoftDialog& d) {
    return {Tag("TR")
                .Attr("ALIGN", d.m_strAlign)
                .Attr("VALIGN", d.m_strVAlign)
                .Attr("BORDER", d.m_strBorderWidth)
                .Raw(d.m_colours.Attributes())
                .Close(),
            ""};
}

TagPair BuildTableCell(const CTableCellDialog& d) {
    Tag tag(d.m_strElement);
    CellAttributes(tag, d.m_strAlign, d.m_strVAlign, d.m_bNoWrap, d.m_strRowSpan, d.m_strColSpan);
    return {tag.Close(), ""};
}

TagPair BuildTableCellNetscape(const CTableCellNetscapeDialog& d) {
    Tag tag(d.m_strElement);
    tag.Raw(Width(d.m_strWidth, d.m_bPercent));
    CellAttributes(tag, d.m_strAlign, d.m_strVAlign, d.m_bNoWrap, d.m_strRowSpan, d.m_strColSpan);
    return {tag.Close(), ""};
}

TagPair BuildTableCellMicrosoft(const CTableCellMicrosoftDialog& d) {
    Tag tag(d.m_strElement);
    CellAttributes(tag, d.m_strAlign, d.m_strVAlign, d.m_bNoWrap, d.m_strRowSpan, d.m_strColSpan)
        .Attr("BORDER", d.m_strBorderWidth)
        .Raw(d.m_colours.Attributes());
    return {tag.Close(), ""};
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
