// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/FuriganaReader.h"

#include "data/Tables.h"
#include "writing/Furigana.h"
#include "writing/RubyText.h"

#include <QHash>

namespace {
int everyPlayer = 0;

// Kanji -> kanji number, rebuilt when the table's contents change (tests load other tables).
int kanjiNumber(QChar kanji) {
    static QHash<QChar, int> numbers;
    static size_t signature = 0;
    size_t now = 0;
    for (int n = 1; n <= MaxKanji; ++n)
        now = now * 31 + qHash(Kanji_Tbl[n].Kanji);
    if (now != signature || numbers.isEmpty()) {
        numbers.clear();
        for (int n = MaxKanji; n >= 1; --n) {
            const QString k = Kanji_Tbl[n].text();
            if (k.size() == 1)
                numbers.insert(k[0], n);
        }
        signature = now;
    }
    return numbers.value(kanji, 0);
}
} // namespace

int FuriganaReaderYear() {
    if (everyPlayer > 0 || Cur_Player < 1 || Cur_Player > Player_Count)
        return 1;
    return std::clamp<int>(Player_Tbl[Cur_Player].Gakunen, 1, 6);
}

bool KanjiLearned(QChar kanji, int year) {
    const int n = kanjiNumber(kanji);
    if (n < 1 || year < 1 || year > 6)
        return false;
    const TGakunenRec& e = Gakunen_Tbl[year];
    return n <= e.First + e.Count - 1;
}

void InstallFuriganaReader() {
    SetKanjiLearnedRule([](QChar k) { return KanjiLearned(k, FuriganaReaderYear()); });
}

EveryPlayerReading::EveryPlayerReading() {
    ++everyPlayer;
    RefreshFurigana();
}

EveryPlayerReading::~EveryPlayerReading() {
    --everyPlayer;
    RefreshFurigana();
}
