// SPDX-License-Identifier: GPL-3.0-or-later
// Strokes as a child writes them, made from the model: the whole character smaller, shifted
// and slanted, each stroke a little off in size and place, the line wobbling. Seeded, so every
// run writes the same.
#pragma once

#include "writing/strokes/CharStrokes.h"

#include <QPointF>

#include <random>

struct ChildHand {
    double scale = 1;     // of the whole character, about the box's centre
    QPointF offset;       // of the whole character
    double slant = 0;     // x moves by slant * (y - centre)
    double strokeSize = 0.12;  // each stroke's size varies by up to this share
    double strokeShift = 3;    // each stroke's place by up to this much (model units)
    double wobble = 1.2;       // slow sway of the line
    double jitter = 0.6;       // point to point shake
};

// A hand with the character's size 0.6 to 1.0, kept inside the box, slanted a little.
ChildHand RandomChildHand(std::mt19937& random);
// The model stroke written by that hand, in the 109 box.
StrokePath ChildStroke(const StrokePath& model, const ChildHand& hand, std::mt19937& random);
// A steady hand: the same frame, no wobble.
StrokePath NeatStroke(const StrokePath& model, const ChildHand& hand);
