// SPDX-License-Identifier: GPL-3.0-or-later
// "Kanji.dat" (14-byte records), "Mondai2.dat" (6-byte index records) and "Mondai1.dat" (64-byte
// sentence records). A damaged file is refused whole: the tables keep what they held before.
#pragma once

#include "data/Tables.h"

#include <QByteArray>
#include <QVector>

constexpr int KanjiRecSize = 14;
constexpr int MondaiIdxRecSize = 6;
constexpr int MondaiRecSize = 64;
constexpr int MaxSentences = 5;

inline const QString KanjiFileName = QStringLiteral("Kanji.dat");
inline const QString MondaiIdxFileName = QStringLiteral("Mondai2.dat");
inline const QString MondaiFileName = QStringLiteral("Mondai1.dat");

// Parse whole file contents; false for a file that breaks the record rules.
bool ParseKanjiFile(const QByteArray& bytes, std::array<TKanjiRec, MaxKanji + 1>& table);
bool ParseMondaiIdxFile(const QByteArray& bytes, std::array<TMondaiIdxRec, MaxKanji + 1>& table);
TMondaiRec ParseMondaiRec(const char* record);  // one 64-byte record
QByteArray EncodeMondaiRec(const TMondaiRec& rec);

// Whether the table holds a kanji and its stroke count at every number of school years 1 to 4
// (the years a player can have): a cut or empty "Kanji.dat" parses, but nothing can be played.
bool KanjiTableHasSchoolYears(const std::array<TKanjiRec, MaxKanji + 1>& table);

// Load from the program directory into Kanji_Tbl / Mondai_Idx; false on a missing or damaged
// file (the caller shows the file error report and ends the program).
bool LoadKanjiTable();
bool LoadMondaiIndex();

// One sentence of kanji k chosen at random; false when "Mondai1.dat" cannot be read or the
// index points outside it.
bool Read_Mondai(int k, TMondaiRec& out);
// All sentences of kanji k in file order (the quiz shows them all).
bool ReadAllMondai(int k, QVector<TMondaiRec>& out);
