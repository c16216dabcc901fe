#pragma once
#include <QObject>
#include <set>
#include <vector>

#include "core/app/ToolbarState.h"

class QMainWindow;
class QToolBar;

namespace razo {

class CommandActions;
class CommandDispatcher;
class CommandTarget;

// The sixteen toolbars of the main window, built from the toolbar table in creation order. Their
// buttons are the program's command actions, so tooltips and status prompts come from the
// command table and a button is enabled exactly when its command is.
class MainToolbars : public QObject {
    Q_OBJECT
public:
    // Creates the toolbars and docks them in the default layout.
    MainToolbars(QMainWindow& window, const CommandActions& actions, CommandDispatcher& dispatcher);

    // The View menu toggles: show or hide a toolbar, checked exactly while it is shown.
    void RegisterToggles(CommandTarget& frame);

    const std::vector<QToolBar*>& Bars() const { return m_bars; }
    // nullptr for an id that names no toolbar.
    QToolBar* Bar(int controlId) const;
    // The id of one of these toolbars (its View menu command); 0 for any other widget.
    static int ControlIdOf(const QToolBar& bar);

    // Puts every toolbar where `layout` says: side, row (toolbar breaks), order in its row,
    // floating position and visibility. A toolbar the layout leaves out keeps its place. A shown
    // floating toolbar waits for the main window to be shown (see ShowWaitingBars).
    void ApplyLayout(const std::vector<ToolbarPlacementState>& layout);
    // Shows the floating toolbars that waited for the main window, above it.
    void ShowWaitingBars();
    // Where the toolbars are now, read from the window: rows counted from the window's edge.
    std::vector<ToolbarPlacementState> CurrentLayout() const;

    // Enables each button as its command's update handler says (run at idle).
    void UpdateButtons() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QToolBar* CreateBar(const ToolbarInfo& info, const CommandActions& actions);

    QMainWindow& m_window;
    CommandDispatcher& m_dispatcher;
    std::vector<QToolBar*> m_bars;
    // A floating toolbar shown before its main window has no window to stay above and opens
    // under it; these wait until the main window is shown.
    std::set<QToolBar*> m_waiting;
};

} // namespace razo
