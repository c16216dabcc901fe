#include "core/view/GoToLine.h"

#include "core/dialogs/DataExchange.h"
#include "core/dialogs/DialogRunner.h"
#include "core/settings/NumberText.h"
#include "core/text/MessageText.h"

namespace razo {

namespace {

constexpr const char* NoSuchLine = "Line %1 is not on this page. Enter a line from 1 to %2.";
constexpr const char* NoSuchColumn = "Column %1 is not on line %2. Enter a column from 1 to %3.";

} // namespace

std::string LineRefusal(long line, long lineCount) {
    if (line >= 1 && line <= lineCount)
        return {};
    return FillMessage(NoSuchLine, {std::to_string(line), std::to_string(lineCount)});
}

std::string ColumnRefusal(long column, long line, long lineLength) {
    if (column >= 1 && column <= lineLength + 1)
        return {};
    return FillMessage(NoSuchColumn,
                       {std::to_string(column), std::to_string(line), std::to_string(lineLength + 1)});
}

DialogTemplate CGoToLineDialog::MakeTemplate() {
    DialogTemplate made = MakeDialogTemplate(
        IDD, "Go to Line", 150, 56, false, "",
        {Edit(IdLine, "&Line:")
             .Width(40)
             .Help("The line to go to, counted from 1 as the status bar counts it."),
         Edit(IdColumn, "&Column:")
             .Width(40)
             .Help(
                 "Optional: the character on that line, counted from 1; empty for the start of the line.")});
    made.confirms = "OK puts the caret there and scrolls its line into the middle of the window. A line or "
                    "column that is not on the page is refused with a message, and the dialog stays open.";
    return made;
}

void CGoToLineDialog::DoDataExchange(CDataExchange& dx) {
    DDX_Text(dx, IdLine, m_nLine);
    if (dx.Saving())
        if (const std::string refusal = LineRefusal(m_nLine, m_page.count); !refusal.empty())
            dx.Refuse(IdLine, refusal);
    DDX_Text(dx, IdColumn, m_strColumn);
    if (!dx.Saving())
        return;
    m_nColumn = 1;
    if (m_strColumn.find_first_not_of(" \t") != std::string::npos &&
        !ParseEditedNumber(m_strColumn, m_nColumn)) {
        dx.Refuse(IdColumn, messages::NotWholeNumber);
        return;
    }
    const long length = m_page.length ? m_page.length(m_nLine) : 0;
    if (const std::string refusal = ColumnRefusal(m_nColumn, m_nLine, length); !refusal.empty())
        dx.Refuse(IdColumn, refusal);
}

std::optional<LinePlace> OnGoToLine(const PageLines& page, long caretLine, DialogRunner& runner) {
    CGoToLineDialog dialog(page);
    dialog.m_nLine = static_cast<int>(caretLine);
    if (!runner.RunModal(dialog))
        return std::nullopt;
    return LinePlace{dialog.m_nLine, dialog.m_nColumn};
}

} // namespace razo
