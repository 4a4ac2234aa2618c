// SPDX-License-Identifier: GPL-3.0-or-later
// "Game.dat": the whole-file parser, then every ranking entry as the ranking window shows it
// (name and date). A loaded table writes out as a file that loads again to the same table.
#include "FuzzSupport.h"

#include "data/Dates.h"
#include "data/SaveFiles.h"

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzInit(false);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ClearPlayersAndRecords();
    Kiroku_Tbl[1][1].Tokuten = 777;  // a marker for the refused case
    if (!ParseGameFile(FuzzBytes(data, size))) {
        if (Kiroku_Tbl[1][1].Tokuten != 777)
            abort();
        return 0;
    }
    for (int g = 1; g <= MaxGames; ++g) {
        for (int r = 1; r <= MaxRanks; ++r) {
            const TKirokuRec& k = Kiroku_Tbl[g][r];
            (void)k.Name.text();
            (void)FormatHizuke(k.Hizuke);
            (void)DateFromDayNumber(k.Hizuke);
        }
    }
    const QByteArray saved = GameFileBytes();
    if (saved.size() != MaxGames * MaxRanks * KirokuRecSize)
        abort();
    if (!ParseGameFile(saved) || GameFileBytes() != saved)
        abort();
    return 0;
}
