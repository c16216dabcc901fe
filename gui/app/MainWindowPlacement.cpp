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

namespace razo {
namespace {

// Show commands of the placement record.
constexpr unsigned ShowNormal = 1;
constexpr unsigned ShowMinimized = 2;
constexpr unsigned ShowMaximized = 3;

// A stored rectangle is used when enough of it to take hold of lies on a screen.
bool OnSomeScreen(const QRect& rect) {
    const QSize enough = QSize(100, 50).boundedTo(rect.size());
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect shown = screen->availableGeometry().intersected(rect);
        if (shown.width() >= enough.width() && shown.height() >= enough.height())
            return true;
    }
    return false;
}

} // namespace

void MainWindow::RestorePlacement() {
    const auto placement = ReadWindowPlacement(m_app.Profile());
    const auto normal = placement ? NormalRectOf(*placement) : std::nullopt;
    const QRect rect = normal ? QRect(normal->x, normal->y, normal->width, normal->height) : QRect();
    if (normal && OnSomeScreen(rect)) {
        setGeometry(rect);
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
    if (m_startMaximized)
        showMaximized();
    else
        show();
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
