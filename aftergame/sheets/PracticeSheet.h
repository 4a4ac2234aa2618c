// SPDX-License-Identifier: GPL-3.0-or-later
// The practice sheet of one kanji, two to an A4 page: the model large with its numbered strokes,
// the strokes added one by one, the readings, cells to trace in light grey and empty cells with
// the dotted cross, and a sentence of the kanji.
#pragma once

#include <QRectF>

class QPainter;
struct CharStrokes;

constexpr int PracticeKanjiPerPage = 2;
constexpr int PracticeTracedCells = 2;
constexpr int PracticeCells = 8; // traced ones included

// The model square of the kanji in `slot` (0 top, 1 bottom) of its page, in millimetres.
QRectF PracticeModelMm(int slot);
// Paints the kanji in `slot`; without stroke data the kanji is written in the font instead.
void PaintPracticeBlock(QPainter& p, int slot, int kanji, const CharStrokes* strokes);
