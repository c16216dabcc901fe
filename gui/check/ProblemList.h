#pragma once
#include <QPointer>
#include <QTreeWidget>

namespace razo {

class PageProblems;

// The problems of one page as a list: a row per problem (line, column, "error" or "warning",
// message) in the page's order, then the notes of the check (the rules it used); above them, when
// the page has changed since, a note that the places are those of the checked text. Return or a
// double click on a problem's row asks to go there; Escape asks to go back to the page.
class ProblemList : public QTreeWidget {
    Q_OBJECT
public:
    explicit ProblemList(QWidget* parent = nullptr);

    // The page whose problems are listed; null lists nothing. `uncheckedText` is what the list
    // says of a page that has not been checked.
    void ShowProblems(PageProblems* problems, const QString& uncheckedText);
    PageProblems* Problems() const { return m_problems; }
    // The index of the problem in a row, -1 for a note.
    static int ProblemOf(const QTreeWidgetItem* item);

signals:
    void problemChosen(int index);
    void leaveRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Refill();
    void FitColumns(const QList<QTreeWidgetItem*>& rows);
    void SelectCurrent(int index);
    void AddNote(const QString& text);

    QPointer<PageProblems> m_problems;
    QString m_uncheckedText;
};

} // namespace razo
