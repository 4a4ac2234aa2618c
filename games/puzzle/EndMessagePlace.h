// SPDX-License-Identifier: GPL-3.0-or-later
// Where the matching game's end messages stand: over the board, but in its larger free band above
// or below the last pair, so the child still sees the two cards that ended the game.
#pragma once

#include <QRect>

// `board` and the two cards in the same coordinates; the band is as wide as the board.
QRect EndMessagePlace(const QRect& board, const QRect& cardA, const QRect& cardB);
