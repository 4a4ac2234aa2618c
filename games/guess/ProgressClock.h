// SPDX-License-Identifier: GPL-3.0-or-later
// The picture games' clocks: a white disc with a coloured sector for the part still to come,
// shrinking clockwise from twelve o'clock.
#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

// d of r done: a sector of the remaining share in `colour`; a plain white disc when d = r.
// `scale` device pixels per layout pixel: the picture is `size` in the layout either way.
QImage DrawPieClock(const QSize& size, int d, int r, const QColor& colour, qreal scale = 1.0);

// Game 3's progress clock: green for the first half of the shuffle, yellow to three quarters,
// red for the rest.
QColor ProgressClockColour(int d, int r);
QImage DrawProgressClock(int c, int startCount, int endCount, qreal scale = 1.0);
