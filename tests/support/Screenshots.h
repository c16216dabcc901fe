#pragma once
// Screenshots of windows for people to look at.
#include <QImage>
#include <QPainter>
#include <QWidget>

namespace razo::testing {

// The window as a person sees it, with a plain title bar (the offscreen platform draws none).
inline QImage WithTitleBar(QWidget& window) {
    const QPixmap body = window.grab();
    // In the window's own units, drawn at the screen's resolution (twice as many pixels at scale 2).
    const qreal ratio = body.devicePixelRatio();
    const QSize size = body.deviceIndependentSize().toSize();
    const int bar = window.fontMetrics().height() + 8;
    QImage image(QSize(size.width() + 2, size.height() + bar + 1) * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(QColor(0x4a, 0x5f, 0x80));
    QPainter painter(&image);
    QFont font = window.font();
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(8, 0, size.width(), bar), Qt::AlignVCenter | Qt::AlignLeft, window.windowTitle());
    painter.drawPixmap(1, bar, body);
    painter.end();
    return image;
}

} // namespace razo::testing
