// SPDX-License-Identifier: GPL-3.0-or-later
// The SVG path data of KanjiVG's strokes turned into points: moves, lines and cubic curves
// (M m L l H h V v C c S s Z z), the curves flattened and the whole spaced evenly.
#pragma once

#include "writing/strokes/CharStrokes.h"

#include <QString>

// Points about `spacing` apart along the path, its first and last point kept. Empty, with a
// reason in error, for path data that is not understood.
StrokePath SvgPathPoints(const QString& d, double spacing, QString* error);
