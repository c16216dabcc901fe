#pragma once
#include <QRect>
#include <QSize>

#include "core/app/WindowPlacement.h"

class QWidget;

namespace razo {

// The largest size a dialog's body may take on the screen it opens on, leaving room for the
// window's frame and title bar.
QSize RoomOnScreen(const QWidget& dialog);

// `wanted` limited to `room`, with room for the scroll bars the limit brings.
QSize FitInto(QSize wanted, QSize room, int scrollBarExtent);

// A rectangle of the screen as the stored window placement takes it.
PlacementRect RectOf(const QRect& rect);

// Moves a shown window, frame and title bar included, back onto its screen where it reaches past
// an edge, and shrinks it where it is larger than the screen.
void KeepOnScreen(QWidget& window);

} // namespace razo
