// SPDX-License-Identifier: GPL-3.0-or-later
// "Mondai1.dat" through Read_Mondai / ReadAllMondai. The first six bytes are one "Mondai2.dat"
// index record (refused ones end the run, as the program refuses them at start-up); the rest is
// the sentence file, read from the program directory and decoded as the quiz shows it.
#include "FuzzSupport.h"

#include "data/KanjiFiles.h"

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzInit(false);
    return 0;
}

namespace {
void show(const TMondaiRec& rec)
{
    for (int j = 0; j <= 4; ++j) {
        const QByteArray part = rec.partText(j);
        const QString text = rec.partString(j);
        if (part.size() > 20 || ((j < 1 || j > 3) && !part.isEmpty()))
            abort();
        (void)text;
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = FuzzBytes(data, size);
    if (bytes.size() < MondaiIdxRecSize)
        return 0;
    if (!ParseMondaiIdxFile(bytes.left(MondaiIdxRecSize), Mondai_Idx))
        return 0;
    const QByteArray sentences = bytes.mid(MondaiIdxRecSize);
    WriteFuzzFile(MondaiFileName, sentences);

    // Each record alone, as the data checks read them.
    for (qsizetype off = 0; off + MondaiRecSize <= sentences.size(); off += MondaiRecSize)
        show(ParseMondaiRec(sentences.constData() + off));

    const TMondaiIdxRec e = Mondai_Idx[1];
    const qint64 records = sentences.size() / MondaiRecSize;
    const bool inside = e.Start - 1 + qint64(e.Count) <= records;
    QVector<TMondaiRec> all;
    if (ReadAllMondai(1, all) != inside)
        abort();
    if (inside && all.size() != e.Count)
        abort();
    for (const TMondaiRec& rec : all)
        show(rec);
    // One sentence at random: always there when the whole entry is, never when none of it is.
    TMondaiRec one;
    const bool read = Read_Mondai(1, one);
    if ((inside && !read) || (e.Start > records && read))
        abort();
    show(one);
    // Kanji outside the table never read anything.
    if (ReadAllMondai(0, all) || ReadAllMondai(MaxKanji + 1, all) || Read_Mondai(-1, one))
        abort();
    return 0;
}
