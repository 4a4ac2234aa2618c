// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/kanjidata/PinnedDictionaries.h"

#include <QFile>
#include <QRegularExpression>

QString PinnedKanjiDicPath(const QString& sourceDir)
{
    return sourceDir + QStringLiteral("/dictionary/kanjidic.txt");
}

QString PinnedEdictPath(const QString& sourceDir)
{
    return sourceDir + QStringLiteral("/dictionary/edict.txt");
}

QString PinnedEdictWordsPath(const QString& sourceDir)
{
    return sourceDir + QStringLiteral("/dictionary/edict-words.txt");
}

bool ReadPinnedEdict(const QString& sourceDir, Edict& out, QString& reason)
{
    if (!ReadEdict(PinnedEdictPath(sourceDir), out, reason))
        return false;
    QFile f(PinnedEdictWordsPath(sourceDir));
    if (!f.open(QIODevice::ReadOnly)) {
        reason = QStringLiteral("cannot open %1").arg(f.fileName());
        return false;
    }
    for (const QString& line : QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'))) {
        const QString word = line.trimmed();
        if (!word.isEmpty() && !word.startsWith(QLatin1Char('#')) && !out.contains(word))
            out.insert(word, {});
    }
    return true;
}

QString TrimmedKanjiDicLine(const QString& line)
{
    static const QRegularExpression kept(QStringLiteral("^([GSF][0-9]+|T[12])$"));
    const QString facts = line.left(line.indexOf(QLatin1String(" {")));
    const QStringList f = facts.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (f.size() < 2)
        return {};
    QStringList out{f[0], f[1]};
    for (int i = 2; i < f.size(); ++i) {
        const ushort u = f[i][0] == QLatin1Char('-') && f[i].size() > 1 ? f[i][1].unicode() : f[i][0].unicode();
        const bool kana = u >= 0x3041 && u <= 0x30FA;
        if (kana || kept.match(f[i]).hasMatch())
            out << f[i];
    }
    return out.join(QLatin1Char(' '));
}
