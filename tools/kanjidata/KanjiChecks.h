// SPDX-License-Identifier: GPL-3.0-or-later
// The content checks of the kanji sources: the list against kanjidic, and every sentence's
// reading, wording and MeCab reading. A reading or MeCab disagreement may be accepted by a line
// of data/kanji/exceptions.txt:
//   <check> <kanji> <sentence as written, "a|{b}|c"> -- <reason>
// where <check> is "reading" or "mecab".
#pragma once

#include "tools/kanjidata/Edict.h"
#include "tools/kanjidata/KanjiDic.h"
#include "tools/kanjidata/KanjiSource.h"

#include <QSet>
#include <QString>
#include <QVector>
#include <functional>

struct CheckFailure {
    QString check;  // list, count, hiragana, reading, year, mecab, exceptions
    QString file;
    int line = 0;
    QString text;   // what is wrong, naming the kanji and sentence
    QString toString() const;
};

struct ExceptionEntry {
    QString check;
    QString kanji;
    QString sentence;
    QString reason;
    int line = 0;
    mutable bool used = false;
};

// Reads exceptions.txt (a missing file is an empty list); malformed lines become failures.
QVector<ExceptionEntry> ReadExceptions(const QString& path, QVector<CheckFailure>& failures);

QVector<CheckFailure> CheckKanjiList(const KanjiSources& src, const QHash<QString, KanjiDicEntry>& dic);
QVector<CheckFailure> CheckLeftOutNamed(const KanjiSources& src, const QHash<QString, KanjiDicEntry>& dic,
                                        const QString& notesText);
// Sentences per kanji for its year, and no sentence twice.
QVector<CheckFailure> CheckSentenceCounts(const KanjiSources& src);
// Hiragana, dictionary reading and school-year checks of every sentence.
QVector<CheckFailure> CheckSentenceText(const KanjiSources& src, const QHash<QString, KanjiDicEntry>& dic,
                                        const QVector<ExceptionEntry>& exceptions);
// MeCab's reading of the word holding the kanji (sentence with the kanji in place) must split
// into the expected reading for the kanji and dictionary forms for its other characters;
// false with a reason when MeCab cannot run.
bool CheckMecab(const KanjiSources& src, const QHash<QString, KanjiDicEntry>& dic,
                const QVector<ExceptionEntry>& exceptions, QVector<CheckFailure>& failures, QString& reason);
// Exception lines that matched nothing (call after the checks above).
QVector<CheckFailure> UnusedExceptions(const QVector<ExceptionEntry>& exceptions);

// A sentence whose word may read its kanji another way, and why that way cannot be meant there:
//   <kanji> <sentence as written> <other readings, comma-separated> -- <reason>
struct OtherReadingException {
    QString kanji;
    QString sentence;
    QStringList readings;
    QString reason;
    int line = 0;
    mutable bool used = false;
};

// Reads reading_exceptions.txt (a missing file is an empty list); malformed lines become failures.
QVector<OtherReadingException> ReadOtherReadingExceptions(const QString& path, QVector<CheckFailure>& failures);
// The readings other than `reading` that edict's readings of `word` give its character at `at`
// (split against kanjidic's forms); a reading that does not split at all is given whole, in
// brackets: "[ついたち]". A word standing alone cannot mean a reading edict gives only as a
// suffix, prefix or counter.
QStringList OtherReadings(const QString& word, int at, const QString& reading,
                          const QVector<EdictReading>& readings, bool standsAlone,
                          const std::function<QSet<QString>(QChar)>& formsOf);
// The word that holds the kanji (MeCab's segmentation, looked up in edict by its dictionary
// form) must give the kanji no reading but the sentence's; false with a reason when MeCab
// cannot run.
bool CheckOtherReadings(const KanjiSources& src, const QHash<QString, KanjiDicEntry>& dic, const Edict& edict,
                        const QVector<OtherReadingException>& exceptions, QVector<CheckFailure>& failures,
                        QString& reason);
// The words CheckOtherReadings looks up in edict for the sentences (each sentence's word in its
// written and dictionary forms); false with a reason when MeCab cannot run.
bool EdictWordsLookedUp(const KanjiSources& src, QSet<QString>& words, QString& reason);
QVector<CheckFailure> UnusedOtherReadingExceptions(const QVector<OtherReadingException>& exceptions);
