// SPDX-License-Identifier: GPL-3.0-or-later
// A kanji's model strokes as the practice draws them: one centre line per stroke, in the school
// stroke order, in the 109 box of the stroke data (y down).
#pragma once

#include <QList>
#include <QPolygonF>
#include <QRectF>

using ModelStrokes = QList<QPolygonF>;

constexpr double ModelBox = 109.0;

// A model point in a square drawn at `square`.
QPointF ModelToSquare(QPointF p, const QRectF& square);
// The first `fraction` (0..1) of a stroke by its length.
QPolygonF StrokePart(const QPolygonF& stroke, double fraction);
double StrokeLength(const QPolygonF& stroke);
