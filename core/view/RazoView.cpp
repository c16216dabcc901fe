#include "core/view/RazoView.h"

#include <cstdio>

#include "core/ports/Document.h"
#include "core/ports/TextControl.h"
#include "core/resources/CommandIds.h"
#include "core/resources/Strings.h"
#include "core/text/LineEnding.h"

namespace razo {

namespace {

// One caret memory for the whole program, not per view: the indicator compares each selection
// with the last one it saw in whichever view that was. Only consulted when the control cannot
// say where its caret is.
long s_nPrevSelStart = -1;
long s_nPrevSelEnd = -1;
bool s_bPrevCaretAtEnd = true;

// Which end of the selection the caret stands at, inferred from how the selection moved.
bool InferCaretAtEnd(long start, long end) {
    if (start == s_nPrevSelStart && end == s_nPrevSelEnd)
        return s_bPrevCaretAtEnd;
    if (start == s_nPrevSelStart)
        return true;
    if (end == s_nPrevSelEnd)
        return false;
    if (end == s_nPrevSelStart)
        return false;
    return true;
}

// The status pane holds at most this many characters.
constexpr int LnColMaxChars = 30;

} // namespace

CRazoView::CRazoView(TextControl& control, Document& document) : m_control(control), m_document(document) {
    m_target.OnCommand(cmd::EditUndo, [this] { OnEditUndo(); });
    m_target.OnUpdate(cmd::EditUndo, [this](CmdUI& ui) { OnUpdateEditUndo(ui); });
    m_target.OnCommand(cmd::EditRedo, [this] { OnEditRedo(); });
    m_target.OnUpdate(cmd::EditRedo, [this](CmdUI& ui) { OnUpdateEditRedo(ui); });
    m_target.OnCommand(cmd::RepeatTags, [this] { OnRepeatTags(); });
    m_target.OnUpdate(cmd::RepeatTags, [this](CmdUI& ui) { OnUpdateRepeatTags(ui); });
    m_target.OnUpdate(cmd::IndicatorLnCol, [this](CmdUI& ui) { OnUpdateLineCol(ui); });
}

void CRazoView::InsertTagPair(std::string start, std::string end, bool atTop) {
    // Markup follows the page's own line ending, so an LF page gets no CR from it.
    const std::string_view ending = m_control.LineEnding();
    const markup::MarkupStyle style = m_markupStyle ? m_markupStyle() : markup::MarkupStyle{};
    m_strLastStart = WithLineEnding(markup::ApplyMarkupStyle(start, style), ending);
    m_strLastEnd = WithLineEnding(markup::ApplyMarkupStyle(end, style), ending);
    ++m_nInsertions;
    if (atTop)
        m_nSelStart = m_nSelEnd = 0;
    else
        m_control.GetSel(m_nSelStart, m_nSelEnd);

    // The end text goes in first, so the start offset stays valid.
    m_control.SetSel(m_nSelEnd, m_nSelEnd);
    m_control.ScrollCaret();
    m_nLastEndLength = m_control.ReplaceSel(m_strLastEnd, false);

    m_control.SetSel(m_nSelStart, m_nSelStart);
    m_control.ScrollCaret();
    m_nLastStartLength = m_control.ReplaceSel(m_strLastStart, false);

    // The control measured the start text: in an 8-bit document a character may take several.
    m_control.SetSel(m_nSelStart + m_nLastStartLength, m_nSelEnd + m_nLastStartLength);
    m_control.ScrollCaret();

    // Clear exactly while the pair still stands at the remembered offsets.
    m_control.SetModify(false);
    m_document.SetModifiedFlag(true);
}

void CRazoView::OnEditUndo() {
    if (m_control.CanUndo()) {
        m_control.Undo();
        return;
    }
    // Once anything changed the text, the remembered offsets no longer locate the pair.
    if (m_control.GetModify())
        return;
    RemoveLastPair();
}

void CRazoView::RemoveLastPair() {
    m_control.SetSel(m_nSelStart, m_nSelStart + m_nLastStartLength);
    m_control.ScrollCaret();
    m_control.ReplaceSel("", false);

    m_control.SetSel(m_nSelEnd, m_nSelEnd + m_nLastEndLength);
    m_control.ScrollCaret();
    m_control.ReplaceSel("", false);

    m_control.SetSel(m_nSelStart, m_nSelEnd);
    m_control.ScrollCaret();
    m_document.SetModifiedFlag(true);
}

void CRazoView::OnUpdateEditUndo(CmdUI& ui) const {
    ui.Enable(!m_control.GetModify() || m_control.CanUndo());
}

// What the control's own history undid; the last inserted pair, which the view removes itself,
// does not come back this way.
void CRazoView::OnEditRedo() {
    if (m_control.CanRedo())
        m_control.Redo();
}

void CRazoView::OnUpdateEditRedo(CmdUI& ui) const {
    ui.Enable(m_control.CanRedo());
}

void CRazoView::OnRepeatTags() {
    // Copies: InsertTagPair overwrites the remembered texts it is handed.
    std::string start = m_strLastStart;
    std::string end = m_strLastEnd;
    InsertTagPair(std::move(start), std::move(end), false);
}

void CRazoView::OnUpdateRepeatTags(CmdUI& ui) const {
    ui.Enable(!m_strLastStart.empty() || !m_strLastEnd.empty());
}

void CRazoView::GetCaretLineCol(int& line, int& column) const {
    long start = 0;
    long end = 0;
    m_control.GetSel(start, end);

    long caret = 0;
    bool atEnd = true;
    if (const std::optional<long> known = m_control.CaretPos()) {
        caret = *known;
        atEnd = caret == end;
    } else {
        atEnd = InferCaretAtEnd(start, end);
        caret = atEnd ? end : start;
    }
    s_nPrevSelStart = start;
    s_nPrevSelEnd = end;
    s_bPrevCaretAtEnd = atEnd;

    const long lineIndex = m_control.LineFromChar(caret);
    const long lineStart = m_control.LineIndex(lineIndex);
    line = static_cast<int>(lineIndex + 1);
    column = static_cast<int>(m_control.CountCharacters(lineStart, caret) + 1);
}

void CRazoView::OnUpdateLineCol(CmdUI& ui) const {
    int line = 0;
    int column = 0;
    GetCaretLineCol(line, column);
    char text[LnColMaxChars + 1];
    std::snprintf(text, sizeof text, strings::LnColFormat, line, column);
    ui.Enable(true);
    ui.SetText(text);
}

void CRazoView::OnInitialUpdate(bool isNewDocument) {
    if (isNewDocument) {
        if (const CommandTarget::Handler* standardTags = m_target.FindCommand(cmd::InsertStandardTags)) {
            auto run = *standardTags;
            run();
        }
    }
    // Nothing that is in the text now may be taken away by the view's Undo.
    m_control.SetModify(true);
}

} // namespace razo
