#pragma once
#include <QDialog>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QsciScintilla;

namespace razo {

// What was searched for last; Find Next repeats it without the dialog.
struct SearchState {
    QString findWhat;
    QString replaceWith;
    bool matchCase = false;
    bool wholeWord = false;
    bool forward = true;
};

// Find and Replace over the active editor's own search. The dialog is modeless: it stays open
// while the user edits and always works on the editor active at the moment of the click.
class FindReplaceDialog : public QDialog {
    Q_OBJECT
public:
    using EditorSource = std::function<QsciScintilla*()>;

    FindReplaceDialog(EditorSource editor, QWidget* parent = nullptr);

    // Opens the dialog as Find or as Replace, seeded with the editor's selection.
    void ShowFind();
    void ShowReplace();
    // Find Next: the last search again; the Find dialog when there was none.
    void FindNext();

    const SearchState& State() const { return m_state; }

    // The search steps, for the dialog's buttons and for tests; false when nothing was found.
    static bool Find(QsciScintilla& editor, const SearchState& state);
    static bool ReplaceCurrent(QsciScintilla& editor, const SearchState& state);
    static int ReplaceAll(QsciScintilla& editor, const SearchState& state);

private:
    void Open(bool replace);
    void ReadFields();
    void OnFindNext();
    void OnReplace();
    void OnReplaceAll();
    void UpdateButtons();

    EditorSource m_editor;
    SearchState m_state;
    QLineEdit* m_findWhat;
    QLabel* m_replaceLabel;
    QLineEdit* m_replaceWith;
    QCheckBox* m_wholeWord;
    QCheckBox* m_matchCase;
    QWidget* m_direction;
    QRadioButton* m_up;
    QRadioButton* m_down;
    QPushButton* m_findButton;
    QPushButton* m_replaceButton;
    QPushButton* m_replaceAllButton;
};

} // namespace razo
