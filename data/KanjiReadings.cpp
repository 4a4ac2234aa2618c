// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/KanjiReadings.h"

#include "writing/ReadingRules.h"

#include <QFile>
#include <QHash>
#include <limits>

bool KanjiReading::isOn() const {
    return !written.isEmpty() && written[0].unicode() >= 0x30A1 && written[0].unicode() <= 0x30FA;
}

QString KanjiReading::stem() const {
    return ToHiragana(written.section(QLatin1Char('.'), 0, 0));
}

QString KanjiReading::okurigana() const {
    return written.section(QLatin1Char('.'), 1);
}

QString KanjiReading::shown() const {
    const QString ok = okurigana();
    return ok.isEmpty() ? written.section(QLatin1Char('.'), 0, 0)
                        : written.section(QLatin1Char('.'), 0, 0) + QLatin1Char('(') + ok + QLatin1Char(')');
}

QVector<KanjiReadingsLine> ParseKanjiReadings(const QString& text, QStringList& errors) {
    QVector<KanjiReadingsLine> out;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList f = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        KanjiReadingsLine entry{f[0], {}, i + 1};
        QString problem;
        if (f[0].size() != 1 || !IsKanjiChar(f[0][0]))
            problem = QStringLiteral("%1 is not one kanji").arg(f[0]);
        else if (f.size() < 2)
            problem = QStringLiteral("%1 has no reading").arg(f[0]);
        for (int j = 1; j < f.size() && problem.isEmpty(); ++j) {
            KanjiReading r;
            r.written = f[j].section(QLatin1Char('>'), 0, 0);
            r.special = r.written.endsWith(QLatin1Char('*'));
            if (r.special)
                r.written.chop(1);
            if (f[j].contains(QLatin1Char('>'))) {
                bool ok = false;
                r.laterYear = f[j].section(QLatin1Char('>'), 1).toInt(&ok);
                if (!ok || r.laterYear < 2 || r.laterYear > 6)
                    problem = QStringLiteral("%1: the year after \">\" must be 2 to 6").arg(f[j]);
            }
            const QString kana = QString(r.written).remove(QLatin1Char('.'));
            if (kana.isEmpty() || (!IsHiraganaOnly(kana) && !IsHiraganaOnly(ToHiragana(kana))) ||
                (r.isOn() && r.written.contains(QLatin1Char('.'))))
                problem = QStringLiteral("%1 is not a reading").arg(f[j]);
            entry.readings << r;
        }
        if (problem.isEmpty())
            out << entry;
        else
            errors << QStringLiteral("%1: %2").arg(i + 1).arg(problem);
    }
    return out;
}

const QVector<KanjiReading>& SchoolReadings(const QString& kanji) {
    static const QHash<QString, QVector<KanjiReading>> table = [] {
        QHash<QString, QVector<KanjiReading>> t;
        QFile f(QStringLiteral(":/kanji/readings.txt"));
        QStringList errors;
        if (f.open(QIODevice::ReadOnly))
            for (const KanjiReadingsLine& l : ParseKanjiReadings(QString::fromUtf8(f.readAll()), errors))
                t.insert(l.kanji, l.readings);
        return t;
    }();
    static const QVector<KanjiReading> none;
    const auto it = table.constFind(kanji);
    return it == table.cend() ? none : *it;
}

int ReadingAsked(const QVector<KanjiReading>& readings, const QString& reading, const QString& after) {
    int best = -1, bestScore = std::numeric_limits<int>::min();
    for (int i = 0; i < readings.size(); ++i) {
        const KanjiReading& r = readings[i];
        if (!ReadingForms(r.written).contains(reading))
            continue;
        // The okurigana written after the kanji picks the verb (上がる, 上げる); its last kana
        // may change with the ending, so all but that one must be there.
        const QString ok = r.okurigana();
        int score = 0;
        if (ok.size() > 1 && after.startsWith(ok.left(ok.size() - 1)))
            score += 10 * static_cast<int>(ok.size());
        else if (ok.size() > 1 && !reading.endsWith(ok.left(ok.size() - 1)) && !after.isEmpty() &&
                 IsHiraganaOnly(after.left(1)))
            score -= 10; // written okurigana that is not this verb's
        else if (!ok.isEmpty() && !after.isEmpty() && IsHiraganaOnly(after.left(1)))
            score += 2; // kana after the kanji are okurigana before they are anything else (死んで)
        if (ToHiragana(r.stem()) == reading)
            score += 5; // the plain reading before a sound change of the same kana
        if (r.laterYear == 0)
            score += 1;
        if (score > bestScore) {
            best = i;
            bestScore = score;
        }
    }
    return best;
}
