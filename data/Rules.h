// SPDX-License-Identifier: GPL-3.0-or-later
// The rules that change a player's standing: starting a game, the level-up rule, the ranking rule
// and the best-score rule; and the kanji set a level plays. Each rule that changes the tables
// reports it (RecordsChanged), and the running program saves the records then.
#pragma once

#include "data/Tables.h"

#include <QVector>

// Sets Cur_Game and copies the chosen player's school-year entry into Cur_First..Cur_LastLevel.
void StartGame(int game);

// One levelling credit for game g of Cur_Player.
void LevelUp(int game);

// Whether a level shows as "オールクリア" (every level of the school year cleared).
bool IsAllClear(int gakunen, int level);

// The kanji numbers a game of school year y, level L draws from.
QVector<int> LevelKanjiSet(int y, int level);

struct RankingEntry {
    TKirokuRec rec;
    bool isNew = false;
};

struct RankingResult {
    int newRank = 0;  // 1..10, or 0 when the result did not enter the first ten
    QVector<RankingEntry> entries;  // the new ranking in rank order, at most ten
};

// The ranking rule for game g and score s by Cur_Player, dated `day`: computes the new list and
// writes it back into Kiroku_Tbl[g].
RankingResult EnterResult(int game, std::int32_t score, double day);

// The best-score rule: Best[g] of Cur_Player rises to s when s is strictly greater.
void ApplyBestScore(int game, std::int32_t score);
