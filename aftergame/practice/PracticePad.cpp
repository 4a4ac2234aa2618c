// SPDX-License-Identifier: GPL-3.0-or-later
#include "aftergame/practice/PracticePad.h"

#include "aftergame/practice/PracticePainting.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTabletEvent>

PracticePad::PracticePad(QWidget* parent) : WritingSurface(parent) {}

void PracticePad::setModel(const ModelStrokes& model) {
    model_ = model;
    update();
}

void PracticePad::restart() {
    clean_.clear();
    help_.clear();
    flash_.clear();
    flashOn_ = false;
    wrong_.clear();
    clear();
}

void PracticePad::setClean(const ModelStrokes& strokes) {
    clean_ = strokes;
    update();
}

void PracticePad::setHelp(const QPolygonF& stroke) {
    help_ = stroke;
    update();
}

void PracticePad::setFlash(const QPolygonF& stroke, bool on) {
    flash_ = stroke;
    flashOn_ = on;
    update();
}

void PracticePad::setWrongInk(const Stroke& ink) {
    wrong_ = ink;
    update();
}

// A new stroke puts the last wrong one away.
void PracticePad::mousePressEvent(QMouseEvent* e) {
    wrong_.clear();
    WritingSurface::mousePressEvent(e);
}

void PracticePad::tabletEvent(QTabletEvent* e) {
    if (e->type() == QEvent::TabletPress)
        wrong_.clear();
    WritingSurface::tabletEvent(e);
}

bool PracticePad::event(QEvent* e) {
    if (e->type() == QEvent::TouchBegin)
        wrong_.clear();
    return WritingSurface::event(e);
}

void PracticePad::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    const int s = std::min(width(), height());
    const QRectF square(0, 0, s, s);
    PaintWritingSquare(p, square);
    for (const QPolygonF& stroke : model_)
        PaintStroke(p, square, stroke, PracticeColours::Model);
    if (!help_.isEmpty()) {
        PaintStroke(p, square, help_, PracticeColours::Help, 1.0, 1.2);
        PaintStrokeStart(p, square, help_, PracticeColours::Hint);
    }
    for (const QPolygonF& stroke : clean_)
        PaintStroke(p, square, stroke, PracticeColours::Ink);
    if (flashShown())
        PaintStrokeStart(p, square, flash_, PracticeColours::Hint);

    // The child's own ink: the stroke being written, and the last wrong one in red.
    p.setRenderHint(QPainter::Antialiasing);
    const double k = s / InkBox;
    auto drawInk = [&](const Stroke& stroke, const QColor& colour) {
        QPolygonF line;
        for (const QPointF& pt : stroke)
            line << pt * k;
        p.setPen(QPen(colour, std::max(4.0, s / 34.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        if (line.size() == 1)
            p.drawPoint(line.front());
        else if (line.size() > 1)
            p.drawPolyline(line);
    };
    if (!wrong_.isEmpty())
        drawInk(wrong_, PracticeColours::Wrong);
    for (const Stroke& stroke : ink())
        drawInk(stroke, QColor(40, 40, 90));
}
