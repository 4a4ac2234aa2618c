// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Tables.h"

#include "data/RecordsChanges.h"

#include "platform/Cp932.h"

#include <algorithm>

std::array<TKanjiRec, MaxKanji + 1> Kanji_Tbl;
std::array<TMondaiIdxRec, MaxKanji + 1> Mondai_Idx;
std::array<TGakunenRec, 7> Gakunen_Tbl;

std::int16_t Player_Count = 0;
std::array<TPlayerRec, MaxPlayers + 1> Player_Tbl;
std::array<std::array<TKirokuRec, MaxRanks + 1>, MaxGames + 1> Kiroku_Tbl;
std::array<std::int16_t, 9> LevelUp_Tbl{};

std::int16_t Cur_Player = 0;
std::int16_t Cur_Game = 0;
std::int16_t Cur_First = 0;
std::int16_t Cur_Count = 0;
std::int16_t Cur_PerLevel = 0;
std::int16_t Cur_Levels = 0;
std::int16_t Cur_LastLevel = 0;
std::int32_t Last_Score = 0;
std::int32_t Quiz_Kanji = 0;
bool Quiz_Passed = false;

std::int16_t Disp_Mode = 2;
double Disp_Scale = 1;
int Midi_Count = 0;
QString Exe_Dir;

QByteArray TShortName::sjis() const
{
    return QByteArray(Bytes.data(), std::min<int>(Len, NameBytes));
}

void TShortName::setSjis(const QByteArray& text)
{
    const int n = std::min<int>(text.size(), NameBytes);
    Bytes.fill(0);
    std::copy_n(text.constData(), n, Bytes.data());
    Len = static_cast<std::uint8_t>(n);
}

QString TShortName::text() const { return Cp932::toUnicode(sjis()); }

QString TKanjiRec::text() const { return Cp932::toUnicode(Kanji); }

QByteArray TMondaiRec::partText(int j) const
{
    if (j < 1 || j > 3)
        return {};
    return TrimSjis(Part[j]);
}

QString TMondaiRec::partString(int j) const { return Cp932::toUnicode(partText(j)); }

void SetConstantTables()
{
    Gakunen_Tbl[0] = {};
    Gakunen_Tbl[1] = {1, 80, 10, 8, 10};
    Gakunen_Tbl[2] = {81, 160, 20, 8, 20};
    Gakunen_Tbl[3] = {241, 200, 20, 10, 20};
    Gakunen_Tbl[4] = {441, 200, 20, 10, 20};
    Gakunen_Tbl[5] = {641, 185, 20, 9, 25};
    Gakunen_Tbl[6] = {826, 181, 20, 9, 21};
    LevelUp_Tbl = {0, 2, 10, 10, 10, 5, 5, 5, 2};
}

void ClearPlayersAndRecords()
{
    ForgetRecordsOnDisk();
    Player_Count = 0;
    for (TPlayerRec& p : Player_Tbl) {
        p = TPlayerRec{};
        p.Level.fill(1);
        p.Level[0] = 0;
    }
    for (auto& game : Kiroku_Tbl)
        for (TKirokuRec& slot : game)
            slot = TKirokuRec{};
}

void ClearKanjiTables()
{
    Kanji_Tbl.fill(TKanjiRec{});
    Mondai_Idx.fill(TMondaiIdxRec{});
}

void InitTables()
{
    SetConstantTables();
    ClearPlayersAndRecords();
    ClearKanjiTables();
    Cur_Player = 0;
    Cur_Game = 0;
    Cur_First = Cur_Count = Cur_PerLevel = Cur_Levels = Cur_LastLevel = 0;
    Last_Score = 0;
    Quiz_Kanji = 0;
    Quiz_Passed = false;
}
