// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/guess/ProgressClock.h"

#include <QPainter>
#include <QtMath>

#include <cmath>
#include <numbers>

QColor ProgressClockColour(int d, int r)
{
    if (d < r / 2.0)
        return Qt::green;
    if (d < 3.0 * r / 4.0)
        return Qt::yellow;
    return Qt::red;
}

QImage DrawPieClock(const QSize& size, int d, int r, const QColor& colour, qreal scale)
{
    QImage img(qCeil(size.width() * scale), qCeil(size.height() * scale), QImage::Format_RGB32);
    img.setDevicePixelRatio(scale);
    img.fill(QColor(0, 0, 0x80));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    const int w = size.width(), h = size.height();
    const QRectF disc(0.5, 0.5, w - 1, h - 1);
    p.drawEllipse(disc);
    if (d == r || r <= 0)
        return img;
    p.setBrush(colour);
    // Counter-clockwise from twelve o'clock to the point the white part has reached.
    const double a = 2 * std::numbers::pi * d / r;
    const int sx = w / 2;
    const int ex = static_cast<int>(std::trunc(std::sin(a) * w / 2 + w / 2.0));
    const int ey = static_cast<int>(std::trunc(h / 2.0 - std::cos(a) * h / 2));
    if (ex == sx && ey == 0) {
        p.drawEllipse(disc);
        return img;
    }
    const double endDeg =
        std::atan2(h / 2.0 - ey, (ex - w / 2.0) * h / static_cast<double>(w)) * 180 / std::numbers::pi;
    double span = endDeg - 90;
    while (span <= 0)
        span += 360;
    p.drawPie(disc, 90 * 16, static_cast<int>(std::lround(span * 16)));
    return img;
}

QImage DrawProgressClock(int c, int startCount, int endCount, qreal scale)
{
    const int d = c - startCount, r = endCount - startCount;
    return DrawPieClock(QSize(100, 100), d, r, ProgressClockColour(d, r), scale);
}
