// SPDX-License-Identifier: GPL-3.0-or-later
// The school readings table (readings.txt) against kanjidic and the sentences: every reading a
// child of the kanji's year meets must be asked by some sentence of the kanji.
#pragma once

#include "data/KanjiReadings.h"
#include "tools/kanjidata/KanjiChecks.h"

struct YearReadings {
    int taught = 0;   // readings the table gives the year's kanji
    int ownYear = 0;  // of those, met in the kanji's own year
    int asked = 0;    // of all taught, asked by a sentence
};

// Reads readings.txt from the source dir; malformed lines become failures.
QVector<KanjiReadingsLine> ReadReadingsTable(const QString& dir, QVector<CheckFailure>& failures);
// The table holds exactly the kanji of years 1 to 4 with kanjidic readings.
QVector<CheckFailure> CheckReadingsTable(const KanjiSources& src, const QVector<KanjiReadingsLine>& table,
                                         const QHash<QString, KanjiDicEntry>& dic);
// Each sentence of years 1 to 4 asks a table reading, and each own-year reading is asked;
// perYear[1..4] gets the counts.
QVector<CheckFailure> CheckReadingsAsked(const KanjiSources& src, const QVector<KanjiReadingsLine>& table,
                                         YearReadings perYear[5]);
