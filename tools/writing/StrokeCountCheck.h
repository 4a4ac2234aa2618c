// SPDX-License-Identifier: GPL-3.0-or-later
// The quiz's stroke counts (Kakusuu in kanji.txt) against KanjiVG's: a kanji taught with two
// counts is a fault, unless data/kakijun/stroke_counts.txt lists that difference with a reason.
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

struct ListedCount {
    int strokes = 0; // KanjiVG's count the reason was written for
    QString reason;
    int line = 0;
};

// Lines "字 <KanjiVG count> <reason>"; '#' starts a comment. Problems go to errors as
// "<file>:<line>: <reason>".
QHash<QString, ListedCount> ReadListedCounts(const QString& path, QStringList* errors);

struct KanjiCount {
    QString kanji;
    int kakusuu = 0;
};

// One line per kanji whose KanjiVG count differs from its Kakusuu with no listed reason for
// that count; a kanji KanjiVG lacks counts as differing.
QStringList UnresolvedCountDifferences(const QList<KanjiCount>& kakusuu,
                                       const QHash<QString, int>& kanjiVgCounts,
                                       const QHash<QString, ListedCount>& listed);
// Listed kanji whose counts now agree (or whose KanjiVG count changed): the list to tidy.
QStringList StaleListedCounts(const QList<KanjiCount>& kakusuu,
                              const QHash<QString, int>& kanjiVgCounts,
                              const QHash<QString, ListedCount>& listed);
