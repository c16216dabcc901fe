#pragma once
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace razo {

// What an update handler may say about a command: the classic command-update object.
struct CmdUI {
    int id = 0;
    bool enabled = true;
    std::optional<bool> checked;     // set when the handler gives a check mark
    std::optional<std::string> text; // set when the handler gives a text (status panes)
    void Enable(bool on = true) { enabled = on; }
    void SetCheck(bool on = true) { checked = on; }
    void SetText(std::string t) { text = std::move(t); }
};

// One link of the route: a view, a document, the main frame or the application.
class CommandTarget {
public:
    using Handler = std::function<void()>;
    using UpdateHandler = std::function<void(CmdUI&)>;

    void OnCommand(int id, Handler handler) { m_commands[id] = std::move(handler); }
    void OnUpdate(int id, UpdateHandler handler) { m_updates[id] = std::move(handler); }
    const Handler* FindCommand(int id) const;
    const UpdateHandler* FindUpdate(int id) const;

private:
    std::map<int, Handler> m_commands;
    std::map<int, UpdateHandler> m_updates;
};

// Routes a command to the first target of the route that handles it. A command is enabled when
// the first target with an update handler says so; without one, when some target handles it.
// A command that is disabled is never run, whatever sent it.
class CommandRouter {
public:
    // The route, most specific first: active view, its document, main frame, application.
    // Null entries (no document open) are skipped.
    void SetRoute(std::vector<const CommandTarget*> route) { m_route = std::move(route); }

    CmdUI QueryState(int id) const;
    // Runs the command when it is enabled; returns whether it ran.
    bool Execute(int id) const;

private:
    std::vector<const CommandTarget*> m_route;
};

} // namespace razo
