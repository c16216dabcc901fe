#include "gui/dialogs/DialogWindow.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QStyle>
#include <QTimer>
#include <algorithm>

#include "gui/dialogs/ControlWidgets.h"
#include "gui/dialogs/FieldsScrollArea.h"
#include "gui/dialogs/RadioGroupKeys.h"
#include "gui/dialogs/ScreenRoom.h"

namespace razo {

namespace {

// The buttons every dialog has, in their order.
struct StandardButton {
    int id;
    const char* caption;
};
constexpr StandardButton StandardButtons[] = {{IdOk, "OK"}, {IdCancel, "Cancel"}, {IdHelp, "&Help"}};
// Mnemonics the buttons keep for themselves: Help, and the toggle's "3" and "2".
constexpr const char* ButtonMnemonics = "h32";
// Wide enough for a typical URL, in average letters.
constexpr int UrlFieldChars = 50;
// Room in the title bar beside the title for the window's icon and buttons, in title-bar heights.
constexpr int TitleBarButtons = 3;

QString Q(const std::string& text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

int NextRow(const QGridLayout* grid) {
    return grid->count() == 0 ? 0 : grid->rowCount();
}

bool IsField(const ControlTemplate& control) {
    return control.kind == ControlKind::Edit || control.kind == ControlKind::EditableCombo ||
           control.kind == ControlKind::ListCombo;
}

// A check box starting a row with an unlabelled field beside it ("Border width" and its width).
bool SwitchesFieldBeside(const ControlTemplate& control, const ControlTemplate* next) {
    return control.kind == ControlKind::CheckBox && !control.besidePrevious && next && next->besidePrevious &&
           IsField(*next) && next->text.empty();
}

bool TakesCaption(const ControlTemplate& control) {
    return control.kind == ControlKind::CheckBox || control.kind == ControlKind::RadioButton ||
           control.kind == ControlKind::PushButton;
}

} // namespace

DialogWindow::DialogWindow(const DialogTemplate& dialogTemplate, QWidget* parent)
    : QDialog(parent), m_template(dialogTemplate) {
    setWindowTitle(Q(m_template.title));
    m_fields = new QGridLayout;
    m_fields->setColumnStretch(1, 1);
    CreateContents(m_fields, 0, m_template.controls.size());
    CloseRow();
    QBoxLayout* buttons = CreateButtons();

    if (m_template.buttons == ButtonPlacement::RightColumn) {
        auto* root = new QHBoxLayout(this);
        m_fieldsHolder = new QVBoxLayout;
        m_fieldsHolder->addLayout(m_fields);
        m_fieldsHolder->addStretch(1);
        root->addLayout(m_fieldsHolder, 1);
        root->addLayout(buttons);
    } else {
        m_fieldsHolder = new QVBoxLayout(this);
        m_fieldsHolder->addLayout(buttons);
        m_fieldsHolder->addSpacing(DialogUnitsToPixelsY(4, fontMetrics()));
        m_fieldsHolder->addLayout(m_fields);
        m_fieldsHolder->addStretch(1);
    }
    AssignMnemonics();
    // F1 asks for the dialog's help, as its Help button does.
    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this, [this] { emit notified(IdHelp); });

