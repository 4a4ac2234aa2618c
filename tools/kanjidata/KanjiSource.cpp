// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/kanjidata/KanjiSource.h"

#include "platform/Cp932.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTextStream>

namespace {

constexpr int YearSlots[KanjiYears + 1] = {0, 80, 160, 200, 200, 185, 181};

QString where(const QString& file, int line, const QString& reason)
{
    return QStringLiteral("%1:%2: %3").arg(file).arg(line).arg(reason);
}

bool readLines(const QString& path, QStringList& lines)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = f.readAll();
    QString text = QString::fromUtf8(bytes);
    if (text.toUtf8() != bytes)
        text = QString();  // caller reports the bad encoding
    lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return !text.isNull() || bytes.isEmpty();
}

bool isHan(QChar c)
{
    const ushort u = c.unicode();
    return (u >= 0x4E00 && u <= 0x9FFF) || (u >= 0x3400 && u <= 0x4DBF);
}

void readKanjiList(const QString& path, KanjiSources& src, QStringList& errors)
{
    const QString name = QFileInfo(path).fileName();
    QStringList lines;
    if (!readLines(path, lines)) {
        errors << where(name, 0, QStringLiteral("cannot read the file or it is not UTF-8"));
        return;
    }
    QSet<QString> seen;
    int count[KanjiYears + 1] = {};
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        const int ln = i + 1;
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList f = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        bool ok[4] = {};
        KanjiEntry e;
        if (f.size() == 5) {
            e.number = f[0].toInt(&ok[0]);
            e.kanji = f[1];
            e.strokes = f[2].toInt(&ok[1]);
            e.year = f[3].toInt(&ok[2]);
            e.freq = f[4].toInt(&ok[3]);
        }
        e.line = ln;
        if (f.size() != 5 || !ok[0] || !ok[1] || !ok[2] || !ok[3]) {
            errors << where(name, ln, QStringLiteral("expected \"<number> <kanji> <strokes> <year> <freq>\""));
            continue;
        }
        if (e.number != src.kanji.size() + 1)
            errors << where(name, ln, QStringLiteral("number %1 out of sequence (expected %2)")
                                          .arg(e.number).arg(src.kanji.size() + 1));
        if (e.kanji.size() != 1 || !isHan(e.kanji[0]) || Cp932::fromUnicode(e.kanji).size() != 2)
            errors << where(name, ln, QStringLiteral("\"%1\" is not one double-byte kanji").arg(e.kanji));
        if (e.year < 1 || e.year > KanjiYears)
            errors << where(name, ln, QStringLiteral("school year %1 outside 1..6").arg(e.year));
        else
            ++count[e.year];
        if (e.strokes < 1 || e.strokes > 40 || e.freq < 0 || e.freq > 32767)
            errors << where(name, ln, QStringLiteral("stroke count or frequency out of range"));
        if (seen.contains(e.kanji))
            errors << where(name, ln, QStringLiteral("kanji %1 listed twice").arg(e.kanji));
        if (!src.kanji.isEmpty() && src.kanji.last().year > e.year)
            errors << where(name, ln, QStringLiteral("school years must not go down"));
        seen.insert(e.kanji);
        src.kanji.append(e);
    }
    for (int y = 1; y <= KanjiYears; ++y)
        if (count[y] != YearSlots[y])
            errors << where(name, lines.size(), QStringLiteral("year %1 has %2 kanji, needs %3")
                                                   .arg(y).arg(count[y]).arg(YearSlots[y]));
}

void readSentenceFile(int year, KanjiSources& src, QStringList& errors)
{
    const QString path = src.dir + QLatin1Char('/') + SentenceFileName(year);
    const QString name = SentenceFileName(year);
    QStringList lines;
    if (!readLines(path, lines)) {
        errors << where(name, 0, QStringLiteral("cannot read the file or it is not UTF-8"));
        return;
    }
    QHash<QString, int> numberOf;
    for (const KanjiEntry& e : src.kanji)
        numberOf.insert(e.kanji, e.number);
    int current = 0;
    QSet<int> headed;
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const int ln = i + 1;
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
            continue;
        if (trimmed.startsWith(QLatin1String("- ")) || trimmed == QLatin1String("-")) {
            if (current == 0) {
                errors << where(name, ln, QStringLiteral("sentence before any kanji header"));
                continue;
            }
            SourceSentence s;
            const QString reason = ParseSentence(trimmed.mid(2), s);
            if (!reason.isEmpty()) {
                errors << where(name, ln, reason);
                continue;
            }
            s.file = name;
            s.line = ln;
            auto& list = src.sentences[current];
            if (list.size() >= MaxSentencesPerKanji)
                errors << where(name, ln, QStringLiteral("more than %1 sentences for %2")
                                              .arg(MaxSentencesPerKanji).arg(src.kanji[current - 1].kanji));
            else
                list.append(s);
            continue;
        }
        // Anything else must be a header: exactly one kanji of this year.
        current = 0;
        const int n = numberOf.value(trimmed, 0);
        if (trimmed.size() != 1 || n == 0) {
            errors << where(name, ln, QStringLiteral("\"%1\" is neither a kanji header of the list "
                                                     "nor a \"- \" sentence line").arg(trimmed));
            continue;
        }
        if (src.kanji[n - 1].year != year) {
            errors << where(name, ln, QStringLiteral("%1 is a year %2 kanji, not year %3")
                                          .arg(trimmed).arg(src.kanji[n - 1].year).arg(year));
            continue;
        }
        if (headed.contains(n)) {
            errors << where(name, ln, QStringLiteral("second header for %1").arg(trimmed));
            continue;
        }
        headed.insert(n);
        current = n;
    }
    for (const KanjiEntry& e : src.kanji)
        if (e.year == year && src.sentences.value(e.number).isEmpty())
            errors << where(name, lines.size(), QStringLiteral("kanji %1 (number %2) has no sentences")
                                                   .arg(e.kanji).arg(e.number));
}

}  // namespace

