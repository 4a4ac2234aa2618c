// SPDX-License-Identifier: GPL-3.0-or-later
#include "Pictures.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <cmath>

namespace {

// Pixel pictures from text: each character is a colour of the legend.
QImage fromRows(const QStringList& rows, const QHash<QChar, QColor>& legend)
{
    QImage img(rows.first().size(), rows.size(), QImage::Format_RGB32);
    for (int y = 0; y < rows.size(); ++y)
        for (int x = 0; x < rows[y].size(); ++x)
            img.setPixelColor(x, y, legend.value(rows[y][x], Qt::white));
    return img;
}

}  // namespace

QImage Pictures::tamaBitmap()
{
    // A shell with a red nose, golden body and a flame trail; white is transparent.
    return fromRows({
                        "................",
                        ".......rr.......",
                        "......rRRr......",
                        "......rRRr......",
                        ".....rRRRRr.....",
                        ".....rRRRRr.....",
                        ".....oYYYyo.....",
                        ".....oYWYyo.....",
                        ".....oYWYyo.....",
                        ".....oYWYyo.....",
                        ".....oYYYyo.....",
                        ".....oYYYyo.....",
                        ".....oYYYyo.....",
                        ".....oYYYyo.....",
                        ".....oYYYyo.....",
                        "....ooYYYyoo....",
                        "...obbYYYybbo...",
                        "...obbooooobo...",
                        "...ob......bo...",
                        ".....FFFFFF.....",
                        "......FffF......",
                        "......FffF......",
                        ".......ff.......",
                        ".......FF.......",
                        "......F..F......",
                        ".......FF.......",
                        "........F.......",
                        ".......F........",
                        "................",
                        "................",
                        "................",
                        "................",
                    },
                    {{'r', QColor(150, 20, 30)}, {'R', QColor(230, 40, 50)}, {'o', QColor(170, 110, 20)},
                     {'Y', QColor(255, 210, 60)}, {'y', QColor(230, 170, 40)}, {'W', QColor(255, 245, 190)},
                     {'b', QColor(60, 110, 200)}, {'F', QColor(255, 140, 30)}, {'f', QColor(255, 230, 80)}});
}

QImage Pictures::tamaMaster(int scale)
{
    // The same shell drawn in outline, `scale` device pixels a unit of the 16 x 32 picture.
    QImage img(16 * scale, 32 * scale, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    const QColor edge(170, 110, 20);
    const QPen outline(edge, 0.6);
    // The flame trail first, under the nozzle.
    QPainterPath flame;
    flame.moveTo(5, 18.5);
    flame.cubicTo(5, 23, 7, 25, 8, 28.5);
    flame.cubicTo(9, 25, 11, 23, 11, 18.5);
    flame.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 140, 30));
    p.drawPath(flame);
    QPainterPath core;
    core.moveTo(6.5, 18.5);
    core.cubicTo(6.5, 21, 7.5, 22.5, 8, 24.5);
    core.cubicTo(8.5, 22.5, 9.5, 21, 9.5, 18.5);
    core.closeSubpath();
    p.setBrush(QColor(255, 230, 80));
    p.drawPath(core);
    // Fins.
    p.setPen(outline);
    p.setBrush(QColor(60, 110, 200));
    p.drawPolygon(QPolygonF({QPointF(5.5, 13), QPointF(3.2, 16.5), QPointF(3.2, 19), QPointF(5.5, 17.5)}));
    p.drawPolygon(QPolygonF({QPointF(10.5, 13), QPointF(12.8, 16.5), QPointF(12.8, 19), QPointF(10.5, 17.5)}));
    // Body with its shade and window.
    p.setBrush(QColor(255, 210, 60));
    p.drawRect(QRectF(5.3, 6, 5.4, 12));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 170, 40));
    p.drawRect(QRectF(9.3, 6.3, 1.1, 11.4));
    p.setBrush(QColor(255, 245, 190));
    p.drawEllipse(QRectF(7, 7, 1.4, 3));
    p.setBrush(edge);
    p.drawRect(QRectF(5.3, 17, 5.4, 1));
    // Nose.
    QPainterPath nose;
    nose.moveTo(8, 1);
    nose.cubicTo(9.5, 2, 10.7, 4, 10.7, 6);
    nose.lineTo(5.3, 6);
    nose.cubicTo(5.3, 4, 6.5, 2, 8, 1);
    p.setPen(QPen(QColor(150, 20, 30), 0.6));
    p.setBrush(QColor(230, 40, 50));
    p.drawPath(nose);
    return img;
}

QImage Pictures::bangBitmap()
{
    // A round bomb with a burning fuse.
    return fromRows({
                        ".....y..",
                        "....yr..",
                        "...kk...",
                        "..kkkk..",
                        ".kkgkkk.",
                        ".kgkkkk.",
                        ".kkkkkk.",
                        "..kkkk..",
                    },
                    {{'k', QColor(40, 40, 50)}, {'g', QColor(150, 150, 170)}, {'y', QColor(255, 220, 40)},
                     {'r', QColor(240, 60, 30)}});
}

