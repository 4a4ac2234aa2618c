// SPDX-License-Identifier: GPL-3.0-or-later
// The readings each kanji of school years 1 to 4 teaches (data/kanji/readings.txt, built into
// the program), and which of them a sentence asks.
#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

struct KanjiReading {
    QString written;    // as the table writes it: "モク", "た.べる"
    int laterYear = 0;  // the year a child first meets it; 0 for the kanji's own year
    bool special = false; // read so only in one set word (お父さん), not a reading of its own
    bool isOn() const;
    QString stem() const;       // hiragana before the okurigana: "もく", "た"
    QString okurigana() const;  // "べる"; empty for on readings
    QString shown() const;      // as the answers show it: "モク", "た(べる)"
};

struct KanjiReadingsLine {
    QString kanji;
    QVector<KanjiReading> readings;
    int line = 0;
};

// Parses the table; each malformed line becomes "<line>: <reason>" in errors.
QVector<KanjiReadingsLine> ParseKanjiReadings(const QString& text, QStringList& errors);
// The built-in table's readings of a kanji (empty for kanji the table does not hold).
const QVector<KanjiReading>& SchoolReadings(const QString& kanji);
// The table reading a sentence asks, given its reading and the text after the kanji (whose
// okurigana tells あ.がる from あ.げる); -1 when the reading is none of them.
int ReadingAsked(const QVector<KanjiReading>& readings, const QString& reading, const QString& after);
