// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/writing/StrokeCountCheck.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

QHash<QString, ListedCount> ReadListedCounts(const QString& path, QStringList* errors) {
    QHash<QString, ListedCount> listed;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *errors << QStringLiteral("%1: cannot be read").arg(path);
        return listed;
    }
    const QString name = QFileInfo(path).fileName();
    static const QRegularExpression line(QString::fromLatin1(R"(^(\S+)\s+(\d+)\s+(\S.*)$)"));
    int number = 0;
    while (!file.atEnd()) {
        ++number;
        const QString text = QString::fromUtf8(file.readLine()).section(QLatin1Char('#'), 0, 0).trimmed();
        if (text.isEmpty())
            continue;
        const QRegularExpressionMatch m = line.match(text);
        if (!m.hasMatch() || m.captured(1).toUcs4().size() != 1) {
            *errors << QStringLiteral("%1:%2: expected \"<kanji> <KanjiVG count> <reason>\"")
                           .arg(name).arg(number);
            continue;
        }
        listed.insert(m.captured(1), {m.captured(2).toInt(), m.captured(3), number});
    }
    return listed;
}

QStringList UnresolvedCountDifferences(const QList<KanjiCount>& kakusuu,
                                       const QHash<QString, int>& kanjiVgCounts,
                                       const QHash<QString, ListedCount>& listed) {
    QStringList out;
    for (const KanjiCount& k : kakusuu) {
        const int strokes = kanjiVgCounts.value(k.kanji, 0);
        if (strokes == k.kakusuu)
            continue;
        const auto it = listed.constFind(k.kanji);
        if (it != listed.constEnd() && it->strokes == strokes && strokes > 0)
            continue;
        out << QStringLiteral("%1: Kakusuu %2, KanjiVG %3: correct the count in kanji.txt or "
                              "give the reason in stroke_counts.txt")
                   .arg(k.kanji).arg(k.kakusuu).arg(strokes);
    }
    return out;
}

QStringList StaleListedCounts(const QList<KanjiCount>& kakusuu,
                              const QHash<QString, int>& kanjiVgCounts,
                              const QHash<QString, ListedCount>& listed) {
    QStringList out;
    for (const KanjiCount& k : kakusuu) {
        const auto it = listed.constFind(k.kanji);
        if (it == listed.constEnd())
            continue;
        const int strokes = kanjiVgCounts.value(k.kanji, 0);
        if (strokes == k.kakusuu || strokes != it->strokes)
            out << QStringLiteral("stroke_counts.txt:%1: %2 no longer differs as listed")
                       .arg(it->line).arg(k.kanji);
    }
    return out;
}
