#include "games/guess/ProgressClock.h"

#include <QPainter>

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

QImage DrawProgressClock(int c, int startCount, int endCount)
{
    QImage img(100, 100, QImage::Format_RGB32);
    img.fill(QColor(0, 0, 0x80));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    const QRectF disc(0.5, 0.5, 99, 99);
    p.drawEllipse(disc);
    const int d = c - startCount;
    const int r = endCount - startCount;
    if (c == endCount || r <= 0)
        return img;
    p.setBrush(ProgressClockColour(d, r));
    // Counter-clockwise from twelve o'clock to the point the white part has reached.
    const double theta = 2 * std::numbers::pi * d / r;
    const int ex = static_cast<int>(std::trunc(50 + 50 * std::sin(theta)));
    const int ey = static_cast<int>(std::trunc(50 - 50 * std::cos(theta)));
    if (ex == 50 && ey == 0) {
        p.drawEllipse(disc);
        return img;
    }
    const double endDeg = std::atan2(50.0 - ey, ex - 50.0) * 180 / std::numbers::pi;
    double span = endDeg - 90;
    while (span <= 0)
        span += 360;
    p.drawPie(disc, 90 * 16, static_cast<int>(std::lround(span * 16)));
    return img;
}
