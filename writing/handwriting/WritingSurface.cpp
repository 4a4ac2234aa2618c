// SPDX-License-Identifier: GPL-3.0-or-later
#include "writing/handwriting/WritingSurface.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTabletEvent>
#include <QTouchEvent>

#include <algorithm>

WritingSurface::WritingSurface(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_AcceptTouchEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::CrossCursor);
}

void WritingSurface::clear() {
    ink_.clear();
    writing_ = false;
    update();
    emit inkChanged();
}

void WritingSurface::undoStroke() {
    if (writing_)
        writing_ = false;
    if (!ink_.isEmpty())
        ink_.removeLast();
    update();
    emit inkChanged();
}

QPointF WritingSurface::toInk(QPointF p) const {
    const double k = InkBox / std::max(1, std::min(width(), height()));
    return QPointF(std::clamp(p.x() * k, 0.0, InkBox - 1), std::clamp(p.y() * k, 0.0, InkBox - 1));
}

void WritingSurface::begin(QPointF at) {
    ink_ << Stroke{toInk(at)};
    writing_ = true;
    update();
}

void WritingSurface::extend(QPointF at) {
    if (!writing_ || ink_.isEmpty())
        return;
    const QPointF p = toInk(at);
    if (p != ink_.last().last())
        ink_.last() << p;
    update();
}

void WritingSurface::end() {
    if (!writing_)
        return;
    writing_ = false;
    update();
    emit inkChanged();
    emit strokeFinished();
}

void WritingSurface::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton)
        begin(e->position());
}

void WritingSurface::mouseMoveEvent(QMouseEvent* e) {
    if (e->buttons() & Qt::LeftButton)
        extend(e->position());
}

void WritingSurface::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) {
        extend(e->position());
        end();
    }
}

// A pen's own events carry its full precision; taking them keeps Qt from sending the same
// stroke again as mouse events.
void WritingSurface::tabletEvent(QTabletEvent* e) {
    switch (e->type()) {
    case QEvent::TabletPress:
        begin(e->position());
        break;
    case QEvent::TabletMove:
        if (e->buttons() & Qt::LeftButton || e->pressure() > 0)
            extend(e->position());
        break;
    case QEvent::TabletRelease:
        extend(e->position());
        end();
        break;
    default:
        break;
    }
    e->accept();
}

// A finger writes with its first touch point; a second finger resting on the screen is ignored.
bool WritingSurface::event(QEvent* e) {
    switch (e->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel: {
        auto* t = static_cast<QTouchEvent*>(e);
        if (e->type() == QEvent::TouchCancel) {
            if (writing_)
                undoStroke();
            return true;
        }
        if (t->points().isEmpty())
            return true;
        const QEventPoint& p = t->points().front();
        if (p.state() == QEventPoint::Pressed)
            begin(p.position());
        else if (p.state() == QEventPoint::Released) {
            extend(p.position());
            end();
        } else
            extend(p.position());
        e->accept();
        return true;
    }
    default:
        return QWidget::event(e);
    }
}

void WritingSurface::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    // The squared paper of a notebook: a dotted cross through the middle.
    painter.setPen(QPen(QColor(190, 190, 220), 1, Qt::DashLine));
    painter.drawLine(width() / 2, 0, width() / 2, height());
    painter.drawLine(0, height() / 2, width(), height() / 2);
    painter.setPen(QPen(QColor(60, 60, 60), 2));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    painter.setRenderHint(QPainter::Antialiasing);
    const double k = std::min(width(), height()) / InkBox;
    painter.setPen(
        QPen(Qt::black, std::max(4.0, width() / 40.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const Stroke& s : ink_) {
        QVector<QPointF> line;
        for (const QPointF& p : s)
            line << p * k;
        if (line.size() == 1)
            painter.drawPoint(line.front());
        else
            painter.drawPolyline(line.constData(), int(line.size()));
    }
}
