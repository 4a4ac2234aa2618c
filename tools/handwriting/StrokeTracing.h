// SPDX-License-Identifier: GPL-3.0-or-later
// The benchmark's test set: strokes made by following the skeleton of a glyph (VL Gothic, a font
// the templates never saw), then written as a child might: smaller or larger, off-centre, tilted,
// wobbly. Skeleton branches that run straight on through a crossing are joined into one stroke;
// strokes run left to right or top to bottom and come top row first, our stand-in for the
// school order.
#pragma once

#include "writing/handwriting/Ink.h"

#include <QString>

#include <random>

inline const QString TestFontFamily = QStringLiteral("VL Gothic");

// The traced strokes in glyph pixels (0..128); empty when the font lacks the character.
Ink TraceGlyph(const QString& character, const QString& family = TestFontFamily);
// Placed in the 1024 box with the random changes of a child's hand.
Ink Handwritten(const Ink& traced, std::mt19937& rng);
Ink ShuffledStrokes(const Ink& ink, std::mt19937& rng);
Ink ReversedStrokes(const Ink& ink);
