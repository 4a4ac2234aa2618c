// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing helpers shared by the menu animations: the frame size, colours, kanji text, easing,
// hit bursts, card pictures and the pointer.
#pragma once

#include "AssetList.h"
#include "Pictures.h"

#include "platform/WmfPicture.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <algorithm>
#include <cmath>

namespace AnimationKit {

inline const QColor Navy(0, 0, 128);
inline const QColor Aqua(0, 255, 255);
inline const int W = AssetList::AnimationSize.width();
inline const int H = AssetList::AnimationSize.height();
// The menu may show a clip in a 150-pixel-wide slot, centred: what matters stays in the middle.
inline const int SafeLeft = 18;
inline const int SafeWidth = 150;

inline QFont kanjiFont(int px, bool bold = true)
{
    QFont f(QStringLiteral("IPAGothic"));
    f.setPixelSize(px);
    f.setBold(bold);
    return f;
}

inline void kanji(QPainter& p, const QRectF& r, const QString& text, const QColor& color, int px)
{
    p.setFont(kanjiFont(px));
    p.setPen(color);
    p.drawText(r, Qt::AlignCenter, text);
}

inline double ease(double x)
{
    x = std::clamp(x, 0.0, 1.0);
    return x * x * (3 - 2 * x);
}

inline double phase(int f, int from, int to) { return std::clamp(double(f - from) / double(to - from), 0.0, 1.0); }

inline QPointF lerp(QPointF a, QPointF b, double t) { return a + (b - a) * t; }

inline void starShape(QPainter& p, QPointF c, double outer, const QColor& fill, const QColor& edge, double turn = 0)
{
    QPolygonF poly;
    for (int i = 0; i < 10; ++i) {
        const double a = qDegreesToRadians(-90 + turn + i * 36.0);
        const double r = i % 2 ? outer * 0.42 : outer;
        poly << QPointF(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    }
    p.setPen(QPen(edge, 1));
    p.setBrush(fill);
    p.drawPolygon(poly);
}

inline void burst(QPainter& p, QPointF c, double size, double t)
{
    // A hit: a yellow star that grows and fades, with sparks flying out.
    const double alpha = 1.0 - t;
    p.save();
    p.setOpacity(std::max(0.0, alpha));
    starShape(p, c, size * (0.6 + 0.6 * t), QColor(255, 230, 60), QColor(255, 120, 0), t * 40);
    for (int i = 0; i < 6; ++i) {
        const double a = qDegreesToRadians(i * 60.0 + 15);
        const QPointF s = c + QPointF(std::cos(a), std::sin(a)) * size * (0.8 + 1.4 * t);
        p.setPen(Qt::NoPen);
        p.setBrush(i % 2 ? QColor(255, 140, 40) : QColor(255, 255, 200));
        p.drawEllipse(s, 2.2, 2.2);
    }
    p.restore();
}

// Device pixels per clip pixel of the frames being drawn: 1 for the clips, more for their
// masters. Every picture below is made at this scale and drawn in clip pixels.
inline int& frameScale()
{
    static int scale = 1;
    return scale;
}

// A picture of w x h clip pixels at the frame scale.
inline QImage layer(int w, int h, QImage::Format format)
{
    QImage img(w * frameScale(), h * frameScale(), format);
    img.setDevicePixelRatio(frameScale());
    return img;
}

inline QImage popPicture(int n, int side)
{
    WmfPicture pic;
    pic.loadFromData(Pictures::popMetafile(n));
    QImage img = pic.render(QSize(side, side) * frameScale());
    img.setDevicePixelRatio(frameScale());
    return img;
}

inline QImage canvas(const QColor& background)
{
    QImage img = layer(W, H, QImage::Format_RGB32);
    img.fill(background);
    return img;
}

// A soft vertical gradient background.
inline void sky(QPainter& p, const QColor& top, const QColor& bottom)
{
    QLinearGradient g(0, 0, 0, H);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(QRect(0, 0, W, H), g);
}

// The program's hand cursor, small: a pointing finger, pressed while clicking.
inline void pointer(QPainter& p, QPointF tip, bool pressed)
{
    p.save();
    p.translate(tip + QPointF(pressed ? 1 : 0, pressed ? 1 : 0));
    QPainterPath hand;
    hand.moveTo(0, 0);
    hand.cubicTo(2, -1, 4, 0, 4, 2);
    hand.lineTo(4, 7);
    hand.cubicTo(6, 6, 8, 6, 9, 8);
    hand.cubicTo(11, 7, 13, 8, 13, 10);
    hand.cubicTo(15, 9, 17, 10, 17, 13);
    hand.lineTo(17, 18);
    hand.cubicTo(17, 22, 14, 24, 10, 24);
    hand.lineTo(6, 24);
    hand.cubicTo(3, 24, 1, 21, -2, 17);
    hand.lineTo(-4, 13);
    hand.cubicTo(-4, 11, -2, 11, 0, 13);
    hand.closeSubpath();
    p.scale(0.8, 0.8);
    p.setPen(QPen(QColor(40, 30, 30), 1.2));
    p.setBrush(QColor(255, 250, 240));
    p.drawPath(hand);
    p.restore();
}

}  // namespace AnimationKit
