// SPDX-License-Identifier: GPL-3.0-or-later
#include "aftergame/practice/ModelStrokes.h"

#include <QLineF>
#include <algorithm>

QPointF ModelToSquare(QPointF p, const QRectF& square) {
    const double k = std::min(square.width(), square.height()) / ModelBox;
    return square.topLeft() + p * k;
}

double StrokeLength(const QPolygonF& stroke) {
    double length = 0;
    for (int i = 1; i < stroke.size(); ++i)
        length += QLineF(stroke[i - 1], stroke[i]).length();
    return length;
}

QPolygonF StrokePart(const QPolygonF& stroke, double fraction) {
    if (stroke.isEmpty() || fraction >= 1.0)
        return stroke;
    QPolygonF out{stroke.front()};
    double left = std::max(0.0, fraction) * StrokeLength(stroke);
    for (int i = 1; i < stroke.size() && left > 0; ++i) {
        const QLineF seg(stroke[i - 1], stroke[i]);
        if (seg.length() <= left) {
            out << stroke[i];
            left -= seg.length();
        } else {
            out << seg.pointAt(left / seg.length());
            left = 0;
        }
    }
    return out;
}
