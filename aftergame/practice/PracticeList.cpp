// SPDX-License-Identifier: GPL-3.0-or-later
#include "aftergame/practice/PracticeList.h"

#include "data/Rules.h"
#include "data/Tables.h"

QList<QList<int>> YearLevels(int year) {
    QList<QList<int>> levels;
    if (year < 1 || year >= int(Gakunen_Tbl.size()))
        return levels;
    for (int level = 1; level <= Gakunen_Tbl[year].Levels; ++level) {
        const QVector<int> set = LevelKanjiSet(year, level);
        levels << QList<int>(set.begin(), set.end());
    }
    return levels;
}

QList<int> YearKanji(int year) {
    QList<int> all;
    for (const QList<int>& level : YearLevels(year))
        all << level;
    return all;
}

QSet<int> WrittenFromMemory(const QList<HistoryAnswer>& answers) {
    QSet<int> written;
    for (const HistoryAnswer& a : answers)
        if (a.asked == KanjiAsked::FromMemory && a.right)
            written.insert(a.kanji);
    return written;
}

int NextToWrite(const QList<int>& kanji, const QSet<int>& written) {
    for (int i = 0; i < kanji.size(); ++i)
        if (!written.contains(kanji[i]))
            return i;
    return 0;
}
