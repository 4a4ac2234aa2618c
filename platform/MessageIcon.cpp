// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MessageIcon.h"

#include "platform/Fonts.h"

#include <QPainter>
#include <QPainterPath>

MessageIcon::MessageIcon(bool question, QWidget* parent) : QWidget(parent), question_(question) {
    setObjectName(QStringLiteral("MessageIcon"));
    setFixedSize(48, 48);
}

void MessageIcon::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink = question_ ? QColor(0x1e, 0x8a, 0x3c) : QColor(0x1d, 0x4f, 0xd8);

    // A round bubble with its tail at the lower left, in a 48 x 48 box.
    QPainterPath bubble;
    bubble.addEllipse(QRectF(6, 3, 38, 34));
    QPainterPath tail;
    tail.moveTo(14, 30);
    tail.lineTo(9, 45);
    tail.lineTo(25, 35);
    tail.closeSubpath();
    bubble = bubble.united(tail);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40)); // a soft shadow sets it off the paper
    p.drawPath(bubble.translated(2, 2));
    QLinearGradient fill(0, 3, 0, 45);
    fill.setColorAt(0, Qt::white);
    fill.setColorAt(1, QColor(0xdd, 0xe8, 0xf6));
    p.setBrush(fill);
    p.setPen(QPen(QColor(0x55, 0x66, 0x88), 1.6));
    p.drawPath(bubble);

    if (question_) {
        p.setFont(PixelFont(28, true));
        p.setPen(ink);
        p.drawText(QRectF(6, 3, 38, 34), Qt::AlignCenter, QStringLiteral("?"));
        return;
    }
    // The "i" drawn as a dot and a stem: a font's "i" is thin beside the boxes' bold text.
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(QPointF(25, 11.5), 3.4, 3.4);
    p.drawRoundedRect(QRectF(22, 17, 6, 15), 2, 2);
}
