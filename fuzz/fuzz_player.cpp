// SPDX-License-Identifier: GPL-3.0-or-later
// "Player.dat": the whole-file parser. A loaded file writes back byte for byte, and every name
// decodes for display; a refused file changes nothing.
#include "FuzzSupport.h"

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
    Player_Count = 1;
    Player_Tbl[1].No = 4321;  // a marker for the refused case
    const QByteArray bytes = FuzzBytes(data, size);
    if (!ParsePlayerFile(bytes)) {
        if (Player_Count != 1 || Player_Tbl[1].No != 4321)
            abort();
        return 0;
    }
    if (Player_Count < 0 || Player_Count > MaxPlayers || PlayerFileBytes() != bytes)
        abort();
    for (int i = 1; i <= Player_Count; ++i) {
        const TPlayerRec& p = Player_Tbl[i];
        if (p.Name.sjis().size() > NameBytes)
            abort();
        (void)p.Name.text();
    }
    return 0;
}
