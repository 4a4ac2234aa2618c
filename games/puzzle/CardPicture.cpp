// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/puzzle/CardPicture.h"

#include "platform/PopPictures.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QtMath>

CardPicture::CardPicture(int tag, QWidget* parent) : QLabel(parent), tag_(tag)
{
    setScaledContents(true);
}

void CardPicture::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && onClick)
        onClick(tag_);
}

QPixmap CardBack(int side, int pop)
{
    // At the screen's own resolution, so the picture on the back stays sharp.
    const qreal dpr = qApp->devicePixelRatio();
    QPixmap pix(qCeil(side * dpr), qCeil(side * dpr));
    pix.setDevicePixelRatio(dpr);
    pix.fill(QColor(0, 0, 128));
    QPainter p(&pix);
    p.setPen(Qt::white);
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, side - 2, side - 2);  // a frame "to (side - 1)" ends one pixel short of it
    if (pop >= 0 && pop < ImgLst_Pop.size())
        p.drawPixmap(1, 1, ImgLst_Pop[pop]);
    return pix;
}
