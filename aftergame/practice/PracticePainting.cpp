// SPDX-License-Identifier: GPL-3.0-or-later
#include "aftergame/practice/PracticePainting.h"

#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {
double side(const QRectF& square) {
    return std::min(square.width(), square.height());
}

QPolygonF onSquare(const QPolygonF& stroke, const QRectF& square) {
    QPolygonF out;
    for (const QPointF& pt : stroke)
        out << ModelToSquare(pt, square);
    return out;
}

// A point a little way back along the drawn line, for an arrow's direction.
QPointF behind(const QPolygonF& line, double distance) {
    double left = distance;
    for (int i = int(line.size()) - 1; i > 0; --i) {
        const QLineF seg(line[i], line[i - 1]);
        if (seg.length() >= left)
            return seg.pointAt(left / std::max(1e-9, seg.length()));
        left -= seg.length();
    }
    return line.front();
}

void arrow(QPainter& p, QPointF tip, QPointF from, double size, const QColor& colour) {
    const QLineF back(tip, from);
    if (back.length() < 1e-6)
        return;
    const QLineF a = QLineF::fromPolar(size, back.angle() + 28).translated(tip);
    const QLineF b = QLineF::fromPolar(size, back.angle() - 28).translated(tip);
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(a.p2());
    head.lineTo(b.p2());
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(head);
}
} // namespace

void PaintWritingSquare(QPainter& p, const QRectF& square) {
    p.save();
    p.fillRect(square, Qt::white);
    p.setPen(QPen(QColor(230, 150, 150), std::max(1.0, side(square) / 160), Qt::DashLine));
    const QPointF c = square.center();
    p.drawLine(QPointF(c.x(), square.top()), QPointF(c.x(), square.bottom()));
    p.drawLine(QPointF(square.left(), c.y()), QPointF(square.right(), c.y()));
    p.setPen(QPen(QColor(60, 60, 60), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(square.adjusted(1, 1, -1, -1));
    p.restore();
}

void PaintStroke(QPainter& p, const QRectF& square, const QPolygonF& stroke, const QColor& colour,
                 double fraction, double widthFactor) {
    const QPolygonF line = onSquare(StrokePart(stroke, fraction), square);
    if (line.isEmpty())
        return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour, std::max(3.0, side(square) / 26 * widthFactor), Qt::SolidLine,
                  Qt::RoundCap, Qt::RoundJoin));
    if (line.size() == 1)
        p.drawPoint(line.front());
    else
        p.drawPolyline(line);
    p.restore();
}

void PaintStrokeNumber(QPainter& p, const QRectF& square, const QPolygonF& stroke, int number,
                       double scale) {
    if (stroke.isEmpty())
        return;
    const double r = std::max(6.0, side(square) / 30) * scale;
    // Beside the start, away from where the stroke goes.
    const QPointF start = ModelToSquare(stroke.front(), square);
    const QPointF next = ModelToSquare(stroke.size() > 1 ? stroke[1] : stroke.front(), square);
    QLineF away(start, next);
    QPointF at = start + QPointF(-r * 1.3, -r * 1.3);
    if (away.length() > 1e-6) {
        away.setLength(r * 1.6);
        at = start - (away.p2() - start);
    }
    at.setX(std::clamp(at.x(), square.left() + r, square.right() - r));
    at.setY(std::clamp(at.y(), square.top() + r, square.bottom() - r));
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 220));
    p.drawEllipse(at, r, r);
    QFont f = p.font();
    f.setPixelSize(int(r * 1.5));
    f.setBold(true);
    p.setFont(f);
    p.setPen(PracticeColours::Number);
    p.drawText(QRectF(at.x() - r * 1.5, at.y() - r, r * 3, r * 2), Qt::AlignCenter,
               QString::number(number));
    p.restore();
}

void PaintStrokeStart(QPainter& p, const QRectF& square, const QPolygonF& stroke,
                      const QColor& colour) {
    if (stroke.isEmpty())
        return;
    const double s = side(square);
    const QPolygonF first = onSquare(StrokePart(stroke, std::min(1.0, 22.0 / std::max(1.0, StrokeLength(stroke)))), square);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour, std::max(2.0, s / 80)));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(first.front(), s / 20, s / 20);
    if (first.size() > 1) {
        p.setPen(QPen(colour, std::max(2.0, s / 70), Qt::SolidLine, Qt::RoundCap));
        p.drawPolyline(first);
        arrow(p, first.back(), behind(first, s / 30), s / 22, colour);
    }
    p.restore();
}

void PaintArrowHead(QPainter& p, const QRectF& square, const QPolygonF& drawn,
                    const QColor& colour) {
    const QPolygonF line = onSquare(drawn, square);
    if (line.size() < 2)
        return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    arrow(p, line.back(), behind(line, side(square) / 30), side(square) / 18, colour);
    p.restore();
}
