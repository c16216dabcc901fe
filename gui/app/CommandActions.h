#pragma once
#include <QObject>
#include <functional>
#include <map>

class QAction;
class QWidget;

namespace razo {

// One QAction per command of the command table: text (caption, tab, accelerator text), status-bar
// prompt and tooltip, the command id in data(). Triggering one calls the given callback with the id.
class CommandActions {
public:
    using Trigger = std::function<void(int)>;

    CommandActions(QObject* owner, Trigger trigger);

    // nullptr for an id that is not in the command table.
    QAction* Action(int id) const;
    const std::map<int, QAction*>& All() const { return m_actions; }

    // A further action for `id` with its own text, for a menu that shows the command differently.
    QAction* Alias(int id, const QString& text, QObject* owner) const;

    // The id an action stands for, 0 for none.
    static int IdOf(const QAction* action);

private:
    std::map<int, QAction*> m_actions;
    Trigger m_trigger;
};

// "caption\ttab" as a menu shows it (the part after the tab is right-aligned).
QString MenuText(const char* caption, const char* tabText);

} // namespace razo
