// Game 3's progress clock: a disc whose coloured sector is the share of the shuffle still to come;
// green for the first half, yellow to three quarters, red for the rest.
#pragma once

#include <QColor>
#include <QImage>

QColor ProgressClockColour(int d, int r);
// The 100 by 100 clock for c with the game's start and end counts.
QImage DrawProgressClock(int c, int startCount, int endCount);
