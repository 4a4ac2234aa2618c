// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/KanjiNoteRules.h"

#include <QSet>
#include <algorithm>

bool CountsInNote(const HistoryAnswer& a) {
    return a.asked != KanjiAsked::Traced && a.asked != KanjiAsked::Copied;
}

NoteMark MarkOf(const QList<bool>& results) {
    if (results.isEmpty())
        return NoteMark::NotMet;
    const int from = std::max(0, int(results.size()) - KnownRun);
    int rightRun = 0;
    for (int i = from; i < results.size(); ++i) {
        if (!results[i])
            return NoteMark::Missed;
        ++rightRun;
    }
    return rightRun >= KnownRun ? NoteMark::Known : NoteMark::Met;
}

NoteSummary Summarise(const QList<HistoryAnswer>& answers) {
    NoteSummary s;
    for (const HistoryAnswer& a : answers) {
        if (a.kanji < 1 || a.kanji > MaxKanji || !CountsInNote(a))
            continue;
        KanjiSummary& k = s.kanji[a.kanji];
        ++k.answers;
        if (a.right)
            ++k.right;
        else
            k.lastMiss = std::max(k.lastMiss, a.id);
        if (k.recent.size() == KnownRun)
            k.recent.removeFirst();
        k.recent << a.right;
    }
    s.weak = WeakKanji(answers);
    return s;
}

QList<int> WeakKanji(const QList<HistoryAnswer>& answers, int limit) {
    // Newest first by id: the order the answers were given in, whatever order they come in.
    QList<const HistoryAnswer*> misses;
    for (const HistoryAnswer& a : answers)
        if (!a.right && a.kanji >= 1 && a.kanji <= 1024 && CountsInNote(a))
            misses << &a;
    std::stable_sort(misses.begin(), misses.end(),
                     [](const HistoryAnswer* x, const HistoryAnswer* y) { return x->id > y->id; });
    QList<int> out;
    QSet<int> seen;
    for (const HistoryAnswer* a : misses) {
        if (out.size() >= limit)
            break;
        if (seen.contains(a->kanji))
            continue;
        seen.insert(a->kanji);
        out << a->kanji;
    }
    return out;
}
