// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/kanjidata/Edict.h"

#include "tools/kanjidata/KanjiDic.h"
#include "writing/ReadingRules.h"

#include <QFile>
#include <QRegularExpression>

bool EdictReading::affixOnly() const {
    // Part-of-speech tags; usage marks (arch, ok, P, abbr...) say nothing about the word class.
    static const QSet<QString> affix{QStringLiteral("suf"), QStringLiteral("n-suf"),
                                     QStringLiteral("pref"), QStringLiteral("n-pref"),
                                     QStringLiteral("ctr")};
    static const QRegularExpression wordClass(
        QStringLiteral("^(n|adj|adv|v|exp|int|conj|pn|prt|aux|cop|num)"));
    bool anyAffix = false;
    for (const QString& t : tags) {
        if (affix.contains(t))
            anyAffix = true;
        else if (wordClass.match(t).hasMatch())
            return false;
    }
    return anyAffix;
}

bool ParseEdictLine(const QString& line, QString& word, EdictReading& reading) {
    const int open = static_cast<int>(line.indexOf(QLatin1String(" [")));
    const int close = static_cast<int>(line.indexOf(QLatin1String("] /")));
    if (open <= 0 || close < open)
        return false;
    word = line.left(open);
    bool hasKanji = false;
    for (QChar c : word)
        hasKanji = hasKanji || IsKanjiChar(c);
    if (!hasKanji)
        return false;
    reading.kana = ToHiragana(line.mid(open + 2, close - open - 2));
    reading.tags.clear();
    static const QRegularExpression group(QStringLiteral("\\(([a-zA-Z0-9,\\-]+)\\)"));
    for (auto m = group.globalMatch(line, close); m.hasNext();)
        reading.tags += m.next().captured(1).split(QLatin1Char(','), Qt::SkipEmptyParts);
    return !reading.kana.isEmpty();
}

bool ReadEdict(const QString& path, Edict& out, QString& reason) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        reason = QStringLiteral("cannot open %1").arg(path);
        return false;
    }
    QString text;
    if (!DecodeDictionaryText(f.readAll(), text)) {
        reason = QStringLiteral("%1 is neither UTF-8 nor EUC-JP").arg(path);
        return false;
    }
    out.clear();
    for (const QString& line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        QString word;
        EdictReading r;
        if (!line.startsWith(QLatin1Char('#')) && ParseEdictLine(line, word, r))
            out[word] << r;
    }
    return true;
}
