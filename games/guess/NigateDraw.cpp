// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/guess/NigateDraw.h"

#include "data/KanjiHistory.h"
#include "data/KanjiNoteRules.h"
#include "data/Tables.h"
#include "games/guess/PictureGameRules.h"
#include "platform/Random.h"

QList<int> NigateCandidates(const QList<int>& weak) {
    QList<int> out;
    for (int k : weak)
        if (k >= 1 && k <= MaxKanji && Kanji_Tbl[k].Kanji.size() == 2 && Mondai_Idx[k].Count >= 1 &&
            Mondai_Idx[k].Count <= 5 && !out.contains(k))
            out << k;
    return out;
}

int ChooseNigateKanji(const QList<int>& weak, int level, bool challenge) {
    const QList<int> usable = NigateCandidates(weak);
    if (usable.size() < NigateMinimum)
        return ChooseQuestionKanji(level, challenge);
    return usable[Random(usable.size())];
}

QList<int> WeakKanjiOf(int player) {
    return WeakKanji(KanjiHistory::answersOf(player));
}
