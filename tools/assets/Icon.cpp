// SPDX-License-Identifier: GPL-3.0-or-later
#include "Icon.h"

#include <QDir>
#include <QPainter>
#include <QPainterPath>

namespace {
// The design lives on a 100 x 100 grid.
QPainterPath moStrokes() {
    QPainterPath p;
    // The long stroke: down from the top, round at the bottom, up to a short hook.
    p.moveTo(47, 19);
    p.cubicTo(44, 40, 40, 60, 44, 71);
    p.cubicTo(48, 82, 64, 83, 70, 72);
    p.cubicTo(73, 66, 73, 61, 70, 57);
    // The two crossing strokes.
    p.moveTo(31, 38);
    p.cubicTo(43, 39, 56, 37, 66, 35);
    p.moveTo(28, 55);
    p.cubicTo(41, 56, 56, 54, 69, 51);
    return p;
}

// The hanamaru: nearly one turn of a thick circle ending in a small inward curl.
QPainterPath hanamaru() {
    QPainterPath p;
    p.arcMoveTo(QRectF(11, 11, 78, 78), 100);
    p.arcTo(QRectF(11, 11, 78, 78), 100, 330);
    p.cubicTo(QPointF(86, 40), QPointF(76, 30), QPointF(66, 36));
    return p;
}
} // namespace

QImage Icon::draw(int size) {
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    g.scale(size / 100.0, size / 100.0);
    // Thin lines would vanish at 16 pixels: strokes grow a little as the icon shrinks.
    const double small = size < 32 ? 1.35 : 1.0;

    QLinearGradient tile(0, 0, 0, 100);
    tile.setColorAt(0, QColor(255, 236, 120));
    tile.setColorAt(1, QColor(255, 196, 60));
    g.setPen(QPen(QColor(0, 0, 128), 3 * small));
    g.setBrush(tile);
    g.drawRoundedRect(QRectF(3, 3, 94, 94), 18, 18);

    g.setBrush(Qt::NoBrush);
    g.setPen(QPen(QColor(220, 30, 40), 7 * small, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    g.drawPath(hanamaru());
    g.setPen(QPen(QColor(0, 0, 128), 9 * small, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    g.drawPath(moStrokes());
    g.end();
    return img;
}

QStringList Icon::writeAll(const QString& dir, const QString& id) {
    QStringList written;
    for (int size : Sizes) {
        const QString folder = QStringLiteral("%1/hicolor/%2x%2/apps").arg(dir).arg(size);
        const QString path = folder + QLatin1Char('/') + id + QStringLiteral(".png");
        if (!QDir().mkpath(folder) || !draw(size).save(path, "PNG"))
            return {};
        written << path;
    }
    return written;
}
