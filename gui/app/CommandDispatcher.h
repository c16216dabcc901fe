#pragma once
#include <QObject>
#include <QTimer>
#include <functional>
#include <vector>

#include "core/app/CommandRouter.h"

class QAction;
class QMenu;
class QWidget;

namespace razo {

// The route of every command: menus, accelerators and toolbar buttons all end in Execute, which
// asks the route's update handlers first and runs nothing that is disabled. Update handlers run
// when a menu opens and, for the status panes and toolbar buttons, at idle time.
class CommandDispatcher : public QObject {
    Q_OBJECT
public:
    explicit CommandDispatcher(QObject* parent = nullptr);

    // The route, most specific first: the active document's targets (view, view's editing
    // commands, document), then the frame and the application. Null entries are skipped.
    void SetDocumentRoute(std::vector<const CommandTarget*> documentTargets);
    void SetFixedTargets(const CommandTarget* frame, const CommandTarget* app);

    const CommandRouter& Router() const { return m_router; }
    CmdUI QueryState(int id) const { return m_router.QueryState(id); }
    // Runs the command when it is enabled; returns whether it ran.
    bool Execute(int id);

    // Binds the accelerator table to `window`: each key runs its command through Execute.
    void BindAccelerators(QWidget* window);

    // Sets enabled and checked of every command item of the menu from the route.
    void UpdateMenu(QMenu* menu) const;
    void UpdateAction(QAction* action) const;

    // Something that refreshes at idle (status panes, toolbar buttons).
    void AddIdleHandler(std::function<void()> handler) { m_idleHandlers.push_back(std::move(handler)); }
    // Asks for an idle pass once the event queue is empty.
    void ScheduleIdle();
    // Runs the idle handlers now.
    void RunIdle();

private:
    void ApplyRoute();

    CommandRouter m_router;
    std::vector<const CommandTarget*> m_documentTargets;
    const CommandTarget* m_frame = nullptr;
    const CommandTarget* m_app = nullptr;
    std::vector<std::function<void()>> m_idleHandlers;
    QTimer m_idleTimer;
};

} // namespace razo
