#include "gui/app/CommandDispatcher.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QShortcut>
#include <QWidget>

#include "core/resources/Accelerators.h"
#include "gui/app/CommandActions.h"

namespace razo {

CommandDispatcher::CommandDispatcher(QObject* parent) : QObject(parent) {
    m_idleTimer.setSingleShot(true);
    m_idleTimer.setInterval(0);
    connect(&m_idleTimer, &QTimer::timeout, this, &CommandDispatcher::RunIdle);
}

void CommandDispatcher::SetDocumentRoute(std::vector<const CommandTarget*> documentTargets) {
    m_documentTargets = std::move(documentTargets);
    ApplyRoute();
}

void CommandDispatcher::SetFixedTargets(const CommandTarget* frame, const CommandTarget* app) {
    m_frame = frame;
    m_app = app;
    ApplyRoute();
}

void CommandDispatcher::ApplyRoute() {
    std::vector<const CommandTarget*> route = m_documentTargets;
    route.push_back(m_frame);
    route.push_back(m_app);
    m_router.SetRoute(std::move(route));
    ScheduleIdle();
}

bool CommandDispatcher::Execute(int id) {
    const bool ran = m_router.Execute(id);
    ScheduleIdle();
    return ran;
}

void CommandDispatcher::BindAccelerators(QWidget* window) {
    for (const Accelerator& accelerator : AcceleratorTable()) {
        const QKeySequence keys = QKeySequence::fromString(QString::fromUtf8(accelerator.keys));
        if (keys.isEmpty() || keys[0].key() == Qt::Key_unknown) {
            qWarning("Razo: accelerator %s is not a key Qt knows", accelerator.keys);
            continue;
        }
        auto* shortcut = new QShortcut(keys, window);
        shortcut->setContext(Qt::WindowShortcut);
        const int id = accelerator.id;
        // The accelerator always reaches the route, which refuses a disabled command: the
        // menus' state may be stale between idle passes.
        connect(shortcut, &QShortcut::activated, this, [this, id] { Execute(id); });
    }
}

void CommandDispatcher::UpdateAction(QAction* action) const {
    const int id = CommandActions::IdOf(action);
    if (id == 0 || action->isSeparator() || action->menu() != nullptr)
        return;
    const CmdUI ui = m_router.QueryState(id);
    action->setEnabled(ui.enabled);
    if (ui.checked) {
        action->setCheckable(true);
        action->setChecked(*ui.checked);
    } else if (action->isCheckable()) {
        action->setChecked(false);
    }
}

void CommandDispatcher::UpdateMenu(QMenu* menu) const {
    for (QAction* action : menu->actions())
        UpdateAction(action);
}

void CommandDispatcher::ScheduleIdle() {
    if (!m_idleTimer.isActive())
        m_idleTimer.start();
}

void CommandDispatcher::RunIdle() {
    m_idleTimer.stop();
    for (const auto& handler : m_idleHandlers)
        handler();
}

} // namespace razo
