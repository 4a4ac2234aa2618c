// SPDX-License-Identifier: GPL-3.0-or-later
// "Mondai2.dat": the index parser; a loaded index only holds entries the readers accept.
#include "FuzzSupport.h"

#include "data/KanjiFiles.h"

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzInit(false);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::array<TMondaiIdxRec, MaxKanji + 1> table{};
    table[1].Start = -7;  // a marker: a refused file must leave the table as it was
    if (!ParseMondaiIdxFile(FuzzBytes(data, size), table)) {
        if (table[1].Start != -7)
            abort();
        return 0;
    }
    const int n = static_cast<int>(size / MondaiIdxRecSize);
    for (int k = 1; k <= MaxKanji; ++k) {
        const TMondaiIdxRec& e = table[k];
        const bool loaded = k <= n;
        if (loaded && (e.Start < 1 || e.Count < 1 || e.Count > MaxSentences))
            abort();
        if (!loaded && (e.Start != 0 || e.Count != 0))
            abort();
    }
    return 0;
}
