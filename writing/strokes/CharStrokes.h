// SPDX-License-Identifier: GPL-3.0-or-later
// One character's strokes as a school writes them: the centre line of each stroke, sampled from
// KanjiVG's paths in writing direction, in its 109 x 109 box with y downwards.
#pragma once

#include <QList>
#include <QPointF>

constexpr double StrokeBoxSize = 109.0;

using StrokePath = QList<QPointF>;

struct CharStrokes {
    char32_t ch = 0;
    QList<StrokePath> strokes; // in the school's stroke order
    // Further accepted orders (a few kanji have two in the school guide): each lists every
    // stroke index once, in the order that writer draws them.
    QList<QList<int>> otherOrders;

    int count() const { return int(strokes.size()); }
    // The model's own order first, then the other accepted ones.
    QList<QList<int>> acceptedOrders() const;
};
