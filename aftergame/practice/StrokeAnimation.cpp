// SPDX-License-Identifier: GPL-3.0-or-later
#include "aftergame/practice/StrokeAnimation.h"

#include <algorithm>

void StrokeAnimation::setStrokes(const ModelStrokes& strokes) {
    strokes_ = strokes;
    restart();
}

void StrokeAnimation::restart() {
    stroke_ = 0;
    tick_ = 0;
}

int StrokeAnimation::ticksFor(const QPolygonF& stroke) {
    // About 110 model units (a whole square) a second.
    return std::max(ShortestTicks, int(StrokeLength(stroke) / 4.4));
}

double StrokeAnimation::fraction() const {
    if (finished())
        return 1.0;
    return std::min(1.0, double(tick_) / ticksFor(strokes_[stroke_]));
}

bool StrokeAnimation::tick() {
    if (finished())
        return false;
    ++tick_;
    if (tick_ >= ticksFor(strokes_[stroke_]) + RestTicks) {
        ++stroke_;
        tick_ = 0;
    }
    return !finished();
}
