#include "games/action/ImageView.h"

#include <QPainter>

void ImageView::paintEvent(QPaintEvent*)
{
    if (!image_)
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, *image_);
}
