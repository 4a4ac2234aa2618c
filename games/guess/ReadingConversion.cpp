// SPDX-License-Identifier: GPL-3.0-or-later
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
    table.addDictionaryForms(BuiltInOkuriganaList());
    return table;
}

QString ReadingConversion::BuiltInOkuriganaList()
{
    QFile file(QStringLiteral(":/kanji/okurigana.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

void ReadingConversion::addDictionaryForms(const QString& okuriganaList)
{
    QHash<QString, int> numberOf;
    for (int k = 1; k <= MaxKanji; ++k)
        if (const QString t = Kanji_Tbl[k].text(); !t.isEmpty())
            numberOf.insert(t, k);
    // The readings the sentences ask, by kanji.
    QHash<int, QStringList> asked;
    for (auto it = byReading_.cbegin(); it != byReading_.cend(); ++it)
        for (int k : it.value())
            asked[k].append(it.key());
    const QStringList lines = okuriganaList.split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        if (line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = line.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const int k = fields.isEmpty() ? 0 : numberOf.value(fields.first());
        if (k == 0)
            continue;
        const QStringList readings = asked.value(k);
        for (qsizetype i = 1; i < fields.size(); ++i) {
            const qsizetype dot = fields[i].indexOf(QLatin1Char('.'));
            if (dot < 1)
                continue;
            const QString whole = QString(fields[i]).remove(QLatin1Char('.'));
            // The sentence may ask a longer kanji part (あか of あかり, listed as あ.かり), never
            // a shorter one: あ does not make 明 read あきらか.
            const bool taught = std::any_of(readings.begin(), readings.end(), [&](const QString& r) {
                return r.size() >= dot && r.size() < whole.size() && whole.startsWith(r);
            });
            if (taught)
                add(k, whole);
        }
    }
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
