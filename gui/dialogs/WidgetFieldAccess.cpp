#include "gui/dialogs/WidgetFieldAccess.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include "gui/dialogs/ControlWidgets.h"
#include "gui/dialogs/DialogWindow.h"

namespace razo {

namespace {

QString Q(const std::string& text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

std::string S(const QString& text) {
    return text.toUtf8().toStdString();
}

int FindExact(const QComboBox& combo, const QString& text) {
    return combo.findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
}

} // namespace

template <class Widget> Widget* WidgetFieldAccess::As(int id) const {
    return qobject_cast<Widget*>(m_window.Control(id));
}

std::string WidgetFieldAccess::GetText(int id) const {
    if (auto* edit = As<QLineEdit>(id))
        return S(edit->text());
    if (auto* combo = As<QComboBox>(id)) {
        if (!combo->isEditable() && combo->currentIndex() < 0)
            return {};
        return S(combo->currentText());
    }
    if (auto* button = As<QAbstractButton>(id))
        return S(button->text());
    if (auto* label = As<QLabel>(id))
        return S(label->text());
    return {};
}

void WidgetFieldAccess::SetText(int id, const std::string& text) {
    if (auto* edit = As<QLineEdit>(id)) {
        edit->setText(Q(text));
    } else if (auto* combo = As<QComboBox>(id)) {
        if (combo->isEditable()) {
            combo->setEditText(Q(text));
        } else {
            QSignalBlocker quiet(combo);
            combo->setCurrentIndex(FindExact(*combo, Q(text)));
        }
    } else if (auto* button = As<QAbstractButton>(id)) {
        button->setText(Q(text));
    } else if (auto* label = As<QLabel>(id)) {
        label->setText(Q(text));
    }
}

int WidgetFieldAccess::GetCheck(int id) const {
    auto* button = As<QAbstractButton>(id);
    return button && button->isChecked() ? 1 : 0;
}

void WidgetFieldAccess::SetCheck(int id, int state) {
    if (auto* button = As<QAbstractButton>(id))
        button->setChecked(state != 0);
}

int WidgetFieldAccess::GetListIndex(int id) const {
    auto* combo = As<QComboBox>(id);
    return combo ? combo->currentIndex() : -1;
}

void WidgetFieldAccess::SetListIndex(int id, int index) {
    if (auto* combo = As<QComboBox>(id)) {
        QSignalBlocker quiet(combo);
        combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
    }
}

bool WidgetFieldAccess::SelectListString(int id, const std::string& text) {
    auto* combo = As<QComboBox>(id);
    if (!combo)
        return false;
    const int index = FindExact(*combo, Q(text));
    if (index < 0)
        return false;
    QSignalBlocker quiet(combo);
    combo->setCurrentIndex(index);
    return true;
}

void WidgetFieldAccess::AddListEntry(int id, const std::string& text) {
    auto* combo = As<QComboBox>(id);
    if (!combo)
        return;
    const ControlTemplate* control = m_window.Template().Find(id);
    QSignalBlocker quiet(combo);
    AddComboEntry(*combo, Q(text), control && control->sorted);
}

int WidgetFieldAccess::GetRadioIndex(int firstId) const {
    QButtonGroup* group = m_window.RadioGroup(firstId);
    return group ? group->checkedId() : -1;
}

void WidgetFieldAccess::SetRadioIndex(int firstId, int index) {
    QButtonGroup* group = m_window.RadioGroup(firstId);
    if (!group)
        return;
    if (QAbstractButton* button = group->button(index)) {
        button->setChecked(true);
        return;
    }
    // No button ticked: an exclusive group only lets go of its button while not exclusive.
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons())
        button->setChecked(false);
    group->setExclusive(true);
}

void WidgetFieldAccess::EnableControl(int id, bool enabled) {
    m_window.EnableControl(id, enabled);
}

bool WidgetFieldAccess::IsEnabled(int id) const {
    return m_window.IsControlEnabled(id);
}

} // namespace razo
