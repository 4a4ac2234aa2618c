// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/KanjiFiles.h"

#include "data/BinaryRecords.h"
#include "data/ProgramDir.h"
#include "platform/Random.h"

#include <QFile>

namespace {

bool readWhole(const QString& name, QByteArray& bytes)
{
    QFile file(ProgramFile(name));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    bytes = file.readAll();
    return file.error() == QFileDevice::NoError;
}

bool validIndexEntry(const TMondaiIdxRec& e)
{
    return e.Count >= 1 && e.Count <= MaxSentences && e.Start >= 1;
}

// Reads `count` records from `first` (counting from 1); false when any lies outside the file.
bool readRecords(int first, int count, QVector<TMondaiRec>& out)
{
    out.clear();
    QFile file(ProgramFile(MondaiFileName));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const qint64 records = file.size() / MondaiRecSize;
    if (first < 1 || count < 1 || first - 1 + static_cast<qint64>(count) > records)
        return false;
    if (!file.seek(static_cast<qint64>(first - 1) * MondaiRecSize))
        return false;
    const QByteArray bytes = file.read(static_cast<qint64>(count) * MondaiRecSize);
    if (bytes.size() != count * MondaiRecSize)
        return false;
    for (int i = 0; i < count; ++i)
        out.append(ParseMondaiRec(bytes.constData() + i * MondaiRecSize));
    return true;
}

}  // namespace

bool ParseKanjiFile(const QByteArray& bytes, std::array<TKanjiRec, MaxKanji + 1>& table)
{
    if (bytes.size() % KanjiRecSize != 0)
        return false;
    auto result = table;
    for (qsizetype off = 0; off < bytes.size(); off += KanjiRecSize) {
        const char* r = bytes.constData() + off;
        const int n = Le::i16(r);
        if (n < 1 || n > MaxKanji)
            return false;
        TKanjiRec rec;
        rec.Kanji = QByteArray(r + 2, 2);
        rec.Kakusuu = Le::i16(r + 4);
        for (int i = 0; i < 4; ++i)
            rec.Extra[i] = Le::i16(r + 6 + 2 * i);
        result[n] = rec;
    }
    table = result;
    return true;
}

bool ParseMondaiIdxFile(const QByteArray& bytes, std::array<TMondaiIdxRec, MaxKanji + 1>& table)
{
    if (bytes.size() % MondaiIdxRecSize != 0 || bytes.size() / MondaiIdxRecSize > MaxKanji)
        return false;
    std::array<TMondaiIdxRec, MaxKanji + 1> result{};
    const int n = static_cast<int>(bytes.size() / MondaiIdxRecSize);
    for (int k = 1; k <= n; ++k) {
        const char* r = bytes.constData() + (k - 1) * MondaiIdxRecSize;
        TMondaiIdxRec e{Le::i16(r), Le::i16(r + 2), Le::i16(r + 4)};
        if (!validIndexEntry(e))
            return false;
        result[k] = e;
    }
    table = result;
    return true;
}

TMondaiRec ParseMondaiRec(const char* r)
{
    TMondaiRec rec;
    rec.Key = Le::i16(r);
    rec.Pos = Le::i16(r + 2);
    for (int j = 1; j <= 3; ++j)
        rec.Part[j] = QByteArray(r + 4 + 20 * (j - 1), 20);
    return rec;
}

QByteArray EncodeMondaiRec(const TMondaiRec& rec)
{
    QByteArray out(MondaiRecSize, '\0');
    Le::put16(out.data(), rec.Key);
    Le::put16(out.data() + 2, rec.Pos);
    for (int j = 1; j <= 3; ++j) {
        const QByteArray part = rec.Part[j].left(20);
        std::copy(part.begin(), part.end(), out.begin() + 4 + 20 * (j - 1));
    }
    return out;
}

bool KanjiTableHasSchoolYears(const std::array<TKanjiRec, MaxKanji + 1>& table)
{
    const int first = Gakunen_Tbl[1].First;
    const int end = Gakunen_Tbl[4].First + Gakunen_Tbl[4].Count;  // one past year 4's last
    if (first < 1 || end - 1 > MaxKanji || end <= first)
        return false;
    for (int k = first; k < end; ++k) {
        const TKanjiRec& r = table[size_t(k)];
        if (r.Kanji.size() != 2 || r.Kakusuu < 1 || r.text().size() != 1)
            return false;
    }
    return true;
}

bool LoadKanjiTable()
{
    // The table holds what the file names and nothing else: a loaded file that lacks a kanji
    // must not keep one from an earlier load.
    QByteArray bytes;
    std::array<TKanjiRec, MaxKanji + 1> fresh{};
    if (!readWhole(KanjiFileName, bytes) || !ParseKanjiFile(bytes, fresh))
        return false;
    Kanji_Tbl = fresh;
    return true;
}

bool LoadMondaiIndex()
{
    QByteArray bytes;
    return readWhole(MondaiIdxFileName, bytes) && ParseMondaiIdxFile(bytes, Mondai_Idx);
}

bool Read_Mondai(int k, TMondaiRec& out)
{
    if (k < 1 || k > MaxKanji || !validIndexEntry(Mondai_Idx[k]))
        return false;
    const TMondaiIdxRec& e = Mondai_Idx[k];
    const int r = Random(e.Count);
    QVector<TMondaiRec> one;
    if (!readRecords(e.Start + r, 1, one))
        return false;
    out = one.first();
    return true;
}

bool ReadAllMondai(int k, QVector<TMondaiRec>& out)
{
    if (k < 1 || k > MaxKanji || !validIndexEntry(Mondai_Idx[k]))
        return false;
    return readRecords(Mondai_Idx[k].Start, Mondai_Idx[k].Count, out);
}
