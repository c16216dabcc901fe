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
    const QRect available = screen->availableGeometry();
    const QRect frame = window.frameGeometry();
    QPoint to = frame.topLeft();
    if (frame.bottom() > available.bottom())
        to.ry() -= frame.bottom() - available.bottom();
    if (frame.right() > available.right())
        to.rx() -= frame.right() - available.right();
    to = QPoint(std::max(to.x(), available.left()), std::max(to.y(), available.top()));
    if (to != frame.topLeft())
        window.move(to);
}

} // namespace razo