    ApplyTabOrder();
}

// The fields in template order, then the buttons.
void DialogWindow::ApplyTabOrder() {
    std::vector<QWidget*> order = m_tabOrder;
    for (int id : {IdOk, IdCancel, IdHelp, IdToggle})
        if (QWidget* button = Control(id))
            order.push_back(button);
    for (size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

QWidget* DialogWindow::Control(int id) const {
    auto found = m_controls.find(id);
    return found == m_controls.end() ? nullptr : found->second;
}

QButtonGroup* DialogWindow::RadioGroup(int firstId) const {
    auto found = m_radioGroups.find(firstId);
    return found == m_radioGroups.end() ? nullptr : found->second;
}

QWidget* DialogWindow::Label(int id) const {
    auto found = m_labels.find(id);
    return found == m_labels.end() ? nullptr : found->second;
}

void DialogWindow::EnableControl(int id, bool enabled) {
    if (enabled)
        m_disabled.erase(id);
    else
        m_disabled.insert(id);
    for (QWidget* widget : {Control(id), Label(id)}) {
        if (widget == nullptr)
            continue;
        if (enabled)
            m_disabledWidgets.erase(widget);
        else
            m_disabledWidgets.insert(widget);
        ApplyEnabled(widget);
    }
}

// A widget is enabled unless the dialog disabled it or the short layout hides it.
void DialogWindow::ApplyEnabled(QWidget* widget) {
    const bool hidden = !m_expanded && std::find(m_expandedPart.begin(), m_expandedPart.end(), widget) !=
                                           m_expandedPart.end();
    widget->setEnabled(!hidden && !m_disabledWidgets.count(widget));
}

void DialogWindow::ShowLayout(bool expanded, const std::string& title, const std::string& toggleCaption) {
    SetToggleCaption(Q(toggleCaption));
    // The first layout is measured with its title.
    setWindowTitle(Q(title));
    SetExpanded(expanded);
}

void DialogWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The window manager may activate a new window after it is shown; the focus then reaches the
    // field chosen before, with its frame and caret.
    QTimer::singleShot(0, this, [this] {
        activateWindow();
        if (QWidget* focus = focusWidget())
            focus->setFocus(Qt::ActiveWindowFocusReason);
    });
}

QBoxLayout* DialogWindow::CreateButtons() {
    const bool column = m_template.buttons == ButtonPlacement::RightColumn;
    QBoxLayout* box = column ? static_cast<QBoxLayout*>(new QVBoxLayout) : new QHBoxLayout;
    auto add = [&](int id, const QString& caption) {
        // Auto-default: Return presses the focused button, and OK while a field has the focus.
        auto* button = new QPushButton(caption, this);
        button->setAutoDefault(true);
        m_controls[id] = button;
        connect(button, &QPushButton::clicked, this, [this, id] { emit notified(id); });
        box->addWidget(button);
        return button;
    };
    for (const auto& standard : StandardButtons)
        add(standard.id, QString::fromLatin1(standard.caption));
    static_cast<QPushButton*>(Control(IdOk))->setDefault(true);
    if (m_template.expandable) {
        if (!column)
            box->addStretch(1);
        // Its caption follows the layout; the runner sets it.
        m_toggle = add(IdToggle, QString());
    }
    box->addStretch(1);
    return box;
}

void DialogWindow::CreateContents(QGridLayout* grid, size_t first, size_t end) {
    for (size_t i = first; i < end; ++i) {
        const ControlTemplate& control = m_template.controls[i];
        if (control.kind != ControlKind::RadioButton)
            m_currentRadioGroup = nullptr;
        if (SwitchesFieldBeside(control, i + 1 < end ? &m_template.controls[i + 1] : nullptr)) {
            // The check box stands where a label would, so the field it switches lines up.
            QWidget* box = CreateWidget(control);
            const ControlTemplate& field = m_template.controls[++i];
            AddRow(grid, field, CreateWidget(field), box);
            continue;
        }
        if (control.kind != ControlKind::GroupBox) {
            QWidget* widget = CreateWidget(control);
            if (control.besidePrevious && m_row.box)
                AddBeside(control, widget,
                          HasSeparateLabel(control) ? CreateLabel(control, widget) : nullptr);
            else
                AddRow(grid, control, widget,
                       HasSeparateLabel(control) ? CreateLabel(control, widget) : nullptr);
            continue;
        }
        CloseRow();
        auto* box = new QGroupBox(Q(control.text), this);
        auto* inner = new QGridLayout(box);
        inner->setColumnStretch(1, 1);
        const size_t last = std::min(end, i + 1 + size_t(std::max(control.span, 0)));
        CreateContents(inner, i + 1, last);
        CloseRow();
        grid->addWidget(box, NextRow(grid), 0, 1, 2);
        Remember(box, control.part);
        m_currentRadioGroup = nullptr;
        i = last - 1;
    }
}

void DialogWindow::AddRow(QGridLayout* grid, const ControlTemplate& control, QWidget* widget,
                          QWidget* label) {
    CloseRow();
    // A free text straight above an unlabelled field names it.
    if (m_pendingLabel && IsField(control) && !label) {
        static_cast<QLabel*>(m_pendingLabel)->setBuddy(widget);
        m_captions.emplace_back(m_pendingLabel, static_cast<QLabel*>(m_pendingLabel)->text());
    }
    m_pendingLabel = control.kind == ControlKind::Label ? widget : nullptr;

    const int row = NextRow(grid);
    auto* box = new QHBoxLayout;
    box->addWidget(widget);
    if (label) {
        if (std::find(m_labelledGrids.begin(), m_labelledGrids.end(), grid) == m_labelledGrids.end())
            m_labelledGrids.push_back(grid);
        grid->addWidget(label, row, 0);
        grid->addLayout(box, row, 1);
    } else {
        grid->addLayout(box, row, 0, 1, 2);
    }
    // A field with no label of its own takes the whole width, as free text does.
    const bool unlabelledField = IsField(control) && !label;
    if (unlabelledField)
        widget->setSizePolicy(QSizePolicy::Expanding, widget->sizePolicy().verticalPolicy());
    m_row = {box, control.kind == ControlKind::Label || unlabelledField || IsUrlField(control)};
}

void DialogWindow::AddBeside(const ControlTemplate& control, QWidget* widget, QWidget* label) {
    if (label)
        m_row.box->addWidget(label);
    m_row.box->addWidget(widget);
    m_row.expands = m_row.expands || IsUrlField(control);
}

void DialogWindow::CloseRow() {
    if (m_row.box && !m_row.expands)
        m_row.box->addStretch(1);
    m_row = {};
}

QWidget* DialogWindow::CreateWidget(const ControlTemplate& control) {
    QWidget* widget = CreateControlWidget(control, fontMetrics());
    widget->setParent(this);
    if (IsUrlField(control)) {
        const int wide = std::max(DialogUnitsToPixelsX(control.widthHint, fontMetrics()),
                                  UrlFieldChars * fontMetrics().averageCharWidth());
        widget->setMinimumWidth(wide);
        widget->setMaximumWidth(QWIDGETSIZE_MAX);
        widget->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            // Long remembered URLs must not widen the dialog.
            combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
            combo->setMinimumContentsLength(UrlFieldChars);
        }
    }
    if (control.id != IdStatic) {
        m_controls[control.id] = widget;
        Connect(control.id, widget, control);
    }
    if (TakesCaption(control))
        m_captions.emplace_back(widget, Q(control.text));
    if (control.kind == ControlKind::RadioButton)
        JoinRadioGroup(control, widget);
    if (control.kind != ControlKind::Label && control.kind != ControlKind::ColourSwatch)
        m_tabOrder.push_back(widget);
    Remember(widget, control.part);
    return widget;
}

QWidget* DialogWindow::CreateLabel(const ControlTemplate& control, QWidget* buddy) {
    auto* label = new QLabel(Q(control.text), this);
    label->setBuddy(buddy);
    if (control.id != IdStatic)
        m_labels[control.id] = label;
    m_captions.emplace_back(label, label->text());
    Remember(label, control.part);
    return label;
}

void DialogWindow::Connect(int id, QWidget* widget, const ControlTemplate& control) {
    auto notify = [this, id] { emit notified(id); };
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        connect(edit, &QLineEdit::textChanged, this, notify);
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        // A list reports only what the user chooses; an editable combo every change of its text.
        if (control.kind == ControlKind::EditableCombo)
            connect(combo, &QComboBox::editTextChanged, this, notify);
        else
            connect(combo, &QComboBox::activated, this, notify);
    } else if (auto* push = qobject_cast<QPushButton*>(widget)) {
        // A push button opens a chooser or a sub-dialog; when that closes, the keyboard is back
        // on the button, so that Return opens it again.
        connect(push, &QAbstractButton::clicked, this, [this, notify, push] {
            notify();
            ReturnFocusTo(push);
        });
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        connect(button, &QAbstractButton::clicked, this, notify);
    }
}

