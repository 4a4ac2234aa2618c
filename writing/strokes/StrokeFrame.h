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

// How one drawn stroke fits as one model stroke, errors in model units (divided by the scale).
struct StrokeFit {
    FrameTransform frame;
    bool plausible = false;
    double error = 1e9;     // mean distance of the drawn stroke's points from the placed model
    double keptError = 0;   // the worst such mean of the strokes accepted before, in this frame
    double shapeError = 1e9; // the drawn stroke's error once moved onto the placed model
};

class StrokeFrame {
public:
    void clear();
    // An accepted stroke: drawn and model points, both resampled alike.
    void add(const StrokePath& drawn, const StrokePath& model);
    bool isEmpty() const { return pairs_.isEmpty(); }
    // Fitted from the accepted strokes; the default frame before any.
    FrameTransform transform() const;
    // The frame fitted with one more stroke, and how everything sits in it.
    StrokeFit fit(const StrokePath& drawn, const StrokePath& model) const;

private:
    using Normal = std::array<double, 5 * 6>; // 5 x 5 normal matrix beside its right-hand side
    static void accumulate(Normal& n, const StrokePath& drawn, const StrokePath& model);
    static FrameTransform solve(Normal n);

    QList<std::pair<StrokePath, StrokePath>> pairs_;
    Normal normal_{};
};
