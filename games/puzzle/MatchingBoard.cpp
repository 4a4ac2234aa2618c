// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/puzzle/MatchingBoard.h"

#include "data/Tables.h"
#include "platform/Random.h"

#include <algorithm>

void MatchingBoard::reset()
{
    Card_Kanji.fill(0);
    Com_Kioku.fill(0);
    Seen_Turn.fill(0);
    for (int c = 0; c <= CardCount; ++c)
        Nokori_List[c] = static_cast<std::int16_t>(c);
    Nokori_Count = CardCount;
    Turn_No = 0;
}

bool MatchingBoard::onBoard(int card) const
{
    for (int i = 1; i <= Nokori_Count; ++i)
        if (Nokori_List[i] == card)
            return true;
    return false;
}

void MatchingBoard::removePair(int a, int b)
{
    int n = 0;
    for (int i = 1; i <= Nokori_Count; ++i) {
        const int c = Nokori_List[i];
        if (c != a && c != b)
            Nokori_List[++n] = static_cast<std::int16_t>(c);
    }
    for (int i = n + 1; i <= CardCount; ++i)
        Nokori_List[i] = 0;
    Nokori_Count = n;
}

int CardColumn(int card) { return (card + 5) / 6; }

int CardRow(int card) { return (card - 1) % 6 + 1; }

QVector<int> MatchingCandidates(int level)
{
    QVector<int> set;
    if (Cur_Levels < 1 || level < 1)
        return set;
    const int m = std::min<int>(level, Cur_Levels);
    const int n = std::min<int>(level == Cur_Levels ? Cur_LastLevel : Cur_PerLevel, 20);
    const int first = Cur_First + (m - 1) * Cur_PerLevel;
    for (int b = 0; b < n; ++b)
        if (first + b >= 1 && first + b <= MaxKanji)
            set.append(first + b);
    return set;
}

QVector<int> DrawGameKanji(QVector<int> candidates)
{
    QVector<int> drawn;
    for (int i = 1; i <= KanjiPerGame && !candidates.isEmpty(); ++i) {
        const int k = Random(static_cast<int>(candidates.size()));
        drawn.append(candidates[k]);
        candidates.remove(k);
    }
    return drawn;
}

void DealCards(MatchingBoard& board, const QVector<int>& kanji)
{
    QVector<int> free;
    for (int c = 1; c <= CardCount; ++c)
        free.append(c);
    for (int k : kanji) {
        for (int j = 0; j < 4 && !free.isEmpty(); ++j) {
            const int i = Random(static_cast<int>(free.size()));
            board.Card_Kanji[free[i]] = static_cast<std::int16_t>(k);
            free.remove(i);
        }
    }
}
