// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TwinPicture.h"

#include <QGuiApplication>
#include <QtMath>

namespace {

QImage ScreenImage(QSize size, qreal scale)
{
    QImage image(qCeil(size.width() * scale), qCeil(size.height() * scale), QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    return image;
}

// The device pixels of layout rectangle `r`.
QRectF DeviceRect(const QRect& r, qreal scale)
{
    return QRectF(r.x() * scale, r.y() * scale, r.width() * scale, r.height() * scale);
}

}  // namespace

TwinPicture::TwinPicture(QSize size, const QColor& fill, qreal scale)
    : rules_(size, QImage::Format_RGB32), screen_(ScreenImage(size, scale > 0 ? scale : 1.0))
{
    this->fill(fill);
}

qreal TwinPicture::ScreenScale() { return qApp ? qApp->devicePixelRatio() : 1.0; }

void TwinPicture::fill(const QColor& colour)
{
    rules_.fill(colour);
    screen_.fill(colour);
}

TwinPicture TwinPicture::copy(const QRect& r) const
{
    TwinPicture part;
    part.rules_ = rules_.copy(r);
    part.screen_ = ScreenImage(r.size(), scale());
    part.screen_.fill(Qt::black);
    QPainter p(&part.screen_);
    p.drawImage(QRectF(QPointF(0, 0), r.size()), screen_, DeviceRect(r, scale()));
    return part;
}

void TwinPicture::draw(QPoint at, const TwinPicture& src) { draw(at, src, src.rect()); }

void TwinPicture::draw(QPoint at, const TwinPicture& src, const QRect& part)
{
    {
        QPainter p(&rules_);
        p.drawImage(at, src.rules_, part);
    }
    QPainter p(&screen_);
    p.drawImage(QRectF(at, part.size()), src.screen_, DeviceRect(part, src.scale()));
}