namespace {

// The mound around a hole, shared by the hole and the hit pictures. Unsmoothed for the game's
// files: their background stays pure black and connected to (1, 1), no edge pixel blended with
// it. Smooth for the screen's masters, which have no background.
void drawMound(QPainter& p, bool smooth)
{
    p.setRenderHint(QPainter::Antialiasing, smooth);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(140, 90, 45));
    p.drawEllipse(QRect(2, 34, 60, 28));
    p.setBrush(QColor(175, 120, 60));
    p.drawEllipse(QRect(5, 35, 54, 22));
    p.setBrush(QColor(70, 40, 20));
    p.drawEllipse(QRect(12, 39, 40, 15));
    p.setBrush(QColor(40, 22, 12));
    p.drawEllipse(QRect(16, 42, 32, 10));
    // Pebbles and grass tufts.
    p.setBrush(QColor(200, 160, 110));
    p.drawEllipse(QRect(6, 52, 5, 3));
    p.drawEllipse(QRect(52, 50, 5, 3));
    p.setPen(QColor(80, 170, 60));
    for (int x : {4, 8, 56, 60}) {
        p.drawLine(x, 58, x - 1, 54);
        p.drawLine(x + 1, 58, x + 2, 53);
    }
}

}  // namespace

namespace {

// The dizzy mole over the mound.
void drawAtari(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 80, 50));
    p.drawChord(QRect(14, 14, 36, 44), 0, 180 * 16);
    p.drawRect(QRect(14, 35, 36, 12));
    p.setBrush(QColor(230, 180, 140));
    p.drawEllipse(QRect(22, 34, 20, 12));
    p.setBrush(QColor(240, 90, 110));
    p.drawEllipse(QRect(29, 33, 6, 5));
    p.setPen(QPen(QColor(30, 20, 20), 2));
    p.drawLine(21, 24, 27, 30);
    p.drawLine(27, 24, 21, 30);
    p.drawLine(37, 24, 43, 30);
    p.drawLine(43, 24, 37, 30);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 150, 140));
    p.drawEllipse(QRect(27, 8, 10, 8));  // the bump
    p.setBrush(QColor(255, 220, 40));
    for (const QPoint c : {QPoint(10, 12), QPoint(52, 10), QPoint(56, 26)}) {
        QPolygon star;
        for (int i = 0; i < 10; ++i) {
            const double a = qDegreesToRadians(-90 + i * 36.0);
            const double r = i % 2 ? 2.5 : 6.0;
            star << QPoint(qRound(c.x() + r * std::cos(a)), qRound(c.y() + r * std::sin(a)));
        }
        p.drawPolygon(star);
    }
    p.setPen(QPen(QColor(255, 255, 120), 1));
    p.drawArc(QRect(8, 2, 48, 16), 20 * 16, 140 * 16);
}

// A picture of 64 x 64 units drawn `scale` device pixels a unit, smooth, on transparency.
template <typename Draw>
QImage master(int scale, Draw draw)
{
    QImage img(64 * scale, 64 * scale, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.scale(scale, scale);
    draw(p);
    return img;
}

}  // namespace

QImage Pictures::moguraBitmap()
{
    QImage img(64, 64, QImage::Format_RGB32);
    img.fill(Qt::black);
    QPainter p(&img);
    drawMound(p, false);
    return img;
}

QImage Pictures::atariBitmap()
{
    // A mole knocked dizzy, with a bump and stars.
    QImage img(64, 64, QImage::Format_RGB32);
    img.fill(Qt::black);
    QPainter p(&img);
    drawMound(p, false);
    drawAtari(p);
    return img;
}

QImage Pictures::moguraMaster(int scale)
{
    return master(scale, [](QPainter& p) { drawMound(p, true); });
}

QImage Pictures::atariMaster(int scale)
{
    return master(scale, [](QPainter& p) {
        drawMound(p, true);
        p.setRenderHint(QPainter::Antialiasing, true);
        drawAtari(p);
    });
}

QImage Pictures::starsBitmap()
{
    QImage img(48, 24, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    auto star = [&](QPointF c, const QColor& edge, const QColor& fill, const QColor& shine) {
        QPolygonF poly;
        for (int i = 0; i < 10; ++i) {
            const double a = qDegreesToRadians(-90 + i * 36.0);
            const double r = i % 2 ? 4.6 : 11.4;
            poly << QPointF(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        }
        p.setPen(edge);
        p.setBrush(fill);
        p.drawPolygon(poly);
        p.setPen(Qt::NoPen);
        p.setBrush(shine);
        p.drawEllipse(QRectF(c.x() - 3, c.y() - 4, 3, 4));
    };
    star(QPointF(11.5, 12.5), QColor(220, 120, 0), QColor(255, 215, 30), QColor(255, 250, 190));
    star(QPointF(35.5, 12.5), QColor(200, 60, 120), QColor(255, 140, 190), QColor(255, 225, 240));
    return img;
}
