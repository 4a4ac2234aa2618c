// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Rules.h"

#include "data/RecordsChanges.h"

#include <algorithm>

void StartGame(int game)
{
    Cur_Game = static_cast<std::int16_t>(game);
    const int y = Player_Tbl[Cur_Player].Gakunen;
    if (y < 1 || y > 6)
        return;
    const TGakunenRec& e = Gakunen_Tbl[y];
    Cur_First = e.First;
    Cur_Count = e.Count;
    Cur_PerLevel = e.PerLevel;
    Cur_Levels = e.Levels;
    Cur_LastLevel = e.LastLevel;
}

void LevelUp(int game)
{
    if (Cur_Player < 1 || Cur_Player > MaxPlayers || game < 1 ||
        game >= static_cast<int>(LevelUp_Tbl.size()))
        return;
    TPlayerRec& p = Player_Tbl[Cur_Player];
    p.Progress[game] = static_cast<std::int16_t>(p.Progress[game] + 1);
    if (p.Progress[game] >= LevelUp_Tbl[game] && p.Level[game] <= Cur_Levels) {
        p.Level[game] = static_cast<std::int16_t>(p.Level[game] + 1);
        p.Progress[game] = 0;
    }
    RecordsChanged();
}

bool IsAllClear(int gakunen, int level)
{
    if (gakunen < 1 || gakunen > 6)
        return false;
    return level > Gakunen_Tbl[gakunen].Levels;
}

QVector<int> LevelKanjiSet(int y, int level)
{
    QVector<int> set;
    if (y < 1 || y > 6 || level < 1)
        return set;
    const TGakunenRec& e = Gakunen_Tbl[y];
    const int m = std::min<int>(level, e.Levels);
    const int n = level == e.Levels ? e.LastLevel : e.PerLevel;
    for (int b = 1; b <= n; ++b)
        set.append(e.First + (m - 1) * e.PerLevel + (b - 1));
    return set;
}

RankingResult EnterResult(int game, std::int32_t score, double day)
{
    RankingResult result;
    if (game < 1 || game > MaxGames)
        return result;
    auto& ranks = Kiroku_Tbl[game];

    RankingEntry fresh;
    fresh.isNew = true;
    fresh.rec.Game = static_cast<std::int16_t>(game);
    if (Cur_Player >= 1 && Cur_Player <= MaxPlayers) {
        fresh.rec.Name.setSjis(Player_Tbl[Cur_Player].Name.sjis());
        fresh.rec.Gakunen = Player_Tbl[Cur_Player].Gakunen;
    }
    fresh.rec.Tokuten = score;
    fresh.rec.Hizuke = day;

    QVector<RankingEntry> list;
    bool placed = false;
    for (int r = 1; r <= MaxRanks; ++r) {
        const TKirokuRec& slot = ranks[r];
        const std::int32_t stored = slot.Game != 0 ? slot.Tokuten : 0;
        if (!placed && score >= stored) {
            list.append(fresh);
            placed = true;
        }
        if (slot.Game != 0)
            list.append({slot, false});
    }
    if (list.size() > MaxRanks)
        list.resize(MaxRanks);

    for (int i = 0; i < list.size(); ++i) {
        RankingEntry& e = list[i];
        e.rec.Rank = static_cast<std::int16_t>(i + 1);
        e.rec.Game = static_cast<std::int16_t>(game);
        ranks[i + 1] = e.rec;
        if (e.isNew)
            result.newRank = i + 1;
    }
    result.entries = list;
    RecordsChanged();
    return result;
}

void ApplyBestScore(int game, std::int32_t score)
{
    if (Cur_Player < 1 || Cur_Player > MaxPlayers || game < 1 || game > MaxGames)
        return;
    std::int32_t& best = Player_Tbl[Cur_Player].Best[game];
    if (best < score)
        best = score;
    RecordsChanged();
}
