// SPDX-License-Identifier: GPL-3.0-or-later
// The program's shared tables and play values. They live for the whole run; every window reads
// and changes them directly. Names follow the program's own naming convention (Kanji_Tbl,
// Cur_Player, TPlayerRec, ...): keep them as they are.
#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>

constexpr int MaxKanji = 1024;
constexpr int MaxPlayers = 100;
constexpr int MaxGames = 10;  // per-game arrays are indexed 1..10; games 1..7 are used
constexpr int MaxRanks = 10;
constexpr int NameBytes = 20;

// A name as the records store it: a length byte followed by 20 bytes of Shift-JIS text.
// The bytes past the length are kept as read, so a loaded file saves back byte for byte.
struct TShortName {
    std::uint8_t Len = 0;
    std::array<char, NameBytes> Bytes{};

    QByteArray sjis() const;               // the stored text (at most 20 bytes)
    void setSjis(const QByteArray& text);  // cuts at 20 bytes; clears the rest
    QString text() const;                  // decoded for display
};

struct TKanjiRec {
    QByteArray Kanji;  // the two Shift-JIS bytes, empty where no record named the slot
    std::int16_t Kakusuu = 0;
    std::array<std::int16_t, 4> Extra{};
    QString text() const;  // decoded for display
};

struct TMondaiIdxRec {
    std::int16_t Key = 0;
    std::int16_t Start = 0;
    std::int16_t Count = 0;
};

struct TMondaiRec {
    std::int16_t Key = 0;
    std::int16_t Pos = 0;
    std::array<QByteArray, 4> Part;  // Part[1..3]: the raw 20 bytes of each part

    QByteArray partText(int j) const;  // trimmed Shift-JIS bytes of part j
    QString partString(int j) const;   // the same, decoded
};

struct TGakunenRec {
    std::int16_t First = 0;
    std::int16_t Count = 0;
    std::int16_t PerLevel = 0;
    std::int16_t Levels = 0;
    std::int16_t LastLevel = 0;
};

struct TPlayerRec {
    std::int16_t No = 0;
    TShortName Name;
    std::uint8_t Pad = 0;
    std::int16_t Gakunen = 0;
    std::int16_t Reserved = 0;
    std::array<std::int16_t, MaxGames + 1> Level{};     // [1..10]
    std::array<std::int16_t, MaxGames + 1> Progress{};  // [1..10]
    std::array<std::int32_t, MaxGames + 1> Best{};      // [1..10]
};

struct TKirokuRec {
    std::int16_t Game = 0;
    std::int16_t Rank = 0;
    TShortName Name;
    std::uint8_t Pad = 0;
    std::int16_t Gakunen = 0;
    std::int32_t Tokuten = 0;
    double Hizuke = 0;  // days since 30 December 1899, whole days
};

// Kanji and question data (filled at start-up, read only afterwards).
extern std::array<TKanjiRec, MaxKanji + 1> Kanji_Tbl;        // [1..1024]
extern std::array<TMondaiIdxRec, MaxKanji + 1> Mondai_Idx;   // [1..1024]
extern std::array<TGakunenRec, 7> Gakunen_Tbl;               // [1..6]

// Players and records.
extern std::int16_t Player_Count;
extern std::array<TPlayerRec, MaxPlayers + 1> Player_Tbl;                              // [1..100]
extern std::array<std::array<TKirokuRec, MaxRanks + 1>, MaxGames + 1> Kiroku_Tbl;      // [game][rank]
extern std::array<std::int16_t, 9> LevelUp_Tbl;                                        // [1..8]

// Play values.
extern std::int16_t Cur_Player;
extern std::int16_t Cur_Game;
extern std::int16_t Cur_First;
extern std::int16_t Cur_Count;
extern std::int16_t Cur_PerLevel;
extern std::int16_t Cur_Levels;
extern std::int16_t Cur_LastLevel;
extern std::int32_t Last_Score;
extern std::int32_t Quiz_Kanji;
extern bool Quiz_Passed;

// Display and media values.
extern std::int16_t Disp_Mode;  // 2 normal fonts, 1 large fonts
extern double Disp_Scale;       // 1 or 1.25
extern int Midi_Count;          // 1 when MIDI music can really play, else 0
extern QString Exe_Dir;         // the program directory, ending in '/'

// Set the constant tables (school years, level-up credits) and clear players and records.
void InitTables();
void SetConstantTables();
void ClearPlayersAndRecords();
void ClearKanjiTables();
