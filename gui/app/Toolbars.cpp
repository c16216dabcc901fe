#include "gui/app/Toolbars.h"

#include <QAction>
#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QToolBar>
#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <tuple>

#include "core/app/CommandRouter.h"
#include "core/resources/CommandTable.h"
#include "core/resources/EntityTable.h"
#include "gui/app/CommandActions.h"
#include "gui/app/CommandDispatcher.h"
#include "gui/resources/CommandIcons.h"

namespace razo {
namespace {

// Wider than high: most images are tag names of up to four letters.
constexpr QSize kButtonImage(30, 22);
// Which toolbar of the table a QToolBar is, for whoever meets one (context help).
constexpr const char* kControlIdProperty = "razoControlId";

Qt::ToolBarArea AreaOf(DockSide side) {
    switch (side) {
    case DockSide::Bottom:
        return Qt::BottomToolBarArea;
    case DockSide::Left:
        return Qt::LeftToolBarArea;
    case DockSide::Right:
        return Qt::RightToolBarArea;
    case DockSide::Top:
        break;
    }
    return Qt::TopToolBarArea;
}

DockSide SideOf(Qt::ToolBarArea area) {
    switch (area) {
    case Qt::BottomToolBarArea:
        return DockSide::Bottom;
    case Qt::LeftToolBarArea:
        return DockSide::Left;
    case Qt::RightToolBarArea:
        return DockSide::Right;
    default:
        return DockSide::Top;
    }
}

bool IsHorizontal(DockSide side) {
    return side == DockSide::Top || side == DockSide::Bottom;
}

QIcon ButtonIcon(int commandId) {
    static const std::map<int, std::string> entities = [] {
        std::map<int, std::string> texts;
        for (const EntityInfo& entity : EntityTable())
            texts.emplace(entity.id, entity.text);
        return texts;
    }();
    if (const auto entity = entities.find(commandId); entity != entities.end())
        return IconForEntity(entity->second);
    return IconForCommand(commandId);
}

bool HasTooltip(int commandId) {
    const CommandInfo* info = FindCommand(commandId);
    return info != nullptr && info->tooltip != nullptr && *info->tooltip != '\0';
}

void Relayout(QMainWindow& window) {
    window.layout()->invalidate();
    window.layout()->activate();
}

// A hidden toolbar drops out of the window's layout, so its line and place could not be read.
// While this lives, hidden docked toolbars keep their room, and the layout is current.
class HiddenBarsKept {
public:
    HiddenBarsKept(const std::vector<QToolBar*>& bars, QMainWindow& window) : m_window(window) {
        for (QToolBar* bar : bars)
            if (bar->isHidden() && !bar->isFloating()) {
                Retain(bar, true);
                m_kept.push_back(bar);
            }
        Relayout(m_window);
    }
    ~HiddenBarsKept() {
        for (QToolBar* bar : m_kept)
            Retain(bar, false);
        if (!m_kept.empty())
            Relayout(m_window);
    }
    HiddenBarsKept(const HiddenBarsKept&) = delete;
    HiddenBarsKept& operator=(const HiddenBarsKept&) = delete;

private:
    static void Retain(QToolBar* bar, bool retain) {
        QSizePolicy policy = bar->sizePolicy();
        policy.setRetainSizeWhenHidden(retain);
        bar->setSizePolicy(policy);
    }

    QMainWindow& m_window;
    std::vector<QToolBar*> m_kept;
};

// A floating toolbar saved where no screen is now comes back near the main window.
QPoint OnSomeScreen(QPoint saved, QSize size, const QMainWindow& window) {
    const QRect rect(saved, size);
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen->availableGeometry().intersects(rect))
            return saved;
    return window.geometry().topLeft() + QPoint(40, 40);
}

} // namespace

MainToolbars::MainToolbars(QMainWindow& window, const CommandActions& actions, CommandDispatcher& dispatcher)
    : QObject(&window), m_window(window), m_dispatcher(dispatcher) {
    for (const ToolbarInfo& info : Toolbars())
        m_bars.push_back(CreateBar(info, actions));
    ApplyLayout(DefaultToolbarStates());
}

QToolBar* MainToolbars::CreateBar(const ToolbarInfo& info, const CommandActions& actions) {
    auto* bar = new QToolBar(QString::fromUtf8(info.title), &m_window);
    bar->setObjectName(QStringLiteral("toolbar%1").arg(info.controlId));
    bar->setProperty(kControlIdProperty, info.controlId);
    bar->setIconSize(kButtonImage);
    for (int id : info.buttons) {
        if (id == ToolbarSeparator) {
            bar->addSeparator();
            continue;
        }
        QAction* action = actions.Action(id);
        if (action == nullptr) {
            qWarning("Razo: toolbar %d names command %d, which does not exist", info.controlId, id);
            continue;
        }
        // The image belongs to the button; menus keep showing captions only.
        if (action->icon().isNull()) {
            action->setIcon(ButtonIcon(id));
            action->setIconVisibleInMenu(false);
        }
        bar->addAction(action);
        // Qt would show the caption where a command has no tooltip of its own.
        if (!HasTooltip(id))
            bar->widgetForAction(action)->installEventFilter(this);
    }
    return bar;
}

bool MainToolbars::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ToolTip)
        return true;
    return QObject::eventFilter(watched, event);
}

