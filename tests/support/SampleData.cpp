// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/SampleData.h"

#include "data/BinaryRecords.h"
#include "data/KanjiFiles.h"
#include "data/Rules.h"
#include "data/Tables.h"
#include "platform/Cp932.h"
#include "support/TestEnv.h"

namespace {
const SampleKanji Table[] = {
#include "support/SampleKanji.inc"
};
constexpr int TableSize = static_cast<int>(sizeof Table / sizeof Table[0]);

QByteArray padded(const QString& text)
{
    QByteArray bytes = Cp932::fromUnicode(text).left(20);
    bytes.append(QByteArray(20 - bytes.size(), ' '));
    return bytes;
}
}  // namespace

int SampleKanjiCount() { return TableSize; }

const SampleKanji& SampleKanjiAt(int number) { return Table[number - 1]; }

int SampleSentenceCount(int k)
{
    int n = 0;
    while (n < 3 && SampleKanjiAt(k).readings[n])
        ++n;
    return n;
}

QString SampleReading(int k, int i) { return QString::fromUtf8(SampleKanjiAt(k).readings[i - 1]); }

void WriteSampleKanjiData(const TestEnv& env)
{
    QByteArray kanji, index, sentences;
    int start = 1;
    for (int k = 1; k <= TableSize; ++k) {
        const SampleKanji& s = Table[k - 1];
        QByteArray rec(KanjiRecSize, '\0');
        Le::put16(rec.data(), static_cast<std::int16_t>(k));
        const QByteArray code = Cp932::fromUnicode(QString::fromUtf8(s.kanji));
        rec[2] = code[0];
        rec[3] = code[1];
        Le::put16(rec.data() + 4, static_cast<std::int16_t>(s.strokes));
        kanji += rec;

        const int count = SampleSentenceCount(k);
        QByteArray idx(MondaiIdxRecSize, '\0');
        Le::put16(idx.data(), static_cast<std::int16_t>(k));
        Le::put16(idx.data() + 2, static_cast<std::int16_t>(start));
        Le::put16(idx.data() + 4, static_cast<std::int16_t>(count));
        index += idx;
        for (int i = 1; i <= count; ++i) {
            TMondaiRec m;
            m.Key = static_cast<std::int16_t>(k);
            m.Pos = 2;
            m.Part[1] = padded(QStringLiteral("れい%1の").arg(i));
            m.Part[2] = padded(SampleReading(k, i));
            m.Part[3] = padded(QStringLiteral("です。"));
            sentences += EncodeMondaiRec(m);
        }
        start += count;
    }
    env.writeFile(KanjiFileName, kanji);
    env.writeFile(MondaiIdxFileName, index);
    env.writeFile(MondaiFileName, sentences);
    LoadKanjiTable();
    LoadMondaiIndex();
}

bool StartSampleGame(const TestEnv& env, int game)
{
    WriteSampleKanjiData(env);
    if (!LoadKanjiTable())
        return false;
    SetConstantTables();
    Player_Count = 1;
    Player_Tbl[1].Gakunen = 2;
    Player_Tbl[1].Level.fill(1);
    Cur_Player = 1;
    StartGame(game);
    return true;
}
