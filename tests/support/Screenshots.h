#pragma once
// Screenshots of windows for people to look at.
#include <QImage>
#include <QPainter>
#include <QWidget>

namespace razo::testing {

// The window as a person sees it, with a plain title bar (the offscreen platform draws none).
inline QImage WithTitleBar(QWidget& window) {
    const QPixmap body = window.grab();
    const int bar = window.fontMetrics().height() + 8;
    QImage image(body.width() + 2, body.height() + bar + 1, QImage::Format_RGB32);
    image.fill(QColor(0x4a, 0x5f, 0x80));
    QPainter painter(&image);
    QFont font = window.font();
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(8, 0, body.width(), bar), Qt::AlignVCenter | Qt::AlignLeft, window.windowTitle());
    painter.drawPixmap(1, bar, body);
    painter.end();
    return image;
}

} // namespace razo::testing
