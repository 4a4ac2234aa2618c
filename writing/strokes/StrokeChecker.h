// SPDX-License-Identifier: GPL-3.0-or-later
// Judges a child's strokes one by one against one character's model strokes: the right stroke
// in the right place of the order, written in the right direction, in the right place and of
// the right shape within a child's tolerance. Stops, hooks and sweeps are not judged. Where the
// character has other accepted orders, a stroke right in any of them is right.
//
// The child's writing may be smaller, shifted or slanted: the checker follows how the strokes
// written so far sit against the model and judges each new stroke in that frame.
#pragma once

#include "writing/strokes/CharStrokes.h"
#include "writing/strokes/StrokeFrame.h"

#include <QList>
#include <QString>

enum class StrokeVerdict {
    Ok,        // the expected stroke, drawn well
    Order,     // another stroke of the character, drawn before its turn
    Direction, // the expected stroke, drawn backwards
    Place,     // the expected stroke's shape, in the wrong place
    Shape,     // not the expected stroke's shape
    Extra,     // a stroke after the character was finished
};

struct StrokeJudgement {
    StrokeVerdict verdict = StrokeVerdict::Shape;
    int expected = -1; // the model stroke that was due (-1 when the character was finished)
    int matched = -1;  // the model stroke drawn: the expected one for Ok, Direction and Place,
                       // the one drawn too early for Order, -1 otherwise
};

// "ok", "order", "direction", "place", "shape", "extra".
QString VerdictName(StrokeVerdict verdict);

class StrokeChecker {
public:
    explicit StrokeChecker(const CharStrokes& model);

    // One drawn stroke, in the 109 box with y downwards. Only an Ok stroke moves the checker on.
    StrokeJudgement judge(const StrokePath& drawn);

    // The model stroke due next (-1 when finished); in the model's own order where that is
    // still one of the accepted orders.
    int expected() const;
    bool finished() const;
    // Model strokes neither drawn right nor given, by index.
    QList<int> missing() const;
    // Model strokes done so far (drawn right or given), in the order they were done.
    QList<int> done() const;

    // Marks the expected stroke as drawn for the child (after misses); returns its index, -1
    // when finished. A given stroke counts as done but not as the child's.
    int give();
    bool isGiven(int stroke) const;
    // Wrong strokes since the expected stroke became due.
    int misses() const { return misses_; }

    // A model stroke laid where the child is writing (their size, place and slant so far), for
    // showing a given stroke or the expected stroke's start and direction in the child's frame.
    StrokePath placed(int stroke) const;

    const CharStrokes& model() const { return model_; }
    void reset();

private:
    QList<int> dueStrokes() const;
    StrokeFit tryStroke(const StrokePath& drawn, int stroke) const;
    bool fits(const StrokeFit& f) const;
    void accept(int stroke, const StrokePath& drawn);

    CharStrokes model_;
    QList<StrokePath> modelSamples_;
    QList<QList<int>> orders_; // accepted orders still matching what was done
    QList<int> done_;
    QList<bool> given_;
    StrokeFrame frame_;
    int misses_ = 0;
};
