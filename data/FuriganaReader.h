// SPDX-License-Identifier: GPL-3.0-or-later
// Who reads the program's texts: the current player's school year decides which kanji show their
// furigana. Kanji of that year and the years before (by the school-year table and Kanji_Tbl) are
// learned; kanji outside Kanji_Tbl never are. Before a player is chosen, and on screens for every
// player, a year-1 reader is assumed.
#pragma once

#include <QChar>

int FuriganaReaderYear();
bool KanjiLearned(QChar kanji, int year);
// Makes the current reader's year the rule the program's furigana follow.
void InstallFuriganaReader();

// While one lives, texts are read as by a year-1 child (a screen shown to every player).
class EveryPlayerReading {
  public:
    EveryPlayerReading();
    ~EveryPlayerReading();
    EveryPlayerReading(const EveryPlayerReading&) = delete;
    EveryPlayerReading& operator=(const EveryPlayerReading&) = delete;
};
