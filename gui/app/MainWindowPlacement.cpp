// The main window's placement in "Settings"/"WindowPos": read when the window is created,
// written when it closes.
#include <QGuiApplication>
#include <QScreen>

#include "app/MainWindow.h"
#include "app/RazoApplication.h"
#include "app/WindowPlacement.h"

namespace razo {
namespace {

// Show commands of the placement record.
constexpr unsigned ShowNormal = 1;
constexpr unsigned ShowMinimized = 2;
constexpr unsigned ShowMaximized = 3;

// A stored rectangle is used when it has a size and some of it lies on a screen.
bool Usable(const QRect& rect) {
    if (rect.width() <= 0 || rect.height() <= 0)
        return false;
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen->availableGeometry().intersects(rect))
            return true;
    return false;
}

} // namespace

void MainWindow::RestorePlacement() {
    const auto placement = ReadWindowPlacement(m_app.Profile());
    if (!placement) {
        // First start: room for the toolbar rows, within the screen.
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        resize(QSize(1280, 860).boundedTo(screen.size() * 9 / 10));
        return;
    }
    const QRect normal(QPoint(placement->left, placement->top),
                       QPoint(placement->right - 1, placement->bottom - 1));
    if (Usable(normal))
        setGeometry(normal);
    m_startMaximized = placement->showCmd == ShowMaximized || (placement->flags & RestoreToMaximized) != 0;
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
}

} // namespace razo
