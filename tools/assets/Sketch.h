// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing metafile pictures: QPainterPath curves and simple shapes written through WmfWriter, with
// the pen and brush of each shape.
#pragma once

#include "platform/WmfWriter.h"

#include <QPainterPath>
#include <QTransform>
#include <QtMath>
#include <cmath>

inline const QColor Ink(60, 40, 40);  // the outline of every motif: a soft dark brown, never black

// Drawing calls over the metafile writer; shapes come from QPainterPath curves.
class Sketch {
public:
    explicit Sketch(int side = 1000) : w_(QRect(0, 0, side, side)) { w_.setWindingFill(true); }

    void shape(const QPainterPath& path, const QColor& fill, const QColor& outline = Ink, int width = 26)
    {
        if (fill.isValid())
            w_.setBrush(fill);
        else
            w_.setNullBrush();
        if (outline.isValid())
            w_.setPen(outline, width);
        else
            w_.setNullPen();
        QVector<QVector<QPoint>> polys;
        for (const QPolygonF& poly : path.toFillPolygons()) {
            QVector<QPoint> pts;
            for (const QPointF& p : poly) {
                const QPoint q = p.toPoint();
                if (pts.isEmpty() || pts.back() != q)
                    pts << q;
            }
            if (pts.size() > 2 && pts.front() == pts.back())
                pts.removeLast();
            if (pts.size() >= 3)
                polys << pts;
        }
        if (polys.size() == 1)
            w_.polygon(polys.front());
        else if (!polys.isEmpty())
            w_.polyPolygon(polys);
    }

    void ellipse(const QRect& r, const QColor& fill, const QColor& outline = Ink, int width = 26)
    {
        pens(fill, outline, width);
        w_.ellipse(r);
    }

    void circle(QPoint c, int radius, const QColor& fill, const QColor& outline = Ink, int width = 26)
    {
        ellipse(QRect(c.x() - radius, c.y() - radius, 2 * radius, 2 * radius), fill, outline, width);
    }

    void roundRect(const QRect& r, int corner, const QColor& fill, const QColor& outline = Ink, int width = 26)
    {
        pens(fill, outline, width);
        w_.roundRect(r, corner, corner);
    }

    void rect(const QRect& r, const QColor& fill, const QColor& outline = Ink, int width = 26)
    {
        pens(fill, outline, width);
        w_.rectangle(r);
    }

    void polygon(const QVector<QPoint>& pts, const QColor& fill, const QColor& outline = Ink, int width = 26)
    {
        pens(fill, outline, width);
        w_.polygon(pts);
    }

    void line(const QVector<QPoint>& pts, const QColor& color, int width)
    {
        w_.setPen(color, width);
        w_.polyline(pts);
    }

    void arc(const QRect& r, double startDeg, double sweepDeg, const QColor& color, int width)
    {
        w_.setPen(color, width);
        w_.arcAngles(r, startDeg, sweepDeg);
    }

    void pie(const QRect& r, double startDeg, double sweepDeg, const QColor& fill, const QColor& outline = Ink, int width = 26)
    {
        pens(fill, outline, width);
        w_.pieAngles(r, startDeg, sweepDeg);
    }

    WmfWriter& writer() { return w_; }

private:
    void pens(const QColor& fill, const QColor& outline, int width)
    {
        if (fill.isValid())
            w_.setBrush(fill);
        else
            w_.setNullBrush();
        if (outline.isValid())
            w_.setPen(outline, width);
        else
            w_.setNullPen();
    }

    WmfWriter w_;
};

inline QPainterPath ellipsePath(QPointF c, double rx, double ry, double rotateDeg = 0)
{
    QPainterPath p;
    p.addEllipse(QPointF(0, 0), rx, ry);
    QTransform t;
    t.translate(c.x(), c.y());
    t.rotate(rotateDeg);
    return t.map(p);
}

inline QPainterPath starPath(QPointF c, double outer, double inner, int points, double rotateDeg = -90)
{
    QPainterPath p;
    for (int i = 0; i < points * 2; ++i) {
        const double r = i % 2 ? inner : outer;
        const double a = qDegreesToRadians(rotateDeg + i * 180.0 / points);
        const QPointF q(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        if (i == 0)
            p.moveTo(q);
        else
            p.lineTo(q);
    }
    p.closeSubpath();
    return p;
}

// A star with soft corners: each point is a small curve.
inline QPainterPath roundStarPath(QPointF c, double outer, double inner, int points)
{
    QPainterPath p;
    const int n = points * 2;
    auto at = [&](int i, double scale) {
        const double r = (i % 2 ? inner : outer) * scale;
        const double a = qDegreesToRadians(-90 + i * 180.0 / points);
        return QPointF(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    };
    for (int i = 0; i < n; ++i) {
        const QPointF prev = at((i + n - 1) % n, 1), here = at(i, 1), next = at((i + 1) % n, 1);
        const QPointF a = here + (prev - here) * 0.12, b = here + (next - here) * 0.12;
        if (i == 0)
            p.moveTo(a);
        else
            p.lineTo(a);
        p.quadTo(here, b);
    }
    p.closeSubpath();
    return p;
}
