// SPDX-License-Identifier: GPL-3.0-or-later
#include "aftergame/sheets/PracticeSheet.h"

#include "aftergame/NoteDetail.h"
#include "aftergame/practice/PracticePainting.h"
#include "aftergame/sheets/SheetPage.h"
#include "aftergame/sheets/SheetRuby.h"
#include "data/KanjiReadings.h"
#include "data/Tables.h"
#include "platform/Fonts.h"
#include "writing/strokes/CharStrokes.h"

#include <QPainter>
#include <cmath>

namespace {
constexpr double BlockHeight = (SheetHeightMm - 16 - SheetTopMm) / PracticeKanjiPerPage;
constexpr double Width = SheetWidthMm - 2 * SheetMarginMm;
constexpr double ModelSide = 48;
constexpr double StepRowHeight = 18; // room for the label's furigana
constexpr double StepSide = 12.5;
constexpr int StepsPerRow = 12;
constexpr double CellPitch = Width / PracticeCells;
constexpr double CellSide = CellPitch - 1.5;
constexpr double NumberScale = 1.7; // readable stroke numbers on paper

double blockTop(int slot) {
    return SheetTopMm + slot * BlockHeight;
}

QPolygonF polygon(const StrokePath& s) {
    return QPolygonF(s);
}

// A writing square with a frame strong enough for paper.
void paintSquare(QPainter& p, const QRectF& square) {
    PaintWritingSquare(p, square);
    p.save();
    p.setPen(QPen(QColor(60, 60, 60), SheetMm(0.35)));
    p.setBrush(Qt::NoBrush);
    p.drawRect(square);
    p.restore();
}

void paintFontKanji(QPainter& p, const QRectF& square, int kanji, const QColor& colour) {
    p.save();
    p.setPen(colour);
    p.setFont(PixelFont(int(square.height() * 0.8)));
    p.drawText(square, Qt::AlignCenter, Kanji_Tbl[kanji].text());
    p.restore();
}

// The first `upTo` strokes: the earlier ones in grey, the last in ink.
void paintStrokes(QPainter& p, const QRectF& square, const CharStrokes& c, int upTo,
                  const QColor& earlier, const QColor& last) {
    for (int i = 0; i < upTo && i < c.count(); ++i)
        PaintStroke(p, square, polygon(c.strokes[i]), i + 1 == upTo ? last : earlier);
}

void paintModel(QPainter& p, const QRectF& square, int kanji, const CharStrokes* c) {
    paintSquare(p, square);
    if (!c) {
        paintFontKanji(p, square, kanji, PracticeColours::Ink);
        return;
    }
    paintStrokes(p, square, *c, c->count(), PracticeColours::Ink, PracticeColours::Ink);
    p.setFont(PixelFont(10, true));
    for (int i = 0; i < c->count(); ++i)
        PaintStrokeNumber(p, square, polygon(c->strokes[i]), i + 1, NumberScale);
}

QString joined(const QStringList& list) {
    return list.isEmpty() ? QStringLiteral("－") : list.join(QStringLiteral("・"));
}

void paintReadings(QPainter& p, double x, double y, double w, int kanji) {
    QStringList on, kun;
    const QString text = Kanji_Tbl[kanji].text();
    for (const KanjiReading& r : SchoolReadings(text)) {
        if (r.special || r.laterYear != 0)
            continue;
        (r.isOn() ? on : kun) << r.shown();
    }
    if (on.isEmpty() && kun.isEmpty()) // a kanji the table does not hold: its sentences' readings
        kun << NoteReadings(NoteSentencesOf(kanji));
    p.save();
    p.setPen(Qt::black);
    const int wrap = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    PaintSheetText(p, SheetRect(x, y, 16, 9), 5, QStringLiteral("おん"), wrap, true);
    PaintSheetText(p, SheetRect(x + 16, y, w - 16, 9), 5.5, joined(on), wrap);
    PaintSheetText(p, SheetRect(x, y + 10, 16, 9), 5, QStringLiteral("くん"), wrap, true);
    PaintSheetText(p, SheetRect(x + 16, y + 10, w - 16, 18), 5.5, joined(kun), wrap);
    PaintSheetText(p, SheetRect(x, y + 30, w, 9), 5,
                   QStringLiteral("画数 %1").arg(Kanji_Tbl[kanji].Kakusuu), wrap, true);
    p.restore();
}

// The strokes added one by one, each square under its "n画目".
void paintSteps(QPainter& p, double x, double y, const CharStrokes& c) {
    const int n = c.count();
    const int perRow = std::max(StepsPerRow, (n + 1) / 2);
    const double pitch = Width / perRow;
    const double side = std::min(StepSide, pitch - 1.5);
    for (int i = 0; i < n; ++i) {
        const double sx = x + (i % perRow) * pitch;
        const double sy = y + (i / perRow) * StepRowHeight;
        p.setPen(Qt::black);
        PaintSheetText(p, SheetRect(sx - 1, sy + 1.5, side + 2, 4), 2.8,
                       QStringLiteral("%1画目").arg(i + 1), Qt::AlignCenter);
        const QRectF square = SheetRect(sx, sy + 5.5, side, side);
        paintSquare(p, square);
        paintStrokes(p, square, c, i + 1, QColor(150, 150, 150), PracticeColours::Ink);
    }
}

void paintSentence(QPainter& p, double x, double y, double w, int kanji) {
    const QList<NoteSentence> sentences = NoteSentencesOf(kanji);
    if (sentences.isEmpty())
        return;
    const NoteSentence& s = sentences.first();
    PaintSheetSentence(p, x, y, w, 6, s, Kanji_Tbl[kanji].text(), SentenceKanji::Written);
}
} // namespace

QRectF PracticeModelMm(int slot) {
    return QRectF(SheetMarginMm, blockTop(slot) + 2, ModelSide, ModelSide);
}

void PaintPracticeBlock(QPainter& p, int slot, int kanji, const CharStrokes* strokes) {
    const double x = SheetMarginMm;
    const double y = blockTop(slot);
    const QRectF model = PracticeModelMm(slot);
    paintModel(p, SheetRect(model.x(), model.y(), model.width(), model.height()), kanji, strokes);
    paintReadings(p, x + ModelSide + 6, y + 4, Width - ModelSide - 6, kanji);

    if (strokes)
        paintSteps(p, x, y + ModelSide + 5, *strokes);

    const double cellsY = y + ModelSide + 4 + 2 * StepRowHeight + 2;
    for (int i = 0; i < PracticeCells; ++i) {
        const QRectF cell = SheetRect(x + i * CellPitch, cellsY, CellSide, CellSide);
        paintSquare(p, cell);
        if (i >= PracticeTracedCells)
            continue;
        if (strokes)
            paintStrokes(p, cell, *strokes, strokes->count(), PracticeColours::Model,
                         PracticeColours::Model);
        else
            paintFontKanji(p, cell, kanji, PracticeColours::Model);
    }
    paintSentence(p, x, cellsY + CellSide + 1.5, Width, kanji);

    if (slot + 1 < PracticeKanjiPerPage) { // a light line between the two kanji
        p.save();
        p.setPen(QPen(QColor(170, 170, 170), SheetMm(0.3), Qt::DashLine));
        const double line = y + BlockHeight - 1.5;
        p.drawLine(QPointF(SheetMm(x), SheetMm(line)), QPointF(SheetMm(x + Width), SheetMm(line)));
        p.restore();
    }
}
