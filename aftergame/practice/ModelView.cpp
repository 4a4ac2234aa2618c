// SPDX-License-Identifier: GPL-3.0-or-later
#include "aftergame/practice/ModelView.h"

#include "aftergame/practice/PracticePainting.h"

#include <QMouseEvent>
#include <QPainter>

ModelView::ModelView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ModelView::setStrokes(const ModelStrokes& strokes) {
    strokes_ = strokes;
    update();
}

void ModelView::setAnimation(const StrokeAnimation* animation) {
    animation_ = animation;
    update();
}

void ModelView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    const int s = std::min(width(), height());
    const QRectF square((width() - s) / 2, (height() - s) / 2, s, s);
    PaintWritingSquare(p, square);
    const int shown = animation_ ? std::min<int>(animation_->stroke(), int(strokes_.size()))
                                 : int(strokes_.size());
    for (int i = 0; i < shown; ++i)
        PaintStroke(p, square, strokes_[i], PracticeColours::Ink);
    if (animation_ && !animation_->finished() && shown < strokes_.size()) {
        const QPolygonF& now = strokes_[shown];
        PaintStroke(p, square, now, PracticeColours::Model);
        PaintStroke(p, square, now, PracticeColours::Ink, animation_->fraction());
        PaintStrokeStart(p, square, now, PracticeColours::Hint);
        PaintArrowHead(p, square, StrokePart(now, animation_->fraction()), PracticeColours::Hint);
    }
    const int numbered = animation_ && !animation_->finished() ? shown + 1 : shown;
    for (int i = 0; i < numbered && i < strokes_.size(); ++i)
        PaintStrokeNumber(p, square, strokes_[i], i + 1);
}

void ModelView::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit clicked();
}
