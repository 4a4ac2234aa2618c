// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/puzzle/ComputerMemory.h"

#include "platform/Random.h"

int MemoryPercent(int r, int tsuyosa)
{
    static const int table[4][3] = {
        {80, 60, 50},  // 1 to 4 cards
        {60, 40, 25},  // 5 to 12
        {40, 30, 15},  // 13 to 24
        {30, 15, 10},  // 25 to 36
    };
    if (r < 1 || tsuyosa < 1 || tsuyosa > 3)
        return 0;
    const int band = r <= 4 ? 0 : r <= 12 ? 1 : r <= 24 ? 2 : 3;
    return table[band][tsuyosa - 1];
}

bool MemoryRoll(MatchingBoard& board, int a, int b, int tsuyosa)
{
    if (Random(100) >= MemoryPercent(board.Nokori_Count, tsuyosa))
        return false;
    board.Com_Kioku[a] = board.Card_Kanji[a];
    board.Com_Kioku[b] = board.Card_Kanji[b];
    return true;
}

std::pair<int, int> Com_Select(MatchingBoard& board, int tsuyosa)
{
    std::pair<int, int> pick{NoCard, NoCard};
    const int n = board.Nokori_Count;
    for (int i = 1; i <= n && pick.first == NoCard; ++i) {
        const int known = board.Com_Kioku[board.Nokori_List[i]];
        if (known == 0)
            continue;
        for (int j = i + 1; j <= n; ++j) {
            if (board.Com_Kioku[board.Nokori_List[j]] == known) {
                pick = {board.Nokori_List[i], board.Nokori_List[j]};
                break;
            }
        }
    }
    if (pick.first == NoCard && n >= 2) {
        // Blind: the second card from the other n - 1 cards, so the two always differ.
        const int i = Random(n) + 1;
        int j = Random(n - 1) + 1;
        if (j >= i)
            ++j;
        pick = {board.Nokori_List[i], board.Nokori_List[j]};
    }
    if (pick.first != NoCard)
        MemoryRoll(board, pick.first, pick.second, tsuyosa);
    return pick;
}
