#include "gui/dialogs/ScreenRoom.h"

#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <algorithm>

namespace razo {

namespace {
// Below this a screen's size is not to be believed.
constexpr QSize MinimumRoom(160, 120);
} // namespace

PlacementRect RectOf(const QRect& rect) {
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

QSize RoomOnScreen(const QWidget& dialog) {
    const QWidget* owner = dialog.parentWidget() ? dialog.parentWidget() : &dialog;
    const QScreen* screen = owner->screen();
    if (!screen)
        return {QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
    // A title bar and the frame's edges, generously: window managers draw their own.
    const int titleBar = dialog.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &dialog);
    const int edge = dialog.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &dialog);
    const QSize available = screen->availableGeometry().size();
    if (available.width() < MinimumRoom.width() || available.height() < MinimumRoom.height())
        return {QWIDGETSIZE_MAX, QWIDGETSIZE_MAX}; // a screen that reports no real size
    return {available.width() - 2 * edge, available.height() - 2 * titleBar};
}

QSize FitInto(QSize wanted, QSize room, int scrollBarExtent) {
    QSize fitted = wanted;
    if (fitted.height() > room.height()) {
        fitted.setHeight(room.height());
        fitted.rwidth() += scrollBarExtent;
    }
    if (fitted.width() > room.width()) {
        fitted.setWidth(room.width());
        fitted.setHeight(std::min(fitted.height() + scrollBarExtent, room.height()));
    }
    return fitted;
}

void KeepOnScreen(QWidget& window) {
    const QScreen* screen = window.screen();
    if (!screen)
        return;
    // The frame is known once the window is shown: the title bar too stays within reach.
    const QRect frame = window.frameGeometry();
    const PlacementRect fitted = FitIntoScreen(RectOf(frame), RectOf(screen->availableGeometry()));
    if (fitted == RectOf(frame))
        return;
    const QRect client = window.geometry();
    const QMargins margins(client.left() - frame.left(), client.top() - frame.top(),
                           frame.right() - client.right(), frame.bottom() - client.bottom());
    window.setGeometry(QRect(fitted.x, fitted.y, fitted.width, fitted.height).marginsRemoved(margins));
}

} // namespace razo
