#include "games/action/ImageView.h"

#include <QPainter>

void ImageView::setPainter(std::function<void(QPainter&)> painter)
{
    painter_ = std::move(painter);
    // The painter covers every pixel: nothing under the control need be drawn first.
    setAttribute(Qt::WA_OpaquePaintEvent, static_cast<bool>(painter_));
    update();
}

void ImageView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (painter_) {
        painter_(painter);
        return;
    }
    if (image_)
        painter.drawImage(0, 0, *image_);
}
