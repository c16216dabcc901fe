#include "gui/app/FindReplaceDialog.h"

#include "core/resources/CommandIds.h"
#include "gui/app/ContextHelp.h"
#include "gui/app/DialogHelpKey.h"
#include "gui/view/ScintillaTextControl.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace razo {

FindReplaceDialog::FindReplaceDialog(EditorSource editor, QWidget* parent)
    : QDialog(parent), m_editor(std::move(editor)) {
    setModal(false);
    m_findWhat = new QLineEdit(this);
    m_replaceWith = new QLineEdit(this);
    auto* findLabel = new QLabel(tr("Fi&nd what:"), this);
    findLabel->setBuddy(m_findWhat);
    m_replaceLabel = new QLabel(tr("Re&place with:"), this);
    m_replaceLabel->setBuddy(m_replaceWith);
    m_wholeWord = new QCheckBox(tr("Match &whole word only"), this);
    m_matchCase = new QCheckBox(tr("Match &case"), this);

    auto* direction = new QGroupBox(tr("Direction"), this);
    m_up = new QRadioButton(tr("&Up"), direction);
    m_down = new QRadioButton(tr("&Down"), direction);
    m_down->setChecked(true);
    auto* directionLayout = new QHBoxLayout(direction);
    directionLayout->addWidget(m_up);
    directionLayout->addWidget(m_down);
    m_direction = direction;

    m_findButton = new QPushButton(tr("&Find Next"), this);
    m_findButton->setDefault(true);
    m_replaceButton = new QPushButton(tr("&Replace"), this);
    m_replaceAllButton = new QPushButton(tr("Replace &All"), this);
    auto* cancel = new QPushButton(tr("Cancel"), this);

    auto* fields = new QGridLayout;
    fields->addWidget(findLabel, 0, 0);
    fields->addWidget(m_findWhat, 0, 1);
    fields->addWidget(m_replaceLabel, 1, 0);
    fields->addWidget(m_replaceWith, 1, 1);
    fields->addWidget(m_wholeWord, 2, 0, 1, 2);
    fields->addWidget(m_matchCase, 3, 0, 1, 2);
    fields->addWidget(m_direction, 4, 0, 1, 2);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {m_findButton, m_replaceButton, m_replaceAllButton, cancel})
        buttons->addWidget(button);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(fields, 1);
    layout->addLayout(buttons);

    connect(m_findButton, &QPushButton::clicked, this, &FindReplaceDialog::OnFindNext);
    connect(m_replaceButton, &QPushButton::clicked, this, &FindReplaceDialog::OnReplace);
    connect(m_replaceAllButton, &QPushButton::clicked, this, &FindReplaceDialog::OnReplaceAll);
    connect(cancel, &QPushButton::clicked, this, &QDialog::close);
    connect(m_findWhat, &QLineEdit::textChanged, this, &FindReplaceDialog::UpdateButtons);
}

void FindReplaceDialog::ShowFind() {
    Open(false);
}

void FindReplaceDialog::ShowReplace() {
    Open(true);
}

void FindReplaceDialog::Open(bool replace) {
    setWindowTitle(replace ? tr("Replace") : tr("Find"));
    DialogHelpKey::SetHelpLink(*this, ContextHelp::CommandLink(replace ? cmd::EditReplace : cmd::EditFind));
    m_replaceLabel->setVisible(replace);
    m_replaceWith->setVisible(replace);
    m_replaceButton->setVisible(replace);
    m_replaceAllButton->setVisible(replace);
    m_direction->setVisible(!replace);
    QString seed = m_state.findWhat;
    if (QsciScintilla* editor = m_editor()) {
        const QString selected = editor->selectedText();
        if (!selected.isEmpty() && !selected.contains('\n') && !selected.contains('\r'))
            seed = selected;
    }
    m_findWhat->setText(seed);
    m_replaceWith->setText(m_state.replaceWith);
    m_matchCase->setChecked(m_state.matchCase);
    m_wholeWord->setChecked(m_state.wholeWord);
    (m_state.forward ? m_down : m_up)->setChecked(true);
    UpdateButtons();
    adjustSize();
    show();
    raise();
    activateWindow();
    m_findWhat->setFocus();
    m_findWhat->selectAll();
}

void FindReplaceDialog::ReadFields() {
    m_state.findWhat = m_findWhat->text();
    m_state.replaceWith = m_replaceWith->text();
    m_state.matchCase = m_matchCase->isChecked();
    m_state.wholeWord = m_wholeWord->isChecked();
    // Replace always searches downwards.
    m_state.forward = m_replaceButton->isHidden() ? m_down->isChecked() : true;
}

void FindReplaceDialog::UpdateButtons() {
    const bool any = !m_findWhat->text().isEmpty();
    m_findButton->setEnabled(any);
    m_replaceButton->setEnabled(any);
    m_replaceAllButton->setEnabled(any);
}

void FindReplaceDialog::FindNext() {
    QsciScintilla* editor = m_editor();
    if (m_state.findWhat.isEmpty() || editor == nullptr) {
        ShowFind();
        return;
    }
    if (!Find(*editor, m_state))
        QApplication::beep();
}

void FindReplaceDialog::OnFindNext() {
    ReadFields();
    if (QsciScintilla* editor = m_editor(); editor == nullptr || !Find(*editor, m_state))
        QApplication::beep();
}

void FindReplaceDialog::OnReplace() {
    ReadFields();
    if (QsciScintilla* editor = m_editor(); editor == nullptr || !ReplaceCurrent(*editor, m_state))
        QApplication::beep();
}

void FindReplaceDialog::OnReplaceAll() {
    ReadFields();
    if (QsciScintilla* editor = m_editor(); editor == nullptr || ReplaceAll(*editor, m_state) == 0)
        QApplication::beep();
}

bool FindReplaceDialog::Find(QsciScintilla& editor, const SearchState& state) {
    if (state.findWhat.isEmpty())
        return false;
    int line = -1, index = -1;
    if (!state.forward) {
        // Backwards from the start of the selection, so the current match is not found again.
        int lineTo = 0, indexTo = 0;
        if (editor.hasSelectedText())
            editor.getSelection(&line, &index, &lineTo, &indexTo);
    }
    return editor.findFirst(state.findWhat, false, state.matchCase, state.wholeWord, true, state.forward,
                            line, index);
}

bool FindReplaceDialog::ReplaceCurrent(QsciScintilla& editor, const SearchState& state) {
    if (state.findWhat.isEmpty())
        return false;
    const Qt::CaseSensitivity cs = state.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    // The selection is a match from the last search: replace it, then move on to the next.
    if (editor.selectedText().compare(state.findWhat, cs) == 0) {
        editor.replaceSelectedText(TextStorableIn(editor, state.replaceWith));
    }
    SearchState down = state;
    down.forward = true;
    return Find(editor, down);
}

int FindReplaceDialog::ReplaceAll(QsciScintilla& editor, const SearchState& state) {
    if (state.findWhat.isEmpty())
        return 0;
    int count = 0;
    const QString replacement = TextStorableIn(editor, state.replaceWith);
    editor.beginUndoAction();
    bool found =
        editor.findFirst(state.findWhat, false, state.matchCase, state.wholeWord, false, true, 0, 0, false);
    while (found) {
        editor.replace(replacement);
        ++count;
        found = editor.findNext();
    }
    editor.endUndoAction();
    return count;
}

} // namespace razo
