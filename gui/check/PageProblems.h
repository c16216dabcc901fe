#pragma once
#include <QObject>
#include <vector>

#include "core/check/CheckReport.h"

class QsciScintilla;

namespace razo {

// The last check of one page, kept with its edit control. Each problem's line is held by an
// invisible marker of the control, which moves with its line as lines are added or removed above
// it (and joins the line above when its own is deleted); the column stays that of the checked
// text. When the whole text is replaced (a reload), the places of the checked text are used.
class PageProblems : public QObject {
    Q_OBJECT
public:
    // The problems of the page in `editor`, made with its first report; they go with the control.
    static PageProblems& Of(QsciScintilla& editor);
    // Null while the page has not been checked.
    static PageProblems* Find(const QsciScintilla& editor);

    // Replaces the last report; `changedSince` when the page was edited while it was checked.
    void SetReport(CheckReport report, bool changedSince);
    const CheckReport& Report() const { return m_report; }
    int Count() const { return static_cast<int>(m_report.problems.size()); }
    bool ChangedSinceCheck() const { return m_changedSince; }
    // The problem gone to last, -1 for none.
    int Current() const { return m_current; }

    // The line of problem `index` as the page is now, counted from 0.
    int LineNow(int index) const;
    // Puts the caret at problem `index` as the page is now and makes it the current one.
    void GoTo(int index);
    // Goes to the problem after (or before) the current one, from the last round to the first;
    // returns its index, -1 when there is none.
    int Step(bool forward);

signals:
    // A new report, or the page's first change since it was checked.
    void reportChanged();
    void currentChanged(int index);

private:
    explicit PageProblems(QsciScintilla& editor);
    void PageEdited();
    void ForgetLines();

    QsciScintilla& m_editor;
    int m_marker;
    CheckReport m_report;
    std::vector<int> m_handles; // a marker per problem, shared by the problems of one line
    int m_current = -1;
    bool m_changedSince = false;
};

} // namespace razo
