// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/kanjidata/DataFileBuilder.h"

#include "data/BinaryRecords.h"
#include "data/KanjiFiles.h"
#include "platform/Cp932.h"

#include <QSaveFile>

KanjiDataFiles BuildKanjiDataFiles(const KanjiSources& src)
{
    KanjiDataFiles out;
    for (const KanjiEntry& e : src.kanji) {
        QByteArray rec(KanjiRecSize, '\0');
        Le::put16(rec.data(), static_cast<std::int16_t>(e.number));
        const QByteArray sjis = Cp932::fromUnicode(e.kanji);
        if (sjis.size() == 2) {
            rec[2] = sjis[0];
            rec[3] = sjis[1];
        }
        Le::put16(rec.data() + 4, static_cast<std::int16_t>(e.strokes));
        Le::put16(rec.data() + 6, static_cast<std::int16_t>(e.year));
        Le::put16(rec.data() + 8, static_cast<std::int16_t>(e.freq));
        out.kanji += rec;
    }
    int next = 1;
    for (int n = 1; n <= src.lastWrittenKanji(); ++n) {
        const QVector<SourceSentence> list = src.sentences.value(n);
        QByteArray idx(MondaiIdxRecSize, '\0');
        Le::put16(idx.data(), static_cast<std::int16_t>(n));
        Le::put16(idx.data() + 2, static_cast<std::int16_t>(next));
        Le::put16(idx.data() + 4, static_cast<std::int16_t>(list.size()));
        out.index += idx;
        for (const SourceSentence& s : list) {
            TMondaiRec rec;
            rec.Key = static_cast<std::int16_t>(n);
            rec.Pos = static_cast<std::int16_t>(s.pos);
            for (int j = 1; j <= 3; ++j)
                rec.Part[j] = Cp932::fromUnicode(s.part[j]);
            out.mondai += EncodeMondaiRec(rec);
            ++next;
        }
    }
    return out;
}

bool WriteKanjiDataFiles(const KanjiDataFiles& files, const QString& dir, QString& reason)
{
    const std::pair<QString, const QByteArray*> outputs[] = {
        {KanjiFileName, &files.kanji}, {MondaiIdxFileName, &files.index}, {MondaiFileName, &files.mondai}};
    for (const auto& [name, bytes] : outputs) {
        QSaveFile f(dir + QLatin1Char('/') + name);
        if (!f.open(QIODevice::WriteOnly) || f.write(*bytes) != bytes->size() || !f.commit()) {
            reason = QStringLiteral("cannot write %1: %2").arg(f.fileName(), f.errorString());
            return false;
        }
    }
    return true;
}
