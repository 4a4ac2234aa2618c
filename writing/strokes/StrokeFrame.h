// SPDX-License-Identifier: GPL-3.0-or-later
// Where a child writes against the model: the size, place and slant of their writing, fitted to
// the strokes accepted so far. Model points are taken about the box's centre:
//   x' = sx * (x - c) + shear * (y - c) + tx,   y' = sy * (y - c) + ty.
// A weak pull towards even scaling without slant settles what a few strokes leave open (one
// horizontal stroke says nothing about height).
#pragma once

#include "writing/strokes/CharStrokes.h"

#include <QList>
#include <QPointF>

#include <array>

struct FrameTransform {
    double sx = 1, sy = 1, shear = 0;
    double tx = StrokeBoxSize / 2, ty = StrokeBoxSize / 2;

    QPointF map(const QPointF& model) const;
    StrokePath map(const StrokePath& model) const;
    double scale() const; // the writing's size against the model's
    // A frame a child's writing can have: not mirrored, squashed or far out of the box.
    bool plausible() const;
};

// How one drawn stroke fits as one model stroke, in model units (divided by the scale). The
// errors compare the lines as lines: the mean distance from each line's points to the other
// line, both ways, so a hook or sweep drawn shorter or longer moves them little.
struct StrokeFit {
    FrameTransform frame;
    bool plausible = false;
    double error = 1e9;      // the drawn line against the placed model
    double pathError = 1e9;  // mean distance of point to point, start to end: tells direction
    double shapeError = 1e9; // the drawn line moved onto the model placed as before it
    double worst = 1e9;      // the farthest point of either line from the other
    double lengthRatio = 0;  // the drawn line's length against the placed model's
    double unmoved = 1e9;    // the drawn line against the model placed as before it
    // How far past the square the model's box reaches when the character is taken as small as
    // this stroke's length allows, about where the stroke was drawn.
    double boxOut = 0;
};

class StrokeFrame {
public:
    void clear();
    // An accepted stroke: drawn and model points, both resampled alike.
    void add(const StrokePath& drawn, const StrokePath& model);
    bool isEmpty() const { return pairs_.isEmpty(); }
    // Fitted from the accepted strokes; the default frame before any.
    FrameTransform transform() const;
    // The frame fitted with one more stroke, and how that stroke sits in it.
    StrokeFit fit(const StrokePath& drawn, const StrokePath& model) const;
    // The worst error of the strokes accepted so far in a frame.
    double keptError(const FrameTransform& t) const;

private:
    using Normal = std::array<double, 5 * 6>; // 5 x 5 normal matrix beside its right-hand side
    static void accumulate(Normal& n, const StrokePath& drawn, const StrokePath& model);
    static FrameTransform solve(Normal n);
    static StrokePath matched(const StrokePath& drawn, const StrokePath& model,
                              const FrameTransform& t);
    static double boxOut(const FrameTransform& t, const StrokePath& drawn, const StrokePath& model);
    FrameTransform solveWith(const StrokePath& drawn, const StrokePath& model) const;

    QList<std::pair<StrokePath, StrokePath>> pairs_; // drawn and model strokes accepted
    Normal normal_{};
};
