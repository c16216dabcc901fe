#include "gui/dialogs/RadioGroupKeys.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QKeyEvent>

namespace razo {

namespace {

// +1 for Down and Right, -1 for Up and Left, 0 for any other key.
int StepOf(const QKeyEvent& key) {
    if (key.modifiers() & ~Qt::KeypadModifier)
        return 0;
    switch (key.key()) {
    case Qt::Key_Down:
    case Qt::Key_Right:
        return 1;
    case Qt::Key_Up:
    case Qt::Key_Left:
        return -1;
    default:
        return 0;
    }
}

} // namespace

void RadioGroupKeys::Watch(QButtonGroup& group, QAbstractButton& button) {
    auto* keys = group.findChild<RadioGroupKeys*>(QString(), Qt::FindDirectChildrenOnly);
    if (keys == nullptr)
        keys = new RadioGroupKeys(group);
    button.installEventFilter(keys);
}

RadioGroupKeys::RadioGroupKeys(QButtonGroup& group) : QObject(&group), m_group(group) {}

bool RadioGroupKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const int step = StepOf(static_cast<const QKeyEvent&>(*event));
    auto* button = qobject_cast<QAbstractButton*>(watched);
    if (step == 0 || button == nullptr)
        return false;
    Step(*button, step);
    return true;
}

void RadioGroupKeys::Step(QAbstractButton& from, int step) {
    const QList<QAbstractButton*> buttons = m_group.buttons();
    const qsizetype count = buttons.size();
    const qsizetype start = buttons.indexOf(&from);
    for (qsizetype i = 1; start >= 0 && i < count; ++i) {
        QAbstractButton* next = buttons[(start + step * i + count * i) % count];
        if (!next->isEnabled() || !next->isVisible())
            continue;
        next->setFocus(step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        if (!next->isChecked())
            next->click();
        return;
    }
}

} // namespace razo
