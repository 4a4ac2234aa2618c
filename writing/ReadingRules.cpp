// SPDX-License-Identifier: GPL-3.0-or-later
#include "writing/ReadingRules.h"

#include <QHash>

namespace {

const QHash<QChar, QString>& voicedForms()
{
    // Plain kana to the voiced (and for the h row also the p) kana a compound may give it.
    static const QHash<QChar, QString> table = [] {
        QHash<QChar, QString> t;
        const QString plain = QStringLiteral("かきくけこさしすせそたちつてと");
        const QString voiced = QStringLiteral("がぎぐげござじずぜぞだぢづでど");
        for (int i = 0; i < plain.size(); ++i)
            t.insert(plain[i], QString(voiced[i]));
        t[QChar(u'ち')] += QChar(u'じ');
        t[QChar(u'つ')] += QChar(u'ず');
        const QString h = QStringLiteral("はひふへほ");
        const QString b = QStringLiteral("ばびぶべぼ");
        const QString p = QStringLiteral("ぱぴぷぺぽ");
        for (int i = 0; i < h.size(); ++i)
            t.insert(h[i], QString(b[i]) + p[i]);
        return t;
    }();
    return table;
}

}  // namespace

QString ToHiragana(const QString& text)
{
    QString out = text;
    for (QChar& c : out)
        if (c.unicode() >= 0x30A1 && c.unicode() <= 0x30F6)
            c = QChar(c.unicode() - 0x60);
    return out;
}

bool IsHiraganaOnly(const QString& text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text)
        if (c.unicode() < 0x3041 || c.unicode() > 0x3096)
            return false;
    return true;
}

bool IsKanjiChar(QChar c)
{
    const ushort u = c.unicode();
    return (u >= 0x4E00 && u <= 0x9FFF) || (u >= 0x3400 && u <= 0x4DBF) || (u >= 0xF900 && u <= 0xFAFF);
}

QSet<QString> ReadingForms(const QString& dictionaryReading)
{
    QString reading = ToHiragana(dictionaryReading);
    reading.remove(QLatin1Char('-'));
    const int dot = static_cast<int>(reading.indexOf(QLatin1Char('.')));
    const QString stem = dot >= 0 ? reading.left(dot) : reading;
    if (stem.isEmpty())
        return {};
    // A noun made from a verb takes its okurigana into the kanji (字引 じびき, 切手 きって):
    // the whole kun reading and its -i form count too.
    QStringList absorbed;
    if (dot >= 0) {
        const QString whole = stem + reading.mid(dot + 1);
        absorbed << whole;
        const QString uRow = QStringLiteral("うくぐすつぬぶむる");
        const QString iRow = QStringLiteral("いきぎしちにびみり");
        const int at = static_cast<int>(uRow.indexOf(whole.back()));
        if (at >= 0)
            absorbed << whole.left(whole.size() - 1) + iRow[at];
    }
    QSet<QString> forms;
    const auto addWithVoicing = [&forms](const QString& base) {
        QSet<QString> added{base};
        for (QChar v : voicedForms().value(base[0]))
            added.insert(v + base.mid(1));
        forms.unite(added);
        return added;
    };
    const auto addSmallTsu = [&forms](const QSet<QString>& bases, const QString& finals) {
        for (const QString& f : bases)
            if (f.size() > 1 && finals.contains(f.back()))
                forms.insert(f.left(f.size() - 1) + QChar(u'っ'));
    };
    addSmallTsu(addWithVoicing(stem), QStringLiteral("くつちき"));
    for (const QString& a : absorbed)
        addSmallTsu(addWithVoicing(a), QStringLiteral("くつちきり"));
    return forms;
}

QSet<QString> AllReadingForms(const QStringList& dictionaryReadings)
{
    QSet<QString> all;
    for (const QString& r : dictionaryReadings)
        all.unite(ReadingForms(r));
    return all;
}

namespace {

// The forms each character of a word may take; the one at `at` (if any) takes `atForms`.
QVector<QSet<QString>> characterForms(const QString& surface, int at, const QSet<QString>& atForms,
                                      const std::function<QSet<QString>(QChar)>& formsOf)
{
    QVector<QSet<QString>> units;
    for (int i = 0; i < surface.size(); ++i) {
        const QChar c = surface[i];
        if (i == at)
            units << atForms;
        else if (IsKanjiChar(c))
            units << formsOf(c);
        else if (c == QChar(u'々') && i > 0)
            units << formsOf(surface[i - 1]);
        else
            units << QSet<QString>{ToHiragana(QString(c))};
    }
    return units;
}

// The reading positions reached after units[first..last) read target on from position `from`.
QSet<int> reachable(const QVector<QSet<QString>>& units, int first, int last, const QString& target, int from)
{
    QSet<int> reach{from};
    for (int i = first; i < last; ++i) {
        QSet<int> next;
        for (int j : reach)
            for (const QString& f : units[i])
                if (!f.isEmpty() && target.mid(j, f.size()) == f)
                    next.insert(j + static_cast<int>(f.size()));
        reach = next;
    }
    return reach;
}

}  // namespace

bool WordReadingAgrees(const QString& surface, int at, const QString& reading, const QString& wordReading,
                       const std::function<QSet<QString>(QChar)>& formsOf)
{
    const QVector<QSet<QString>> units = characterForms(surface, at, {reading}, formsOf);
    const QString target = ToHiragana(wordReading);
    return reachable(units, 0, static_cast<int>(units.size()), target, 0).contains(static_cast<int>(target.size()));
}

QSet<QString> ReadingsAt(const QString& surface, int at, const QString& wordReading,
                         const std::function<QSet<QString>(QChar)>& formsOf, bool ownFormsOnly)
{
    const QSet<QString> own = ownFormsOnly ? formsOf(surface[at]) : QSet<QString>();
    const QString target = ToHiragana(wordReading);
    const QVector<QSet<QString>> units = characterForms(surface, at, {}, formsOf);
    const int n = static_cast<int>(units.size());
    QSet<QString> out;
    for (int start : reachable(units, 0, at, target, 0))
        for (int end = start + 1; end <= target.size(); ++end)
            if ((!ownFormsOnly || own.contains(target.mid(start, end - start))) &&
                reachable(units, at + 1, n, target, end).contains(static_cast<int>(target.size())))
                out.insert(target.mid(start, end - start));
    return out;
}
