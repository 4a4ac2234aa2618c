// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/action/ImageView.h"

#include <QPaintEvent>
#include <QPainter>

void ImageView::setPainter(std::function<void(QPainter&)> painter)
{
    painter_ = std::move(painter);
    // The painter covers every pixel: nothing under the control need be drawn first.
    setAttribute(Qt::WA_OpaquePaintEvent, static_cast<bool>(painter_) || static_cast<bool>(scene_));
    update();
}

void ImageView::setScene(std::function<void(QPainter&, qint64)> painter,
                         std::function<QRegion(qint64)> items)
{
    scene_ = std::move(painter);
    items_ = std::move(items);
    moving_ = MovingArea();
    setPainter(nullptr);
}

void ImageView::showAt(qint64 nowMs)
{
    shownMs_ = nowMs;
    if (scene_)
        update(moving_.due(items_(nowMs)) | pending_);
    pending_ = QRegion();
}

void ImageView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (scene_) {
        scene_(painter, shownMs_);
        moving_.painted(event->region(), items_(shownMs_));
        return;
    }
    if (painter_) {
        painter_(painter);
        return;
    }
    if (image_)
        painter.drawImage(0, 0, *image_);
}