QString SourceSentence::before() const
{
    QString s;
    for (int j = 1; j < pos; ++j)
        s += part[j];
    return s;
}

QString SourceSentence::after() const
{
    QString s;
    for (int j = pos + 1; j <= 3; ++j)
        s += part[j];
    return s;
}

QString SourceSentence::withKanji(const QString& kanji) const { return before() + kanji + after(); }
QString SourceSentence::withReading() const { return before() + reading() + after(); }
QString SourceSentence::bracketed() const
{
    return before() + QLatin1Char('[') + reading() + QLatin1Char(']') + after();
}

QString SourceSentence::sourceText() const
{
    QStringList p;
    for (int j = 1; j <= 3; ++j)
        p << (j == pos ? QLatin1Char('{') + part[j] + QLatin1Char('}') : part[j]);
    return p.join(QLatin1Char('|'));
}

const KanjiEntry* KanjiSources::find(const QString& kanjiOrNumber) const
{
    bool isNumber = false;
    const int n = kanjiOrNumber.toInt(&isNumber);
    if (isNumber)
        return n >= 1 && n <= kanji.size() ? &kanji[n - 1] : nullptr;
    for (const KanjiEntry& e : kanji)
        if (e.kanji == kanjiOrNumber)
            return &e;
    return nullptr;
}

int KanjiSources::firstKanjiOfYear(int year) const
{
    for (const KanjiEntry& e : kanji)
        if (e.year == year)
            return e.number;
    return 0;
}

int KanjiSources::lastKanjiOfYear(int year) const
{
    int last = 0;
    for (const KanjiEntry& e : kanji)
        if (e.year == year)
            last = e.number;
    return last;
}

int KanjiSources::lastWrittenKanji() const
{
    int last = 0;
    for (int y = 1; y <= KanjiYears && yearFilePresent[y]; ++y)
        last = lastKanjiOfYear(y);
    return last;
}

QString SentenceFileName(int year) { return QStringLiteral("sentences%1.txt").arg(year); }

QString ParseSentence(const QString& text, SourceSentence& out)
{
    const QStringList parts = text.split(QLatin1Char('|'));
    if (parts.size() != 3)
        return QStringLiteral("a sentence needs exactly three parts separated by \"|\" (found %1)")
            .arg(parts.size());
    out.pos = 0;
    for (int j = 1; j <= 3; ++j) {
        QString p = parts[j - 1];
        const bool open = p.startsWith(QLatin1Char('{'));
        const bool close = p.endsWith(QLatin1Char('}'));
        if (open != close || (open && p.size() < 2))
            return QStringLiteral("part %1 has an unmatched brace").arg(j);
        if (open) {
            if (out.pos != 0)
                return QStringLiteral("more than one part in braces");
            out.pos = j;
            p = p.mid(1, p.size() - 2);
            if (p.isEmpty())
                return QStringLiteral("the reading part is empty");
        }
        if (p.contains(QLatin1Char('{')) || p.contains(QLatin1Char('}')))
            return QStringLiteral("part %1 has a brace inside it").arg(j);
        if (p.contains(QLatin1Char(' ')) || p.contains(QLatin1Char('\t')))
            return QStringLiteral("part %1 contains a blank (blanks are trimmed away)").arg(j);
        bool ok = false;
        const QByteArray sjis = Cp932::fromUnicode(p, &ok);
        if (!ok)
            return QStringLiteral("part %1 \"%2\" has a character without a Shift-JIS form").arg(j).arg(p);
        if (sjis.size() > SentencePartBytes)
            return QStringLiteral("part %1 \"%2\" is %3 bytes, at most %4")
                .arg(j).arg(p).arg(sjis.size()).arg(SentencePartBytes);
        out.part[j] = p;
    }
    if (out.pos == 0)
        return QStringLiteral("no part in braces: wrap the kanji's reading in {...}");
    return {};
}

KanjiSources ReadKanjiSources(const QString& dir, QStringList& errors, QStringList& warnings)
{
    KanjiSources src;
    src.dir = dir;
    readKanjiList(dir + QStringLiteral("/kanji.txt"), src, errors);
    if (!errors.isEmpty())
        return src;
    for (int y = 1; y <= KanjiYears; ++y) {
        src.yearFile[y] = dir + QLatin1Char('/') + SentenceFileName(y);
        src.yearFilePresent[y] = QFileInfo::exists(src.yearFile[y]);
        if (src.yearFilePresent[y])
            readSentenceFile(y, src, errors);
    }
    for (int y = 1; y <= KanjiYears; ++y)
        if (!src.yearFilePresent[y]) {
            warnings << QStringLiteral("warning: %1 is missing; sentences stop at kanji %2")
                            .arg(SentenceFileName(y)).arg(src.lastWrittenKanji());
            break;
        }
    return src;
}
