// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/puzzle/EndMessagePlace.h"

#include <algorithm>

QRect EndMessagePlace(const QRect& board, const QRect& cardA, const QRect& cardB) {
    const int pairTop = std::min(cardA.top(), cardB.top());
    const int pairBottom = std::max(cardA.bottom(), cardB.bottom());
    const QRect above(board.left(), board.top(), board.width(), std::max(0, pairTop - board.top()));
    const QRect below(board.left(), pairBottom + 1, board.width(),
                      std::max(0, board.bottom() - pairBottom));
    return above.height() >= below.height() ? above : below;
}
