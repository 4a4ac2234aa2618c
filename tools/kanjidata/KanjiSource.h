// SPDX-License-Identifier: GPL-3.0-or-later
// The human-written kanji sources: data/kanji/kanji.txt (the numbered kanji list) and
// data/kanji/sentences<Y>.txt (example sentences per school year). Every problem found is
// reported as "<file>:<line>: <reason>" so the build can point at the line to fix.
#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

constexpr int KanjiYears = 6;
constexpr int SentencePartBytes = 20;
constexpr int MaxSentencesPerKanji = 5;

struct KanjiEntry {
    int number = 0;
    QString kanji;
    int strokes = 0;
    int year = 0;
    int freq = 0;  // kanjidic frequency rank, 0 when it has none
    int line = 0;
};

struct SourceSentence {
    QString part[4];  // [1..3]
    int pos = 0;      // which part holds the reading
    QString file;
    int line = 0;

    QString reading() const { return part[pos]; }
    QString before() const;  // text before the kanji
    QString after() const;   // text after the kanji
    QString withKanji(const QString& kanji) const;    // as the quiz shows it
    QString withReading() const;                      // the reading in its place
    QString bracketed() const;                        // reading in [brackets]
    QString sourceText() const;                       // "a|{b}|c" as written
};

struct KanjiSources {
    QString dir;
    QVector<KanjiEntry> kanji;              // index = number - 1
    QMap<int, QVector<SourceSentence>> sentences;  // by kanji number
    bool yearFilePresent[KanjiYears + 1] = {};
    QString yearFile[KanjiYears + 1];

    const KanjiEntry* find(const QString& kanjiOrNumber) const;
    int firstKanjiOfYear(int year) const;
    int lastKanjiOfYear(int year) const;
    // The last kanji number whose sentences go into the data files: the end of the last year
    // before the first missing sentence file (0 when year 1 is missing).
    int lastWrittenKanji() const;
};

QString SentenceFileName(int year);
// Reads kanji.txt and every sentences<Y>.txt in dir. Errors go to errors, notes on missing
// year files to warnings.
KanjiSources ReadKanjiSources(const QString& dir, QStringList& errors, QStringList& warnings);
// Parses one sentence line's text after "- "; empty reason when it is well-formed.
QString ParseSentence(const QString& text, SourceSentence& out);