void DialogWindow::ReturnFocusTo(QWidget* widget) {
    if (!isVisible() || !widget->isVisible() || !widget->isEnabled())
        return;
    if (!isActiveWindow())
        activateWindow();
    widget->setFocus(Qt::OtherFocusReason);
}

void DialogWindow::JoinRadioGroup(const ControlTemplate& control, QWidget* widget) {
    if (control.groupStart || !m_currentRadioGroup) {
        m_currentRadioGroup = new QButtonGroup(this);
        m_radioGroups[control.id] = m_currentRadioGroup;
    }
    auto* button = static_cast<QAbstractButton*>(widget);
    m_currentRadioGroup->addButton(button, int(m_currentRadioGroup->buttons().size()));
    RadioGroupKeys::Watch(*m_currentRadioGroup, *button);
}

void DialogWindow::Remember(QWidget* widget, LayoutPart part) {
    if (part == LayoutPart::Expanded && m_template.expandable)
        m_expandedPart.push_back(widget);
}

void DialogWindow::AssignMnemonics() {
    QStringList captions;
    for (const auto& entry : m_captions)
        captions << entry.second;
    const QStringList assigned = razo::AssignMnemonics(captions, QString::fromLatin1(ButtonMnemonics));
    for (size_t i = 0; i < m_captions.size(); ++i) {
        QWidget* widget = m_captions[i].first;
        if (auto* label = qobject_cast<QLabel*>(widget))
            label->setText(assigned[qsizetype(i)]);
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            button->setText(assigned[qsizetype(i)]);
    }
}

