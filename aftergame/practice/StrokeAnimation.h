// SPDX-License-Identifier: GPL-3.0-or-later
// The kanji drawn stroke by stroke at a child's pace: each stroke takes a time that grows with its
// length, then a short rest before the next. Driven by ticks (the window's timer, or a test).
#pragma once

#include "aftergame/practice/ModelStrokes.h"

class StrokeAnimation {
  public:
    static constexpr int TickMs = 40;
    static constexpr int RestTicks = 10;    // between strokes
    static constexpr int ShortestTicks = 14;

    void setStrokes(const ModelStrokes& strokes);
    void restart();
    // One tick further; false once the whole kanji stands.
    bool tick();
    bool finished() const { return stroke_ >= strokes_.size(); }
    // The stroke being drawn (all before it stand whole), and how much of it is drawn.
    int stroke() const { return int(stroke_); }
    double fraction() const;
    // Ticks the stroke takes to draw (tests and the benchmark read it).
    static int ticksFor(const QPolygonF& stroke);

  private:
    ModelStrokes strokes_;
    qsizetype stroke_ = 0;
    int tick_ = 0;
};
