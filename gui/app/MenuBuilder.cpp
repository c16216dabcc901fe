#include "gui/app/MenuBuilder.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "core/resources/CommandTable.h"
#include "gui/app/CommandActions.h"

namespace razo {
namespace {

QString EntryText(const MenuEntry& entry) {
    return MenuText(entry.caption.c_str(), entry.tabText.c_str());
}

} // namespace

QMenuBar* MenuBuilder::Build(const std::vector<MenuEntry>& bar, QWidget* parent) const {
    auto* menuBar = new QMenuBar(parent);
    for (const MenuEntry& top : bar) {
        QMenu* menu = menuBar->addMenu(QString::fromStdString(top.caption));
        Fill(menu, top.children);
    }
    return menuBar;
}

QMenu* MenuBuilder::BuildMenu(const std::vector<MenuEntry>& entries, QWidget* parent) const {
    auto* menu = new QMenu(parent);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    Fill(menu, entries);
    return menu;
}

void MenuBuilder::Fill(QMenu* menu, const std::vector<MenuEntry>& entries) const {
    for (const MenuEntry& entry : entries) {
        switch (entry.kind) {
        case MenuEntryKind::Separator:
            menu->addSeparator();
            break;
        case MenuEntryKind::Submenu: {
            QMenu* sub = menu->addMenu(QString::fromStdString(entry.caption));
            // The submenu's title carries the dialect hint after the tab, as an item would.
            if (!entry.tabText.empty())
                sub->menuAction()->setText(EntryText(entry));
            Fill(sub, entry.children);
            break;
        }
        case MenuEntryKind::Command: {
            QAction* shared = m_actions.Action(entry.id);
            const CommandInfo* info = FindCommand(entry.id);
            const bool ownText = info != nullptr && !entry.caption.empty() &&
                                 (entry.caption != info->caption || entry.tabText != MenuTabText(entry.id));
            if (shared == nullptr || ownText)
                menu->addAction(m_actions.Alias(entry.id, EntryText(entry), menu));
            else
                menu->addAction(shared);
            break;
        }
        case MenuEntryKind::RecentFiles:
            AddList(menu, m_hooks.recentFiles);
            break;
        case MenuEntryKind::WindowList:
            AddList(menu, m_hooks.windowList);
            break;
        }
    }
    // Connected last, so the lists above are filled before their items' state is set.
    QObject::connect(menu, &QMenu::aboutToShow, menu, [this, menu] {
        if (m_hooks.aboutToShow)
            m_hooks.aboutToShow(menu);
    });
}

void ReplaceMenuList(QMenu* menu, QAction* marker, const QList<QAction*>& items) {
    const char* tag = "razoListOf";
    const QVariant owner = QVariant::fromValue(reinterpret_cast<quintptr>(marker));
    for (QAction* action : menu->actions())
        if (action->property(tag) == owner) {
            menu->removeAction(action);
            action->deleteLater();
        }
    const QList<QAction*> all = menu->actions();
    const qsizetype at = all.indexOf(marker) + 1;
    QAction* before = at < all.size() ? all[at] : nullptr;
    for (QAction* item : items) {
        item->setProperty(tag, owner);
        menu->insertAction(before, item);
    }
}

void MenuBuilder::AddList(QMenu* menu, const std::function<void(QMenu*, QAction*)>& fill) const {
    QAction* marker = menu->addSeparator();
    marker->setVisible(false);
    if (!fill)
        return;
    fill(menu, marker);
    QObject::connect(menu, &QMenu::aboutToShow, menu, [fill, menu, marker] { fill(menu, marker); });
}

} // namespace razo
