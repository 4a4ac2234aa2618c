// SPDX-License-Identifier: GPL-3.0-or-later
// The computer opponent of the matching game: what it keeps of the cards it sees, and how it picks
// its two cards.
#pragma once

#include "games/puzzle/MatchingBoard.h"

#include <utility>

// Chance in percent that the computer remembers a turned pair, by cards on the board (R) and
// strength (1 つよい, 2 ふつう, 3 よわい).
int MemoryPercent(int cardsOnBoard, int tsuyosa);

// The memory roll for cards a and b: with MemoryPercent(Nokori_Count) the computer remembers
// both; it never forgets. Returns whether it remembered.
bool MemoryRoll(MatchingBoard& board, int a, int b, int tsuyosa);

// The computer's two cards: the first remembered pair in board order, else two different cards
// drawn uniformly from the board. The memory roll for them follows, before either is shown.
std::pair<int, int> Com_Select(MatchingBoard& board, int tsuyosa);
