#include "core/app/CommandRouter.h"

namespace razo {

const CommandTarget::Handler* CommandTarget::FindCommand(int id) const {
    auto it = m_commands.find(id);
    return it == m_commands.end() ? nullptr : &it->second;
}

const CommandTarget::UpdateHandler* CommandTarget::FindUpdate(int id) const {
    auto it = m_updates.find(id);
    return it == m_updates.end() ? nullptr : &it->second;
}

CmdUI CommandRouter::QueryState(int id) const {
    CmdUI ui;
    ui.id = id;
    for (const CommandTarget* target : m_route) {
        if (target == nullptr)
            continue;
        if (const auto* update = target->FindUpdate(id)) {
            (*update)(ui);
            return ui;
        }
    }
    ui.enabled = false;
    for (const CommandTarget* target : m_route) {
        if (target != nullptr && target->FindCommand(id) != nullptr) {
            ui.enabled = true;
            break;
        }
    }
    return ui;
}

bool CommandRouter::Execute(int id) const {
    if (!QueryState(id).enabled)
        return false;
    for (const CommandTarget* target : m_route) {
        if (target == nullptr)
            continue;
        if (const auto* handler = target->FindCommand(id)) {
            // A handler may close the document whose target holds it: run a copy.
            auto run = *handler;
            run();
            return true;
        }
    }
    return false;
}

} // namespace razo
