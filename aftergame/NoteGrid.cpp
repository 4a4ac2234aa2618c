// SPDX-License-Identifier: GPL-3.0-or-later
#include "aftergame/NoteGrid.h"

#include "aftergame/NotePainting.h"
#include "platform/Fonts.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int HeadingHeight = 26;

// An orange disc with a white tick in the cell's top-right corner.
void paintTick(QPainter& p, const QRect& cell) {
    const double r = std::max(5.0, cell.width() / 5.0);
    const QPointF c(cell.right() - r, cell.top() + r);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 140, 0));
    p.drawEllipse(c, r, r);
    p.setPen(QPen(Qt::white, std::max(1.5, r / 3), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF{c + QPointF(-r * 0.5, 0), c + QPointF(-r * 0.1, r * 0.4),
                             c + QPointF(r * 0.5, -r * 0.4)});
    p.restore();
}
} // namespace

KanjiNoteGrid::KanjiNoteGrid(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void KanjiNoteGrid::setCells(const QList<NoteCell>& cells, int columns, int side) {
    cells_ = cells;
    side_ = side;
    rects_.clear();
    rects_.reserve(cells.size());
    int x = 0, y = 0, col = 0;
    for (const NoteCell& c : cells) {
        if (c.kanji == 0) {
            if (col != 0)
                y += side;
            col = 0;
            rects_ << QRect(0, y, columns * side, HeadingHeight);
            y += HeadingHeight;
            continue;
        }
        x = col * side;
        rects_ << QRect(x, y, side, side);
        if (++col == columns) {
            col = 0;
            y += side;
        }
    }
    if (col != 0)
        y += side;
    setFixedSize(columns * side, std::max(y, 1));
    update();
}

void KanjiNoteGrid::setSummary(const NoteSummary* summary) {
    summary_ = summary;
    update();
}

void KanjiNoteGrid::setSelected(int kanji) {
    if (selected_ == kanji)
        return;
    const QRect before = cellRect(selected_);
    selected_ = kanji;
    update(before);
    update(cellRect(kanji));
}

QRect KanjiNoteGrid::headingRect(int n) const {
    for (int i = 0; i < cells_.size(); ++i)
        if (cells_[i].kanji == 0 && --n == 0)
            return rects_[i];
    return QRect();
}

void KanjiNoteGrid::setPicked(const QList<int>& kanji) {
    picked_ = kanji;
    update();
}

int KanjiNoteGrid::kanjiAt(const QPoint& pos) const {
    for (int i = 0; i < rects_.size(); ++i)
        if (cells_[i].kanji != 0 && rects_[i].contains(pos))
            return cells_[i].kanji;
    return 0;
}

QRect KanjiNoteGrid::cellRect(int kanji) const {
    if (kanji == 0)
        return QRect();
    for (int i = 0; i < rects_.size(); ++i)
        if (cells_[i].kanji == kanji)
            return rects_[i];
    return QRect();
}

int KanjiNoteGrid::kanjiCount() const {
    int n = 0;
    for (const NoteCell& c : cells_)
        n += c.kanji != 0;
    return n;
}

void KanjiNoteGrid::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.fillRect(event->rect(), QColor(0, 0, 128));
    for (int i = 0; i < rects_.size(); ++i) {
        const QRect& r = rects_[i];
        if (!r.intersects(event->rect()))
            continue;
        const NoteCell& c = cells_[i];
        if (c.kanji == 0) {
            p.setFont(PixelFont(18, true));
            p.setPen(Qt::yellow);
            p.drawText(r.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, c.heading);
            continue;
        }
        const NoteMark mark = summary_ ? summary_->kanji[c.kanji].mark() : NoteMark::NotMet;
        PaintNoteCell(p, r, c.kanji, mark, c.kanji == selected_);
        if (picked_.contains(c.kanji))
            paintTick(p, r);
    }
}

void KanjiNoteGrid::mousePressEvent(QMouseEvent* event) {
    const int k = kanjiAt(event->position().toPoint());
    if (k != 0)
        emit kanjiClicked(k);
}
