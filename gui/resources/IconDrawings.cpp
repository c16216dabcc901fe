#include "gui/resources/IconDrawings.h"

#include <QPainter>
#include <QPainterPath>

namespace razo {

namespace {

QPen Line(const Inks& inks, qreal width = 1.2) {
    return QPen(inks.ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QColor InfoBlue(const Inks& inks) {
    return inks.dark ? QColor(0x5d, 0x95, 0xea) : QColor(0x23, 0x63, 0xc4);
}

} // namespace

void DrawNewPage(QPainter& p, const Inks& inks) {
    p.setPen(Line(inks));
    p.setBrush(inks.paper);
    p.drawPolygon(QPolygonF({{3.5, 1.5}, {9.5, 1.5}, {12.5, 4.5}, {12.5, 14.5}, {3.5, 14.5}}));
    p.setBrush(Mixed(inks.ink, inks.paper, 0.25));
    p.drawPolygon(QPolygonF({{9.5, 1.5}, {9.5, 4.5}, {12.5, 4.5}})); // the folded corner
}

// A page with a tick over it: the page checked against its rules.
void DrawCheckedPage(QPainter& p, const Inks& inks) {
    p.setPen(Line(inks));
    p.setBrush(inks.paper);
    p.drawRect(QRectF(2.5, 1.5, 9, 13));
    p.drawLine(QPointF(4.5, 4.5), QPointF(9.5, 4.5));
    p.drawLine(QPointF(4.5, 6.5), QPointF(9.5, 6.5));
    p.setPen(QPen(inks.dark ? QColor(0x57, 0xc4, 0x5c) : QColor(0x1e, 0x8a, 0x2e), 2.4, Qt::SolidLine,
                  Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({{6, 10.5}, {9, 13.5}, {14.5, 6.5}}));
}

void DrawFolder(QPainter& p, const Inks& inks) {
    p.setPen(Line(inks));
    p.setBrush(inks.accent.darker(115));
    p.drawPolygon(QPolygonF({{1.5, 3.5}, {6, 3.5}, {7.5, 5}, {13.5, 5}, {13.5, 13.5}, {1.5, 13.5}}));
    p.setBrush(inks.accent);
    p.drawPolygon(QPolygonF({{1.5, 13.5}, {3.5, 7.5}, {15.5, 7.5}, {13.5, 13.5}})); // the open flap
}

void DrawDisk(QPainter& p, const Inks& inks) {
    p.setPen(Line(inks));
    p.setBrush(InfoBlue(inks));
    p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1.5, 1.5);
    p.setBrush(inks.paper);
    p.drawRect(QRectF(4.5, 1.5, 7, 4.5)); // shutter
    p.drawRect(QRectF(3.5, 8.5, 9, 6));   // label
    p.drawLine(QPointF(5.5, 10.8), QPointF(10.5, 10.8));
    p.drawLine(QPointF(5.5, 12.6), QPointF(9.5, 12.6));
}

void DrawPrinter(QPainter& p, const Inks& inks) {
    p.setPen(Line(inks));
    p.setBrush(inks.paper);
    p.drawRect(QRectF(4.5, 1.5, 7, 5)); // paper going in
    p.setBrush(Mixed(inks.ink, inks.paper, 0.3));
    p.drawRoundedRect(QRectF(1.5, 5.5, 13, 6), 1.5, 1.5); // body
    p.setBrush(inks.paper);
    p.drawRect(QRectF(4.5, 9.5, 7, 5)); // printed sheet
    p.drawLine(QPointF(6, 11.5), QPointF(10, 11.5));
    p.drawLine(QPointF(6, 13), QPointF(9, 13));
}

void DrawClipboard(QPainter& p, const Inks& inks) {
    p.setPen(Line(inks));
    p.setBrush(inks.accent);
    p.drawRoundedRect(QRectF(2.5, 2.5, 9, 12), 1, 1); // board
    p.setBrush(Mixed(inks.ink, inks.paper, 0.5));
    p.drawRect(QRectF(5, 1.5, 4, 2.5)); // clip
    p.setBrush(inks.paper);
    p.drawRect(QRectF(7.5, 6.5, 7, 8)); // the sheet being pasted
    p.drawLine(QPointF(9, 9), QPointF(13, 9));
    p.drawLine(QPointF(9, 11), QPointF(13, 11));
    p.drawLine(QPointF(9, 13), QPointF(12, 13));
}

void DrawCopies(QPainter& p, const Inks& inks) {
    p.setPen(Line(inks));
    p.setBrush(inks.paper);
    p.drawRect(QRectF(1.5, 1.5, 8, 10));
    p.drawRect(QRectF(6.5, 4.5, 8, 10));
    p.drawLine(QPointF(8.5, 7.5), QPointF(12.5, 7.5));
    p.drawLine(QPointF(8.5, 9.5), QPointF(12.5, 9.5));
    p.drawLine(QPointF(8.5, 11.5), QPointF(11.5, 11.5));
}

// A curved arrow from the lower right round to the left: undo. Mirrored, it is redo.
void DrawBackArrow(QPainter& p, const Inks& inks) {
    p.setPen(Line(inks, 1.9));
    p.setBrush(Qt::NoBrush);
    QPainterPath curve;
    curve.moveTo(13, 13);
    curve.cubicTo(13.5, 7.5, 10, 5.5, 5.5, 5.5);
    p.drawPath(curve);
    p.setPen(Qt::NoPen);
    p.setBrush(inks.ink);
    p.drawPolygon(QPolygonF({{6.5, 1.5}, {1.5, 5.5}, {6.5, 9.5}}));
}

void DrawForwardArrow(QPainter& p, const Inks& inks) {
    p.translate(16, 0);
    p.scale(-1, 1);
    DrawBackArrow(p, inks);
}

// A circling arrow: the last insertion once more.
void DrawRepeat(QPainter& p, const Inks& inks) {
    p.setPen(Line(inks, 1.9));
    p.setBrush(Qt::NoBrush);
    const QRectF circle(2.5, 2.5, 11, 11);
    QPainterPath arc;
    arc.arcMoveTo(circle, 100);
    arc.arcTo(circle, 100, 290);
    p.drawPath(arc);
    p.setPen(Qt::NoPen);
    p.setBrush(inks.ink);
    p.drawPolygon(QPolygonF({{5.5, 0.5}, {10.5, 2.8}, {6, 6.5}}));
}

void DrawAbout(QPainter& p, const Inks& inks) {
    p.setPen(Line(inks));
    p.setBrush(InfoBlue(inks));
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(8, 4.9), 1.2, 1.2);
    p.drawRoundedRect(QRectF(6.9, 7, 2.2, 5.6), 0.6, 0.6);
}

// The pointer with a question mark: help on what is clicked next.
void DrawContextHelp(QPainter& p, const Inks& inks) {
    p.setPen(Line(inks, 1.0));
    p.setBrush(inks.paper);
    p.drawPolygon(
        QPolygonF({{1.5, 1.5}, {1.5, 12}, {4, 9.7}, {5.8, 13.8}, {7.5, 13.1}, {5.7, 9.1}, {9, 9.1}}));
    QFont font("DejaVu Sans");
    font.setBold(true);
    font.setPixelSize(11);
    p.setFont(font);
    p.setPen(inks.ink);
    p.drawText(QRectF(8, 0, 8, 12), Qt::AlignCenter, QStringLiteral("?"));
}

void DrawProgram(QPainter& p, const Inks& /*inks*/) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1f, 0x5f, 0xa8));
    p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 2.5, 2.5);
    QFont font("DejaVu Sans");
    font.setBold(true);
    font.setPixelSize(7);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("<R>"));
}

} // namespace razo
