// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/HandCursor.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QWidget>
#include <optional>

namespace {
std::optional<QCursor> cursor;

// A pointing hand: index finger up, three folded fingers and a thumb, black outline on white.
QPixmap drawHand()
{
    QPixmap pix(32, 32);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath hand;
    hand.addRoundedRect(QRectF(9.5, 1.5, 5, 16), 2.5, 2.5);     // index finger
    hand.addRoundedRect(QRectF(14.5, 10.5, 4.5, 9), 2.2, 2.2);  // middle
    hand.addRoundedRect(QRectF(19, 11.5, 4.5, 8), 2.2, 2.2);    // ring
    hand.addRoundedRect(QRectF(23.5, 12.5, 4, 7), 2, 2);        // little
    hand.addRoundedRect(QRectF(9.5, 15, 18, 13.5), 4, 4);       // palm
    QPainterPath thumb;
    thumb.moveTo(10, 18);
    thumb.cubicTo(6, 15, 3, 16, 4.5, 19);
    thumb.cubicTo(6, 22, 8, 25, 11, 27);
    hand = hand.united(thumb);
    p.setPen(QPen(Qt::black, 1.3));
    p.setBrush(Qt::white);
    p.drawPath(hand.simplified());
    return pix;
}
}  // namespace

void InstallHandCursor()
{
    if (!cursor)
        cursor = QCursor(drawHand(), 12, 2);
}

QCursor HandCursor()
{
    if (!cursor)
        return QCursor(Qt::PointingHandCursor);
    return *cursor;
}

void GiveHandCursor(QWidget* widget)
{
    if (widget)
        widget->setCursor(HandCursor());
}
