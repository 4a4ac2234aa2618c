// SPDX-License-Identifier: GPL-3.0-or-later
// The playfield's frame and paddle strip as the screen draws them (the same shapes the back
// buffer gets at the rules' resolution).
#pragma once

#include <QRect>

class QPainter;

// The white frame of width 2 around a w x h playfield.
void DrawPlayfieldBorder(QPainter& painter, int w, int h);
// The bottom strip's place, and the strip: navy with the red paddle block.
QRect PlayfieldStripRect(int w, int h, int stripHeight);
void DrawPlayfieldStrip(QPainter& painter, int w, int h, int stripHeight, int blockX,
                        int blockWidth);
