#pragma once
#include <QList>
#include <functional>
#include <vector>

#include "core/resources/Menus.h"

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace razo {

class CommandActions;

// Builds a menu bar from a menu table. Command items use the shared action of their id (or an
// alias when the table gives the item a text of its own). The recent-file list and the window
// list are left to the callbacks, which get the menu and run again whenever it opens.
class MenuBuilder {
public:
    struct Hooks {
        // Runs before every menu opens: update the state of its command items.
        std::function<void(QMenu*)> aboutToShow;
        // The recent-file list and the window list: fill `menu` from the marker on. The marker
        // is an invisible separator where the list starts.
        std::function<void(QMenu*, QAction* marker)> recentFiles;
        std::function<void(QMenu*, QAction* marker)> windowList;
    };

    MenuBuilder(const CommandActions& actions, Hooks hooks) : m_actions(actions), m_hooks(std::move(hooks)) {}

    QMenuBar* Build(const std::vector<MenuEntry>& bar, QWidget* parent) const;
    // One menu of its own (a context menu), deleted when it closes.
    QMenu* BuildMenu(const std::vector<MenuEntry>& entries, QWidget* parent) const;

private:
    void Fill(QMenu* menu, const std::vector<MenuEntry>& entries) const;
    void AddList(QMenu* menu, const std::function<void(QMenu*, QAction*)>& fill) const;

    const CommandActions& m_actions;
    Hooks m_hooks;
};

// Replaces the items a previous call put after `marker` with `items` (the menu takes them).
void ReplaceMenuList(QMenu* menu, QAction* marker, const QList<QAction*>& items);

} // namespace razo
