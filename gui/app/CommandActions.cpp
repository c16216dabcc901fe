#include "gui/app/CommandActions.h"

#include <QAction>

#include "core/resources/CommandTable.h"

namespace razo {

QString MenuText(const char* caption, const char* tabText) {
    QString text = QString::fromUtf8(caption);
    if (tabText != nullptr && *tabText != '\0')
        text += '\t' + QString::fromUtf8(tabText);
    return text;
}

CommandActions::CommandActions(QObject* owner, Trigger trigger) : m_trigger(std::move(trigger)) {
    for (const CommandInfo& info : Commands()) {
        auto* action = new QAction(MenuText(info.caption, MenuTabText(info.id).c_str()), owner);
        action->setData(info.id);
        action->setObjectName(QString::fromUtf8(info.key));
        action->setStatusTip(QString::fromUtf8(info.prompt));
        action->setToolTip(QString::fromUtf8(info.tooltip));
        // Menus show the accelerator from the tab text; the keys themselves are bound elsewhere.
        action->setShortcutVisibleInContextMenu(false);
        const int id = info.id;
        QObject::connect(action, &QAction::triggered, action, [this, id] { m_trigger(id); });
        m_actions.emplace(id, action);
    }
}

QAction* CommandActions::Action(int id) const {
    auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}

QAction* CommandActions::Alias(int id, const QString& text, QObject* owner) const {
    auto* alias = new QAction(text, owner);
    alias->setData(id);
    if (const QAction* original = Action(id)) {
        alias->setStatusTip(original->statusTip());
        alias->setToolTip(original->toolTip());
    }
    QObject::connect(alias, &QAction::triggered, alias, [this, id] { m_trigger(id); });
    return alias;
}

int CommandActions::IdOf(const QAction* action) {
    if (action == nullptr)
        return 0;
    bool ok = false;
    const int id = action->data().toInt(&ok);
    return ok ? id : 0;
}

} // namespace razo
