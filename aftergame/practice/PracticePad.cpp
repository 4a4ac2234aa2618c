#include "aftergame/practice/PracticePad.h"

#include "aftergame/practice/PracticePainting.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTabletEvent>

PracticePad::PracticePad(QWidget* parent) : WritingSurface(parent) {}

void PracticePad::setStrokes(const ModelStrokes& strokes, bool showModel) {
    strokes_ = strokes;
    showModel_ = showModel;
    restart();
}

void PracticePad::restart() {
    written_ = QList<bool>(strokes_.size(), false);
    help_ = -1;
    flash_ = -1;
    flashOn_ = false;
    wrong_.clear();
    clear();
}

void PracticePad::setWritten(int stroke, bool written) {
    if (stroke >= 0 && stroke < written_.size())
        written_[stroke] = written;
    update();
}

bool PracticePad::isWritten(int stroke) const {
    return stroke >= 0 && stroke < written_.size() && written_[stroke];
}

void PracticePad::setHelpStroke(int stroke) {
    help_ = stroke;
    update();
}

void PracticePad::setFlash(int stroke, bool on) {
    flash_ = stroke;
    flashOn_ = on && stroke >= 0;
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
    if (showModel_)
        for (const QPolygonF& stroke : strokes_)
            PaintStroke(p, square, stroke, PracticeColours::Model);
    if (help_ >= 0 && help_ < strokes_.size()) {
        PaintStroke(p, square, strokes_[help_], PracticeColours::Help, 1.0, 1.2);
        PaintStrokeStart(p, square, strokes_[help_], PracticeColours::Hint);
    }
    for (int i = 0; i < strokes_.size(); ++i)
        if (isWritten(i))
            PaintStroke(p, square, strokes_[i], PracticeColours::Ink);
    if (flashOn_ && flash_ >= 0 && flash_ < strokes_.size())
        PaintStrokeStart(p, square, strokes_[flash_], PracticeColours::Hint);

    // The child's own ink: the stroke being written, and a wrong one in red.
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
