// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu/MenuIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {
// Drawn large so the icon stays sharp on a scaled screen.
constexpr int Side = 96;

QPixmap canvas() {
    QPixmap pix(Side, Side);
    pix.fill(Qt::transparent);
    return pix;
}
} // namespace

QIcon GameModeIcon() {
    QPixmap pix = canvas();
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(120, 80, 0), 4));
    p.setBrush(QColor(255, 210, 0));
    p.drawEllipse(QRectF(6, 6, Side - 12, Side - 12));
    QPainterPath play;
    play.moveTo(38, 26);
    play.lineTo(72, 48);
    play.lineTo(38, 70);
    play.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 0, 0));
    p.drawPath(play);
    return QIcon(pix);
}

QIcon RecordModeIcon() {
    QPixmap pix = canvas();
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 4));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(8, 8, Side - 16, Side - 16), 8, 8);
    const QColor bars[] = {QColor(0, 120, 220), QColor(0, 170, 80), QColor(230, 60, 60)};
    const int heights[] = {30, 50, 40};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        p.setBrush(bars[i]);
        p.drawRect(QRectF(22 + i * 19, 76 - heights[i], 14, heights[i]));
    }
    return QIcon(pix);
}
