// The main window's placement in "Settings"/"WindowPos": read when the window is created,
// written when it closes.
#include <QGuiApplication>
#include <QScreen>

#include "core/app/FileMessages.h"
#include "core/app/WindowPlacement.h"
#include "core/ports/UserPrompts.h"
#include "core/settings/IniProfile.h"
#include "gui/app/DocumentIO.h"
#include "gui/app/MainWindow.h"
#include "gui/app/RazoApplication.h"
#include "gui/app/Toolbars.h"
#include "gui/dialogs/ScreenRoom.h"

namespace razo {
namespace {

// Show commands of the placement record.
constexpr unsigned ShowNormal = 1;
constexpr unsigned ShowMinimized = 2;
constexpr unsigned ShowMaximized = 3;

// Where a stored rectangle comes back: fitted into the screen that shows most of it, when one
// shows enough of it to take hold of.
std::optional<QRect> ShownPlacement(const PlacementRect& stored) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    std::vector<PlacementRect> areas;
    for (const QScreen* screen : screens)
        areas.push_back(RectOf(screen->availableGeometry()));
    const auto screen = ScreenShowing(stored, areas);
    if (!screen)
        return std::nullopt;
    const PlacementRect fitted = FitIntoScreen(stored, areas[*screen]);
    return QRect(fitted.x, fitted.y, fitted.width, fitted.height);
}

} // namespace

void MainWindow::RestorePlacement() {
    const auto placement = ReadWindowPlacement(m_app.Profile());
    const auto normal = placement ? NormalRectOf(*placement) : std::nullopt;
    if (const auto shown = normal ? ShownPlacement(*normal) : std::nullopt) {
        setGeometry(*shown);
    } else {
        // First start, or a placement no screen shows: room for the toolbar rows, within the screen.
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        resize(QSize(1280, 860).boundedTo(screen.size() * 9 / 10));
    }
    if (placement)
        m_startMaximized =
            placement->showCmd == ShowMaximized || (placement->flags & RestoreToMaximized) != 0;
}

void MainWindow::SavePlacement() {
    const bool maximized = isMaximized();
    const QRect normal = (maximized || isMinimized()) ? normalGeometry() : geometry();
    WindowPlacement placement;
    placement.showCmd = maximized ? ShowMaximized : isMinimized() ? ShowMinimized : ShowNormal;
    placement.minX = placement.minY = placement.maxX = placement.maxY = -1;
    placement.left = normal.left();
    placement.top = normal.top();
    placement.right = normal.left() + normal.width();
    placement.bottom = normal.top() + normal.height();
    WriteWindowPlacement(m_app.Profile(), placement, maximized);
}

void MainWindow::ShowAtStart() {
    if (m_startMaximized) {
        showMaximized();
    } else {
        show();
        KeepOnScreen(*this);
    }
    // Owned by a window that is now shown, floating toolbars stay above it.
    m_toolbars->ShowWaitingBars();
    if (const auto& refusal = m_app.Profile().Refusal())
        m_app.Prompts().Message(
            SettingsNotSavedMessage(*refusal, ShownPath(m_app.Profile().Path()).toStdString()),
            MessageIcon::Exclamation);
}

void MainWindow::BringToFront() {
    if (isMinimized())
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}

} // namespace razo