bool DialogWindow::IsUrlField(const ControlTemplate& control) const {
    if (!IsField(control))
        return false;
    if (control.history != HistoryList::None)
        return true;
    return std::any_of(m_template.controls.begin(), m_template.controls.end(),
                       [&](const ControlTemplate& c) { return c.browse && c.browse->fieldId == control.id; });
}

// The height comes from the contents, the width from the template (or the contents when wider):
// the rows here are laid out more tightly than the classic template placed them.
QSize DialogWindow::HintFor(int minWidth) const {
    // Group boxes would take in their new sizes at the next event loop only, after the dialog is
    // sized.
    for (QWidget* child : findChildren<QWidget*>())
        if (child->layout() && child->layout()->activate())
            child->updateGeometry();
    if (m_scroll)
        m_scroll->Remeasure();
    layout()->invalidate();
    layout()->activate();
    const QSize hint = sizeHint();
    const int width = std::max(hint.width(), minWidth);
    int height = hint.height();
    if (layout()->hasHeightForWidth())
        height = std::max(height, heightForWidth(width));
    return {width, height};
}

// The measured size, made to fit the screen: a dialog too big for it gets its fields scrolled.
QSize DialogWindow::FittedHint(int minWidth) {
    QSize hint = HintFor(minWidth);
    const QSize room = RoomOnScreen(*this);
    if (hint.width() <= room.width() && hint.height() <= room.height())
        return hint;
    if (!m_scroll) {
        m_scroll = new FieldsScrollArea(m_fieldsHolder, m_fields, this);
        ApplyTabOrder();
        hint = HintFor(minWidth);
    }
    return FitInto(hint, room, m_scroll->ScrollBarRoom());
}