int MainToolbars::ControlIdOf(const QToolBar& bar) {
    return bar.property(kControlIdProperty).toInt();
}

QToolBar* MainToolbars::Bar(int controlId) const {
    const auto info = Toolbars();
    for (size_t i = 0; i < info.size() && i < m_bars.size(); ++i)
        if (info[i].controlId == controlId)
            return m_bars[i];
    return nullptr;
}

void MainToolbars::RegisterToggles(CommandTarget& frame) {
    for (const ToolbarInfo& info : Toolbars()) {
        QToolBar* bar = Bar(info.controlId);
        frame.OnCommand(info.controlId, [bar] { bar->setVisible(bar->isHidden()); });
        frame.OnUpdate(info.controlId, [bar](CmdUI& ui) { ui.SetCheck(!bar->isHidden()); });
    }
}

void MainToolbars::UpdateButtons() const {
    for (QToolBar* bar : m_bars)
        for (QAction* action : bar->actions())
            m_dispatcher.UpdateAction(action);
}

void MainToolbars::ApplyLayout(const std::vector<ToolbarPlacementState>& layout) {
    std::vector<std::pair<QToolBar*, ToolbarPlacementState>> placed;
    std::set<QToolBar*> seen;
    for (const ToolbarPlacementState& state : layout)
        if (QToolBar* bar = Bar(state.controlId); bar != nullptr && seen.insert(bar).second)
            placed.emplace_back(bar, state);
    // Docked bars side by side, rows from the window's edge inward, each row from its start.
    std::stable_sort(placed.begin(), placed.end(), [](const auto& a, const auto& b) {
        const auto& l = a.second;
        const auto& r = b.second;
        return std::tuple(l.floating, l.side, l.row, l.index) <
               std::tuple(r.floating, r.side, r.row, r.index);
    });
    for (const auto& [bar, state] : placed)
        m_window.removeToolBar(bar);

    std::map<DockSide, int> lastRow;
    for (const auto& [bar, state] : placed) {
        if (bar->isFloating())
            bar->setWindowFlags(Qt::Widget);
        const Qt::ToolBarArea area = AreaOf(state.side);
        if (!state.floating) {
            const auto row = lastRow.find(state.side);
            if (row != lastRow.end() && row->second != state.row)
                m_window.addToolBarBreak(area);
            lastRow[state.side] = state.row;
        }
        // A floating bar keeps an entry on its side, where it docks again when dragged back.
        m_window.addToolBar(area, bar);
        if (state.floating) {
            bar->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
            bar->adjustSize();
            bar->move(OnSomeScreen(QPoint(state.x, state.y), bar->size(), m_window));
        }
    }
    for (const auto& [bar, state] : placed) {
        m_waiting.erase(bar);
        if (state.floating && state.visible && !m_window.isVisible()) {
            bar->hide();
            m_waiting.insert(bar);
            continue;
        }
        bar->setVisible(state.visible);
    }
}

void MainToolbars::ShowWaitingBars() {
    for (QToolBar* bar : m_bars) {
        if (!m_waiting.contains(bar))
            continue;
        bar->show();
        bar->raise();
    }
    m_waiting.clear();
}

std::vector<ToolbarPlacementState> MainToolbars::CurrentLayout() const {
    const HiddenBarsKept kept(m_bars, m_window);
    const auto info = Toolbars();
    std::vector<ToolbarPlacementState> states;
    // Per docked bar: its line's coordinate across the side and its position along the line.
    struct Docked {
        size_t state;
        int line;
        int along;
    };
    std::map<DockSide, std::vector<Docked>> docked;
    for (size_t i = 0; i < m_bars.size() && i < info.size(); ++i) {
        QToolBar* bar = m_bars[i];
        ToolbarPlacementState state;
        state.controlId = info[i].controlId;
        state.visible = !bar->isHidden() || m_waiting.contains(bar);
        state.side = SideOf(m_window.toolBarArea(bar));
        if (bar->isFloating()) {
            state.floating = true;
            state.x = bar->pos().x();
            state.y = bar->pos().y();
        } else {
            const QRect geometry = bar->geometry();
            const bool horizontal = IsHorizontal(state.side);
            docked[state.side].push_back({states.size(), horizontal ? geometry.y() : geometry.x(),
                                          horizontal ? geometry.x() : geometry.y()});
        }
        states.push_back(state);
    }
    for (auto& [side, bars] : docked) {
        // Rows count from the window's edge: the top and left sides from their low coordinates,
        // the bottom and right sides from their high ones.
        const bool fromLow = side == DockSide::Top || side == DockSide::Left;
        std::set<int> lines;
        for (const Docked& bar : bars)
            lines.insert(bar.line);
        std::vector<int> rows(lines.begin(), lines.end());
        if (!fromLow)
            std::reverse(rows.begin(), rows.end());
        std::stable_sort(bars.begin(), bars.end(),
                         [](const Docked& a, const Docked& b) { return a.along < b.along; });
        std::map<int, int> nextIndex;
        for (const Docked& bar : bars) {
            ToolbarPlacementState& state = states[bar.state];
            state.row = int(std::find(rows.begin(), rows.end(), bar.line) - rows.begin());
            state.index = nextIndex[state.row]++;
        }
    }
    return states;
}

} // namespace razo
