// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu/CaptionLabel.h"

#include <QMouseEvent>

CaptionLabel::CaptionLabel(int tag, QWidget* parent) : QLabel(parent), tag_(tag) {
    setMouseTracking(true);
}

void CaptionLabel::mouseMoveEvent(QMouseEvent* event) {
    // Taken here: passed on, the panel under the label would turn every caption white again.
    event->accept();
    emit mouseMoved(tag_);
}

void CaptionLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked(tag_);
}

void TrackingPanel::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved();
    QWidget::mouseMoveEvent(event);
}
