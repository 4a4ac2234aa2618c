#include "games/guess/ReadingConversion.h"

#include "data/KanjiFiles.h"
#include "data/ProgramDir.h"
#include "data/Tables.h"
#include "writing/ConversionInput.h"

#include <QFile>

#include <algorithm>
#include <memory>
#include <optional>

namespace {
// The last kanji number of school years 1 to y (0 when y names no year).
int lastKanjiOfYears(int y)
{
    if (y < 1)
        return 0;
    y = std::min(y, 6);
    return Gakunen_Tbl[y].First + Gakunen_Tbl[y].Count - 1;
}

int playerYear()
{
    if (Cur_Player < 1 || Cur_Player > MaxPlayers)
        return 0;
    return Player_Tbl[Cur_Player].Gakunen;
}
}  // namespace

void ReadingConversion::add(int kanji, const QString& reading)
{
    if (reading.isEmpty() || kanji < 1 || kanji > MaxKanji)
        return;
    QVector<int>& list = byReading_[reading];
    const auto at = std::lower_bound(list.begin(), list.end(), kanji);
    if (at == list.end() || *at != kanji)
        list.insert(at, kanji);
}

ReadingConversion ReadingConversion::FromSentenceFile()
{
    ReadingConversion table;
    QFile file(ProgramFile(MondaiFileName));
    if (!file.open(QIODevice::ReadOnly))
        return table;
    const QByteArray bytes = file.readAll();
    const qsizetype records = bytes.size() / MondaiRecSize;
    for (int k = 1; k <= MaxKanji; ++k) {
        const TMondaiIdxRec& e = Mondai_Idx[k];
        if (e.Count <= 0 || e.Start < 1)
            continue;
        for (int i = 0; i < e.Count; ++i) {
            const qsizetype r = qsizetype(e.Start) - 1 + i;
            if (r >= records)
                break;
            const TMondaiRec rec = ParseMondaiRec(bytes.constData() + r * MondaiRecSize);
            if (rec.Pos >= 1 && rec.Pos <= 3)
                table.add(k, rec.partString(rec.Pos));
        }
    }
    return table;
}

QVector<int> ReadingConversion::candidates(const QString& reading, int gakunen) const
{
    QVector<int> out = byReading_.value(reading);
    const int last = lastKanjiOfYears(gakunen);
    std::stable_partition(out.begin(), out.end(), [last](int k) { return k <= last; });
    return out;
}

QStringList ReadingConversion::candidateTexts(const QString& reading, int gakunen) const
{
    QStringList out;
    for (int k : candidates(reading, gakunen)) {
        const QString text = Kanji_Tbl[k].text();
        if (!text.isEmpty())
            out.append(text);
    }
    return out;
}

std::function<QStringList(const QString&)> AnswerCandidates()
{
    auto table = std::make_shared<std::optional<ReadingConversion>>();
    return [table](const QString& reading) {
        if (!*table)
            *table = ReadingConversion::FromSentenceFile();
        return (*table)->candidateTexts(reading, playerYear());
    };
}

void AttachAnswerConversion(QLineEdit* edit) { ConversionInput::attach(edit, AnswerCandidates()); }
