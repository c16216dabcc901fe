#include "gui/app/ContextHelp.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "core/help/CommandHelp.h"
#include "core/resources/CommandIds.h"
#include "gui/app/CommandActions.h"
#include "gui/app/Toolbars.h"

namespace razo {

ContextHelp::ContextHelp(Hooks hooks, QObject* parent) : QObject(parent), m_hooks(std::move(hooks)) {
    qApp->installEventFilter(this);
}

ContextHelp::~ContextHelp() {
    qApp->removeEventFilter(this);
    if (m_active)
        QApplication::restoreOverrideCursor();
}

void ContextHelp::Enter() {
    if (m_active)
        return;
    m_active = true;
    QApplication::setOverrideCursor(Qt::WhatsThisCursor);
    if (m_hooks.modeChanged)
        m_hooks.modeChanged(true);
}

void ContextHelp::Leave() {
    if (!m_active)
        return;
    m_active = false;
    QApplication::restoreOverrideCursor();
    if (m_hooks.modeChanged)
        m_hooks.modeChanged(false);
}

QString ContextHelp::CommandLink(int commandId) {
    // Every entry of the recent-file list is described once, as the list.
    if (commandId >= cmd::FileMruFirst && commandId <= cmd::FileMruLast)
        commandId = cmd::FileMruFirst;
    return QString::fromStdString(CommandHelpLink(commandId));
}

QString ContextHelp::MenuItemLink(QMenu* menu, QAction* action) {
    if (action != nullptr && action->menu() == nullptr && !action->isSeparator())
        if (const QString link = CommandLink(CommandActions::IdOf(action)); !link.isEmpty())
            return link;
    // A submenu, a separator or a list entry of no command: the page of the menu it is in.
    for (QWidget* w = menu; w != nullptr; w = w->parentWidget())
        if (auto* top = qobject_cast<QMenu*>(w); top && qobject_cast<QMenuBar*>(top->parentWidget()))
            return QString::fromStdString(MenuHelpLink(top->title().toStdString()));
    return {};
}

QString ContextHelp::LinkAt(QWidget* widget, QPoint pos) {
    if (auto* menu = qobject_cast<QMenu*>(widget))
        return menu->rect().contains(pos) ? MenuItemLink(menu, menu->actionAt(pos)) : QString();
    if (auto* button = qobject_cast<QToolButton*>(widget))
        if (const QString link = CommandLink(CommandActions::IdOf(button->defaultAction())); !link.isEmpty())
            return link;
    // The bare toolbar: the View menu item that shows and hides it.
    for (QWidget* w = widget; w != nullptr; w = w->parentWidget())
        if (auto* bar = qobject_cast<QToolBar*>(w)) {
            const int id = MainToolbars::ControlIdOf(*bar);
            return id != 0 ? CommandLink(id) : QString();
        }
    return {};
}

void ContextHelp::Answer(const QString& link) {
    while (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    QTimer::singleShot(0, this, [this, link] { m_hooks.show(link); });
}

bool ContextHelp::eventFilter(QObject* watched, QEvent* event) {
    if (!watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        auto* menu = qobject_cast<QMenu*>(widget);
        // An open menu has the keyboard, so F1 never reaches the window's own key.
        if (menu != nullptr && key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier) {
            Leave();
            Answer(MenuItemLink(menu, menu->activeAction()));
            return true;
        }
        if (!m_active)
            return false;
        if (key->key() == Qt::Key_Escape) {
            Leave();
            return true;
        }
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && menu != nullptr && menu->activeAction() != nullptr &&
            menu->activeAction()->menu() == nullptr) {
            Leave();
            Answer(MenuItemLink(menu, menu->activeAction()));
            return true;
        }
        return false;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        if (!m_active)
            return false;
        const QPoint pos = static_cast<QMouseEvent*>(event)->position().toPoint();
        // A menu title or a submenu opens as usual, so the user can point at an item in it.
        if (qobject_cast<QMenuBar*>(widget) != nullptr)
            return false;
        if (auto* menu = qobject_cast<QMenu*>(widget); menu != nullptr && menu->rect().contains(pos))
            if (QAction* action = menu->actionAt(pos); action != nullptr && action->menu() != nullptr)
                return false;
        Leave();
        m_swallowRelease = true;
        Answer(LinkAt(widget, pos));
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (!m_swallowRelease)
            return false;
        m_swallowRelease = false;
        return true;
    default:
        return false;
    }
}

} // namespace razo
