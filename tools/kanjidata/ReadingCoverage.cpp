// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/kanjidata/ReadingCoverage.h"

#include "writing/ReadingRules.h"

#include <QFile>

namespace {

constexpr int TableYears = 4;
const QString TableFile = QStringLiteral("readings.txt");

CheckFailure fail(const QString& file, int line, const QString& text)
{
    return CheckFailure{QStringLiteral("readings"), file, line, text};
}

QSet<QString> kanjidicReadings(const KanjiDicEntry& d)
{
    QSet<QString> out;
    for (QString r : d.on + d.kun) {
        while (r.startsWith(QLatin1Char('-')))
            r.remove(0, 1);
        while (r.endsWith(QLatin1Char('-')))
            r.chop(1);
        out.insert(r);
    }
    return out;
}

}  // namespace

QVector<KanjiReadingsLine> ReadReadingsTable(const QString& dir, QVector<CheckFailure>& failures)
{
    QFile f(dir + QLatin1Char('/') + TableFile);
    if (!f.open(QIODevice::ReadOnly)) {
        failures << fail(TableFile, 0, QStringLiteral("cannot read"));
        return {};
    }
    QStringList errors;
    const auto table = ParseKanjiReadings(QString::fromUtf8(f.readAll()), errors);
    for (const QString& e : errors)
        failures << fail(TableFile, e.section(QLatin1Char(':'), 0, 0).toInt(), e.section(QLatin1String(": "), 1));
    return table;
}

QVector<CheckFailure> CheckReadingsTable(const KanjiSources& src, const QVector<KanjiReadingsLine>& table,
                                         const QHash<QString, KanjiDicEntry>& dic)
{
    QVector<CheckFailure> out;
    QSet<QString> listed;
    for (const KanjiReadingsLine& l : table) {
        const KanjiEntry* e = src.find(l.kanji);
        if (!e || e->year > TableYears)
            out << fail(TableFile, l.line, QStringLiteral("%1 is not a kanji of years 1 to %2").arg(l.kanji).arg(TableYears));
        if (listed.contains(l.kanji))
            out << fail(TableFile, l.line, QStringLiteral("%1 is listed twice").arg(l.kanji));
        listed.insert(l.kanji);
        const QSet<QString> known = kanjidicReadings(dic.value(l.kanji));
        for (const KanjiReading& r : l.readings) {
            if (!r.special && !known.contains(r.written))
                out << fail(TableFile, l.line, QStringLiteral("%1 %2 is not a kanjidic reading").arg(l.kanji, r.written));
            if (e && r.laterYear && r.laterYear <= e->year)
                out << fail(TableFile, l.line,
                            QStringLiteral("%1 %2: year %3 is not after the kanji's year %4")
                                .arg(l.kanji, r.written).arg(r.laterYear).arg(e->year));
        }
    }
    for (const KanjiEntry& e : src.kanji)
        if (e.year <= TableYears && !listed.contains(e.kanji))
            out << fail(TableFile, 0, QStringLiteral("%1 (year %2) has no line").arg(e.kanji).arg(e.year));
    return out;
}

QVector<CheckFailure> CheckReadingsAsked(const KanjiSources& src, const QVector<KanjiReadingsLine>& table,
                                         YearReadings perYear[5])
{
    QVector<CheckFailure> out;
    for (int y = 0; y <= TableYears; ++y)
        perYear[y] = {};
    for (const KanjiReadingsLine& l : table) {
        const KanjiEntry* e = src.find(l.kanji);
        if (!e || e->year > TableYears)
            continue;
        const QVector<SourceSentence> sentences = src.sentences.value(e->number);
        QVector<bool> asked(l.readings.size(), false);
        for (const SourceSentence& s : sentences) {
            const int i = ReadingAsked(l.readings, s.reading(), s.after());
            if (i < 0) {
                out << fail(s.file, s.line,
                            QStringLiteral("%1 \"%2\": %3 is none of the school readings in %4")
                                .arg(e->kanji, s.sourceText(), s.reading(), TableFile));
                continue;
            }
            // Kun readings with the same kana are one answer (上がる, 上げる).
            for (int j = 0; j < l.readings.size(); ++j)
                if (j == i || (!l.readings[i].isOn() && !l.readings[j].isOn() &&
                               l.readings[j].stem() == l.readings[i].stem()))
                    asked[j] = true;
        }
        YearReadings& count = perYear[e->year];
        for (int j = 0; j < l.readings.size(); ++j) {
            const KanjiReading& r = l.readings[j];
            ++count.taught;
            count.ownYear += r.laterYear == 0;
            count.asked += asked[j];
            if (!asked[j] && r.laterYear == 0)
                out << fail(e->year ? SentenceFileName(e->year) : TableFile,
                            sentences.isEmpty() ? 0 : sentences.first().line - 1,
                            QStringLiteral("%1: no sentence asks %2, a reading year %3 meets")
                                .arg(e->kanji, r.written).arg(e->year));
        }
    }
    return out;
}
