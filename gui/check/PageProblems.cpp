#include "gui/check/PageProblems.h"

#include <Qsci/qsciscintilla.h>
#include <algorithm>

namespace razo {

namespace {

constexpr const char* ObjectName = "pageProblems";

} // namespace

PageProblems& PageProblems::Of(QsciScintilla& editor) {
    if (PageProblems* problems = Find(editor))
        return *problems;
    return *new PageProblems(editor);
}

PageProblems* PageProblems::Find(const QsciScintilla& editor) {
    return editor.findChild<PageProblems*>(QLatin1String(ObjectName), Qt::FindDirectChildrenOnly);
}

PageProblems::PageProblems(QsciScintilla& editor)
    : QObject(&editor), m_editor(editor), m_marker(editor.markerDefine(QsciScintilla::Invisible)) {
    setObjectName(QLatin1String(ObjectName));
    connect(&editor, &QsciScintilla::textChanged, this, &PageProblems::PageEdited);
    connect(&editor, &QsciScintillaBase::SCN_MODIFIED, this,
            [this](int position, int type, const char*, int length, int, int, int, int, int, int) {
                // Deleting the whole text leaves every marker on the first line.
                if ((type & QsciScintillaBase::SC_MOD_BEFOREDELETE) && position == 0 &&
                    length >= m_editor.SendScintilla(QsciScintillaBase::SCI_GETLENGTH))
                    ForgetLines();
            });
}

void PageProblems::SetReport(CheckReport report, bool changedSince) {
    // Clearing the markers visits every line: a long page checked clean again skips it.
    if (m_marker >= 0 && !m_handles.empty())
        m_editor.markerDeleteAll(m_marker);
    m_report = std::move(report);
    m_changedSince = changedSince;
    m_current = -1;
    m_handles.clear();
    int markedLine = 0;
    int handle = -1;
    for (const Problem& problem : m_report.problems) {
        if (problem.line != markedLine) {
            markedLine = problem.line;
            handle = m_marker >= 0 ? m_editor.markerAdd(problem.line - 1, m_marker) : -1;
        }
        m_handles.push_back(handle);
    }
    emit reportChanged();
}

void PageProblems::PageEdited() {
    if (m_changedSince)
        return;
    m_changedSince = true;
    emit reportChanged();
}

void PageProblems::ForgetLines() {
    std::fill(m_handles.begin(), m_handles.end(), -1);
}

int PageProblems::LineNow(int index) const {
    const int handle = m_handles.at(static_cast<size_t>(index));
    if (handle >= 0)
        if (const int line = m_editor.markerLine(handle); line >= 0)
            return line;
    const int lastLine = std::max(m_editor.lines() - 1, 0);
    return std::clamp(m_report.problems[static_cast<size_t>(index)].line - 1, 0, lastLine);
}

void PageProblems::GoTo(int index) {
    const Problem& problem = m_report.problems.at(static_cast<size_t>(index));
    const auto line = static_cast<unsigned long>(LineNow(index));
    const long lineStart = m_editor.SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, line);
    const long lineEnd = m_editor.SendScintilla(QsciScintillaBase::SCI_GETLINEENDPOSITION, line);
    long caret = lineStart;
    if (problem.column > 1) {
        // Whole characters, as the column counts them; past the line's end (edited since) is its end.
        caret = m_editor.SendScintilla(QsciScintillaBase::SCI_POSITIONRELATIVE,
                                       static_cast<unsigned long>(lineStart),
                                       static_cast<long>(problem.column - 1));
        if (caret <= lineStart || caret > lineEnd)
            caret = lineEnd;
    }
    m_editor.SendScintilla(QsciScintillaBase::SCI_GOTOPOS, static_cast<unsigned long>(caret));
    m_current = index;
    emit currentChanged(index);
}

int PageProblems::Step(bool forward) {
    const int count = Count();
    if (count == 0)
        return -1;
    int next = 0;
    if (m_current < 0)
        next = forward ? 0 : count - 1;
    else
        next = (m_current + (forward ? 1 : count - 1)) % count;
    GoTo(next);
    return next;
}

} // namespace razo
