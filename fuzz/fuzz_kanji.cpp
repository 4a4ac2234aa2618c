// SPDX-License-Identifier: GPL-3.0-or-later
// "Kanji.dat": the whole-file parser, then every loaded kanji decoded as the windows show it.
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
    const QByteArray bytes = FuzzBytes(data, size);
    std::array<TKanjiRec, MaxKanji + 1> table{};
    table[1].Kakusuu = 99;  // a marker: a refused file must leave the table as it was
    if (!ParseKanjiFile(bytes, table)) {
        if (table[1].Kakusuu != 99 || !table[1].Kanji.isEmpty())
            abort();
        return 0;
    }
    for (int k = 1; k <= MaxKanji; ++k) {
        if (table[k].Kanji.isEmpty())
            continue;
        if (table[k].Kanji.size() != 2 || table[k].text().isEmpty())
            abort();
    }
    return 0;
}
