// SPDX-License-Identifier: GPL-3.0-or-later
// How the practice draws a kanji's strokes on a square: the writing square with its cross guide,
// a stroke (whole or its first part), its number at its start, and its start and direction.
#pragma once

#include "aftergame/practice/ModelStrokes.h"

#include <QColor>

class QPainter;

namespace PracticeColours {
inline const QColor Ink(20, 20, 20);
inline const QColor Model(205, 205, 205);   // the grey model to trace
inline const QColor Number(220, 40, 40);
inline const QColor Hint(255, 140, 0);      // the stroke's start and direction
inline const QColor Help(120, 180, 255);    // a stroke shown for tracing
inline const QColor Wrong(230, 60, 60);
} // namespace PracticeColours

// White square, frame, and the dotted cross through the middle (十字リーダー).
void PaintWritingSquare(QPainter& p, const QRectF& square);
// A stroke, or its first `fraction`, as a brush line of a width fitting the square.
void PaintStroke(QPainter& p, const QRectF& square, const QPolygonF& stroke, const QColor& colour,
                 double fraction = 1.0, double widthFactor = 1.0);
// The stroke's number in a small circle beside its start; `scale` enlarges it (paper).
void PaintStrokeNumber(QPainter& p, const QRectF& square, const QPolygonF& stroke, int number,
                       double scale = 1.0);
// Where the stroke starts (a ring) and which way it goes (an arrow along its first part).
void PaintStrokeStart(QPainter& p, const QRectF& square, const QPolygonF& stroke,
                      const QColor& colour);
// The head of a stroke being drawn: which way the brush moves.
void PaintArrowHead(QPainter& p, const QRectF& square, const QPolygonF& drawn, const QColor& colour);
