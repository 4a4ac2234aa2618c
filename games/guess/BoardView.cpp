// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/guess/BoardView.h"

#include <QMouseEvent>
#include <QPainter>

BoardView::BoardView(QWidget* parent) : QWidget(parent) {}

void BoardView::setPicture(const TwinPicture& image)
{
    picture_ = image;
    update();
}

void BoardView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!picture_.isNull())
        p.drawImage(QPointF(0, 0), picture_.screen());  // at its device pixel ratio
}

void BoardView::mousePressEvent(QMouseEvent* event)
{
    emit pressed(event->button(), event->position().toPoint());
}

void BoardView::mouseMoveEvent(QMouseEvent* event) { emit moved(event->position().toPoint()); }

void BoardView::mouseReleaseEvent(QMouseEvent* event)
{
    emit released(event->button(), event->position().toPoint());
}
