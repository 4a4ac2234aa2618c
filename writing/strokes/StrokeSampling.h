// SPDX-License-Identifier: GPL-3.0-or-later
// Strokes compared point by point: both sides resampled to the same number of points spaced
// evenly along their length, so speed and the pen's sampling rate do not matter.
#pragma once

#include "writing/strokes/CharStrokes.h"

constexpr int StrokeSamples = 24;

double PathLength(const StrokePath& path);
// n points evenly along the path, first and last kept; a single point is repeated.
StrokePath Resampled(const StrokePath& path, int n = StrokeSamples);
StrokePath Reversed(const StrokePath& path);
QPointF Centroid(const StrokePath& path);
