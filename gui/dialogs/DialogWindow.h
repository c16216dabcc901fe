#pragma once
#include <QDialog>
#include <QSize>
#include <map>
#include <set>
#include <vector>

#include "core/dialogs/DialogSession.h"
#include "core/dialogs/DialogTemplate.h"

class QBoxLayout;
class QButtonGroup;
class QGridLayout;
class QPushButton;

namespace razo {

class CColourSwatch;
class FieldsScrollArea;

// The window of one dialog template: rows of label, field and the controls beside it, group
// boxes, radio groups and the OK/Cancel/Help buttons (plus the layout toggle of an expandable
// dialog). It knows nothing of the dialog's behaviour: every click, edit and list choice is
// reported through `notified` with the control's id, for the runner to act on.
class DialogWindow : public QDialog, public DialogView {
    Q_OBJECT
public:
    explicit DialogWindow(const DialogTemplate& dialogTemplate, QWidget* parent = nullptr);

    const DialogTemplate& Template() const { return m_template; }
    // The widget of a control id (the buttons IdOk, IdCancel, IdHelp, IdToggle included).
    QWidget* Control(int id) const;
    // The radio group that starts with `firstId`; its button ids are the indexes 0, 1, ...
    QButtonGroup* RadioGroup(int firstId) const;
    // The label in front of a field, null when it has none.
    QWidget* Label(int id) const;

    // Enabling by the dialog: the control and its label together. Independent of the layout:
    // a control disabled here stays disabled when the expanded part is shown.
    void EnableControl(int id, bool enabled);
    bool IsControlEnabled(int id) const { return !m_disabled.count(id); }

    // DialogView
    void ShowLayout(bool expanded, const std::string& title, const std::string& toggleCaption) override;
    void PaintSwatch(int id, const CColourSwatch& swatch) override;

    // Applies a layout of an expandable dialog: the expanded part is shown and enabled, or hidden
    // and disabled, and the window takes the size measured for that layout. Both sizes are
    // measured once, at the first call, so toggling gives back exactly the same sizes.
    void SetExpanded(bool expanded);
    bool IsExpanded() const { return m_expanded; }
    // Fixes the size of a dialog that has one layout only.
    void FitToContents();
    QSize FullSize() const { return m_fullSize; }
    QSize ShortSize() const { return m_shortSize; }

    void SetToggleCaption(const QString& caption);
    // Sends the user back to a field: focus, and its text selected.
    void FocusAndSelect(int id);
    // The first field that can take the focus when the dialog opens, else OK.
    void FocusFirstField();

signals:
    void notified(int id);

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct Row {
        QBoxLayout* box = nullptr;
        bool expands = false;
    };

    QBoxLayout* CreateButtons();
    void CreateContents(QGridLayout* grid, size_t first, size_t end);
    void AddRow(QGridLayout* grid, const ControlTemplate& control, QWidget* widget, QWidget* label);
    void AddBeside(const ControlTemplate& control, QWidget* widget, QWidget* label);
    void CloseRow();
    QWidget* CreateWidget(const ControlTemplate& control);
    QWidget* CreateLabel(const ControlTemplate& control, QWidget* buddy);
    void Connect(int id, QWidget* widget, const ControlTemplate& control);
    void ReturnFocusTo(QWidget* widget);
    void JoinRadioGroup(const ControlTemplate& control, QWidget* widget);
    void Remember(QWidget* widget, LayoutPart part);
    void ApplyEnabled(QWidget* widget);
    void AssignMnemonics();
    bool IsUrlField(const ControlTemplate& control) const;
    void AlignFieldColumns();
    int MinimumWidth() const;
    void Measure();
    QSize HintFor(int minWidth) const;
    QSize FittedHint(int minWidth);
    void ApplyTabOrder();

    const DialogTemplate& m_template;
    std::map<int, QWidget*> m_controls;
    std::map<int, QButtonGroup*> m_radioGroups;
    std::map<int, QWidget*> m_labels;
    std::set<int> m_disabled;
    std::set<QWidget*> m_disabledWidgets; // the controls of m_disabled and their labels
    QButtonGroup* m_currentRadioGroup = nullptr;
    std::vector<QWidget*> m_expandedPart;
    std::vector<QGridLayout*> m_labelledGrids; // grids with a label column
    std::vector<QWidget*> m_tabOrder;
    std::vector<std::pair<QWidget*, QString>> m_captions; // widgets whose caption gets a mnemonic
    QWidget* m_pendingLabel = nullptr;                    // a free text that names the next unlabelled field
    Row m_row;
    QGridLayout* m_fields = nullptr;      // the rows of fields, without the buttons
    QBoxLayout* m_fieldsHolder = nullptr; // the layout that holds m_fields
    FieldsScrollArea* m_scroll = nullptr; // holds m_fields when the screen is too small for them
    QPushButton* m_toggle = nullptr;
    bool m_measured = false;
    bool m_expanded = true;
    QSize m_fullSize;
    QSize m_shortSize;
};

} // namespace razo