// At least the template's width and wide enough for the whole title, which a title bar would
// otherwise cut short.
int DialogWindow::MinimumWidth() const {
    QFont bold = font();
    bold.setBold(true);
    const int title = QFontMetrics(bold).horizontalAdvance(windowTitle()) +
                      TitleBarButtons * style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
    return std::max(DialogUnitsToPixelsX(m_template.width, fontMetrics()), title);
}

// Fields start at the same x in every grid, group boxes included.
void DialogWindow::AlignFieldColumns() {
    if (m_labelledGrids.size() < 2)
        return;
    // Lay the hidden window out at its natural size to read where each grid puts its fields.
    layout()->activate();
    layout()->setGeometry(QRect(QPoint(), sizeHint()));
    for (QGroupBox* box : findChildren<QGroupBox*>())
        box->layout()->setGeometry(box->contentsRect());
    std::vector<int> fieldX;
    for (QGridLayout* grid : m_labelledGrids)
        fieldX.push_back(grid->parentWidget()->mapTo(this, grid->cellRect(0, 1).topLeft()).x());
    const int target = *std::max_element(fieldX.begin(), fieldX.end());
    for (size_t i = 0; i < m_labelledGrids.size(); ++i) {
        QGridLayout* grid = m_labelledGrids[i];
        grid->setColumnMinimumWidth(0, grid->cellRect(0, 0).width() + target - fieldX[i]);
    }
}

void DialogWindow::Measure() {
    const int minWidth = MinimumWidth();
    for (QWidget* widget : m_expandedPart)
        widget->setHidden(false);
    AlignFieldColumns();
    m_fullSize = FittedHint(minWidth);
    for (QWidget* widget : m_expandedPart)
        widget->setHidden(true);
    m_shortSize =
        QSize(m_fullSize.width(), std::min(HintFor(m_fullSize.width()).height(), m_fullSize.height()));
    m_measured = true;
}

void DialogWindow::SetExpanded(bool expanded) {
    if (!m_measured)
        Measure();
    m_expanded = expanded;
    for (QWidget* widget : m_expandedPart) {
        widget->setVisible(expanded);
        ApplyEnabled(widget);
    }
    if (m_scroll)
        m_scroll->Remeasure();
    setFixedSize(expanded ? m_fullSize : m_shortSize);
    // The dialog grows down from where it stands; a toggle must not push its lower part off the
    // screen.
    if (isVisible())
        KeepOnScreen(*this);
}

void DialogWindow::FitToContents() {
    AlignFieldColumns();
    m_fullSize = FittedHint(MinimumWidth());
    m_shortSize = m_fullSize;
    m_measured = true;
    setFixedSize(m_fullSize);
}

void DialogWindow::SetToggleCaption(const QString& caption) {
    if (m_toggle)
        m_toggle->setText(caption);
}

void DialogWindow::PaintSwatch(int id, const CColourSwatch& swatch) {
    if (auto* label = qobject_cast<QLabel*>(Control(id)))
        razo::PaintSwatch(*label, swatch);
}

void DialogWindow::FocusAndSelect(int id) {
    QWidget* widget = Control(id);
    if (!widget || !widget->isEnabled() || !widget->isVisibleTo(this))
        return;
    widget->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        edit->selectAll();
    else if (auto* combo = qobject_cast<QComboBox*>(widget); combo && combo->lineEdit())
        combo->lineEdit()->selectAll();
}

void DialogWindow::FocusFirstField() {
    for (QWidget* widget : m_tabOrder) {
        if (widget->isEnabled() && widget->isVisibleTo(this) && (widget->focusPolicy() & Qt::TabFocus)) {
            // Selected, as Tab would leave it, so that typing replaces what the field offers.
            widget->setFocus(Qt::OtherFocusReason);
            if (auto* edit = qobject_cast<QLineEdit*>(widget))
                edit->selectAll();
            return;
        }
    }
    Control(IdOk)->setFocus(Qt::OtherFocusReason);
}

} // namespace razo
