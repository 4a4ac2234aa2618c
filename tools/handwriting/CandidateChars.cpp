// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/handwriting/CandidateChars.h"

#include "data/KanjiFiles.h"
#include "data/ProgramDir.h"
#include "data/Tables.h"

QStringList KanjiOfProgramDir(const QString& programDir) {
    SetProgramDir(programDir);
    QStringList out;
    if (!LoadKanjiTable())
        return out;
    for (int k = 1; k <= MaxKanji; ++k)
        if (!Kanji_Tbl[size_t(k)].Kanji.isEmpty())
            out << Kanji_Tbl[size_t(k)].text();
    return out;
}
