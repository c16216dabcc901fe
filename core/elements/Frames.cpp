#include "core/elements/Frames.h"

#include <cstdlib>

#include "core/dialogs/DataExchange.h"
#include "core/dialogs/DialogHost.h"
#include "core/dialogs/FieldAccess.h"
#include "core/dialogs/UrlHistory.h"
#include "core/elements/AttributeRows.h"
#include "core/elements/ElementFields.h"
#include "core/elements/ElementRegistry.h"
#include "core/elements/Markup.h"
#include "core/resources/CommandIds.h"

namespace razo {

namespace {

using namespace frames;

// Runs the size sub-dialog and appends its entry to the list in field `id`; Cancel changes nothing.
void AddFrameSize(DialogHost& host, int id) {
    CAddFrameSizeDialog dialog;
    if (host.RunModal(dialog))
        AppendFrameSize(host.Fields(), id, dialog.Entry());
}

} // namespace

void AppendFrameSize(FieldAccess& fields, int id, const std::string& entry) {
    std::string list = fields.GetText(id);
    if (!list.empty())
        list += ",";
    fields.SetText(id, list + entry);
}

DialogTemplate CFramesetDialog::MakeTemplate() {
    return MakeDialogTemplate(
        IDD, "Frameset (Netscape)", 230, 50, false,
        "A frameset: <FRAMESET> and </FRAMESET> around the selection, which holds its frames.",
        {Edit(IdRows, "Row info:")
             .Width(120)
             .Help("The heights of the rows, separated by commas; Add Row appends one. Leave it empty for "
                   "one row."),
         PushButton(IdAddRow, "Add &Row").Beside().Help("Asks for the size of one more row."),
         Edit(IdColumns, "Column info:")
             .Width(120)
             .Help("The widths of the columns, separated by commas; Add Col appends one. Leave it empty for "
                   "one "
                   "column."),
         PushButton(IdAddColumn, "Add &Col").Beside().Help("Asks for the size of one more column.")});
}

void CFramesetDialog::DoDataExchange(CDataExchange& dx) {
    DDX_Text(dx, IdColumns, m_strColumns);
    DDX_Text(dx, IdRows, m_strRows);
}

void CFramesetDialog::OnFieldChanged(int id, DialogHost& host) {
    if (id == IdAddRow)
        AddFrameSize(host, IdRows);
    else if (id == IdAddColumn)
        AddFrameSize(host, IdColumns);
}

DialogTemplate CAddFrameSizeDialog::MakeTemplate() {
    DialogTemplate made = MakeDialogTemplate(
        IDD, "Add Frame Row/Column", 170, 95, false, "",
        {Edit(IdValue, "Value:").Help("The size; Remaining space needs none."),
         GroupBox("Select a row/col size type:", 4),
         RadioButton(IdPercentage, "Percentage")
             .GroupStart()
             .Help("A share of the window, 0 to 100 per cent (written 30%)."),
         RadioButton(IdRelative, "Relative").Help("A share of the space left over, by weight (written 2*)."),
         RadioButton(IdAbsolute, "Absolute pixel value").Help("A size in pixels (written 120)."),
         RadioButton(IdRemaining, "Remaining space").Help("Whatever space is left (written *).")});
    made.confirms = "OK adds the size to the end of the row or column list of the Frameset dialog.";
    return made;
}

void CAddFrameSizeDialog::DoDataExchange(CDataExchange& dx) {
    DDX_OptionalNumber(dx, IdValue, m_strValue);
    DDX_Radio(dx, IdPercentage, m_nType);
    if (!dx.Saving())
        return;
    // The value is empty or plain decimal digits by now.
    const bool empty = m_strValue.empty();
    switch (m_nType) {
    case Percentage:
        if (empty || std::atol(m_strValue.c_str()) > 100)
            dx.Refuse(IdValue, messages::PercentageRange);
        break;
    case Relative:
    case Absolute:
        if (empty)
            dx.Refuse(IdValue, messages::NotNegative);
        break;
    case Remaining:
        break;
    default:
        dx.Refuse(IdPercentage, messages::MustSelectType);
    }
}

std::string CAddFrameSizeDialog::Entry() const {
    switch (m_nType) {
    case Percentage:
        return m_strValue + "%";
    case Relative:
        return m_strValue + "*";
    case Absolute:
        return m_strValue;
    default:
        return "*";
    }
}

DialogTemplate CFrameDialog::MakeTemplate() {
    return MakeDialogTemplate(
        IDD, "Frame (Netscape)", 260, 110, false, "A frame <FRAME> in front of the selection.",
        {Edit(IdName, "Name:").Width(110).Help("The name links and forms use to show a page in this frame."),
         CheckBox(IdNoResize, "No Resize").Help("Stops the user from dragging the frame's borders."),
         UrlCombo(IdSource, "Source:").Help("The page the frame shows first."),
         BrowseButton(IdBrowse, IdSource, browse::LinkTitle, browse::FrameSourceFilter)
             .Help("Picks a local file for the frame."),
         ListCombo(IdScrolling, "Scrolling:", {"yes", "no", "auto"})
             .Sorted()
             .Help("Whether the frame has scroll bars; auto shows them when needed."),
         Edit(IdMarginHeight, "Margin height in pixels:").Help("Space above and below the frame's contents."),
         Edit(IdMarginWidth, "Margin width in pixels:")
             .Help("Space left and right of the frame's contents.")});
}

void CFrameDialog::DoDataExchange(CDataExchange& dx) {
    DDX_Text(dx, IdName, m_strName);
    DDX_Check(dx, IdNoResize, m_bNoResize);
    DDX_OptionalUrl(dx, IdSource, m_strSource);
    DDX_CBString(dx, IdScrolling, m_strScrolling);
    DDX_OptionalNumber(dx, IdMarginHeight, m_strMarginHeight);
    DDX_OptionalNumber(dx, IdMarginWidth, m_strMarginWidth);
}

const TagRows<CFramesetDialog>& CFramesetDialog::Rows() {
    using D = CFramesetDialog;
    static const TagRows<D> rows{
        "FRAMESET",
        {rows::Quoted("ROWS", &D::m_strRows, IdRows), rows::Quoted("COLS", &D::m_strColumns, IdColumns)}};
    return rows;
}

const TagRows<CFrameDialog>& CFrameDialog::Rows() {
    using D = CFrameDialog;
    static const TagRows<D> rows{"FRAME",
                                 {rows::Url("SRC", &D::m_strSource, IdSource),
                                  rows::Quoted("NAME", &D::m_strName, IdName),
                                  rows::Number("MARGINWIDTH", &D::m_strMarginWidth, IdMarginWidth),
                                  rows::Number("MARGINHEIGHT", &D::m_strMarginHeight, IdMarginHeight),
                                  rows::Quoted("SCROLLING", &D::m_strScrolling, IdScrolling),
                                  rows::Flag("NORESIZE", &D::m_bNoResize, IdNoResize)}};
    return rows;
}

TagPair BuildFrameset(const CFramesetDialog& dialog) {
    return {WriteStartTag(dialog).Close("\r\n"), "</FRAMESET>"};
}

TagPair BuildFrame(const CFrameDialog& dialog, const BuildContext& context) {
    return {WriteStartTag(dialog, context).Close("\r\n"), ""};
}

void RegisterFrameFamily(ElementRegistry& registry) {
    registry.Bind<CFramesetDialog>(cmd::Frameset, BuildFrameset);
    registry.Shows<CAddFrameSizeDialog>();
    registry.Bind<CFrameDialog>(cmd::Frame, BuildFrame);
}

} // namespace razo
