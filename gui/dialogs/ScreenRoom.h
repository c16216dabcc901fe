#pragma once
#include <QSize>

class QWidget;

namespace razo {

// The largest size a dialog's body may take on the screen it opens on, leaving room for the
// window's frame and title bar.
QSize RoomOnScreen(const QWidget& dialog);

// `wanted` limited to `room`, with room for the scroll bars the limit brings.
QSize FitInto(QSize wanted, QSize room, int scrollBarExtent);

// Moves a shown window that has grown past the edge of its screen back onto it, up and left as
// far as needed, never past the top or left edge.
void KeepOnScreen(QWidget& window);

} // namespace razo
