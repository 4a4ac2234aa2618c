// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/kanjidata/KanjiChecks.h"

#include "platform/Cp932.h"
#include "tools/kanjidata/MecabReader.h"
#include "writing/ReadingRules.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <algorithm>
#include <memory>

namespace {

constexpr int FewestSentences[KanjiYears + 1] = {0, 2, 2, 2, 2, 1, 1};
constexpr int MostSentences[KanjiYears + 1] = {0, 5, 5, 5, 5, 2, 2};
const QString ExceptionsFile = QStringLiteral("exceptions.txt");

CheckFailure fail(const QString& check, const QString& file, int line, const QString& text)
{
    return CheckFailure{check, file, line, text};
}

QString describe(const KanjiEntry& e, const SourceSentence& s)
{
    return QStringLiteral("%1 \"%2\"").arg(e.kanji, s.sourceText());
}

const ExceptionEntry* findException(const QVector<ExceptionEntry>& list, const QString& check,
                                    const KanjiEntry& e, const SourceSentence& s)
{
    for (const ExceptionEntry& x : list)
        if (x.check == check && x.kanji == e.kanji && x.sentence == s.sourceText()) {
            x.used = true;
            return &x;
        }
    return nullptr;
}

int schoolYearOf(QChar c, const KanjiSources& src, const QHash<QString, KanjiDicEntry>& dic)
{
    if (const KanjiEntry* e = src.find(QString(c)))
        return e->year;
    const int g = dic.value(QString(c)).grade;
    return g >= 1 && g <= KanjiYears ? g : 0;
}

// The kanji's readings in a word: dictionary readings, name readings too (奈良, 茨城).
std::function<QSet<QString>(QChar)> formsFrom(const QHash<QString, KanjiDicEntry>& dic)
{
    auto cache = std::make_shared<QHash<QChar, QSet<QString>>>();
    return [&dic, cache](QChar c) {
        auto it = cache->find(c);
        if (it == cache->end()) {
            const KanjiDicEntry d = dic.value(QString(c));
            it = cache->insert(c, AllReadingForms(d.on + d.kun + d.nanori));
        }
        return *it;
    };
}

struct SentenceRef {
    const KanjiEntry* kanji;
    const SourceSentence* sentence;
};

// Every sentence with the kanji in place, parsed by MeCab.
bool parseAll(const KanjiSources& src, QVector<SentenceRef>& refs, QVector<QVector<MecabWord>>& words,
              QString& reason)
{
    QStringList withKanji;
    for (auto it = src.sentences.cbegin(); it != src.sentences.cend(); ++it)
        for (const SourceSentence& s : it.value()) {
            refs.append({&src.kanji[it.key() - 1], &s});
            withKanji << s.withKanji(src.kanji[it.key() - 1].kanji);
        }
    return MecabWords(withKanji, words, reason);
}

// The word that holds the kanji and the kanji's place in it; null when MeCab lost it.
const MecabWord* wordOfKanji(const QVector<MecabWord>& words, const SentenceRef& ref, int& at)
{
    const int kanjiAt = static_cast<int>(ref.sentence->before().size());
    int start = 0;
    for (const MecabWord& w : words) {
        if (kanjiAt < start + w.surface.size()) {
            at = kanjiAt - start;
            return w.surface.mid(at, 1) == ref.kanji->kanji ? &w : nullptr;
        }
        start += static_cast<int>(w.surface.size());
    }
    return nullptr;
}

}  // namespace

QString CheckFailure::toString() const
{
    return QStringLiteral("%1:%2: [%3] %4").arg(file).arg(line).arg(check, text);
}

QVector<ExceptionEntry> ReadExceptions(const QString& path, QVector<CheckFailure>& failures)
{
    QVector<ExceptionEntry> out;
    QFile f(path);
    if (!f.exists())
        return out;
    if (!f.open(QIODevice::ReadOnly)) {
        failures << fail(QStringLiteral("exceptions"), ExceptionsFile, 0, QStringLiteral("cannot read"));
        return out;
    }
    const QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const int sep = line.indexOf(QLatin1String(" -- "));
        const QStringList head = line.left(sep).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        ExceptionEntry x;
        x.line = i + 1;
        if (sep > 0 && head.size() == 3) {
            x.check = head[0];
            x.kanji = head[1];
            x.sentence = head[2];
            x.reason = line.mid(sep + 4).trimmed();
        }
        if ((x.check != QLatin1String("reading") && x.check != QLatin1String("mecab")) || x.reason.isEmpty()) {
            failures << fail(QStringLiteral("exceptions"), ExceptionsFile, x.line,
                             QStringLiteral("expected \"reading|mecab <kanji> <a|{b}|c> -- <reason>\""));
            continue;
        }
        out << x;
    }
    return out;
}

QVector<CheckFailure> CheckKanjiList(const KanjiSources& src, const QHash<QString, KanjiDicEntry>& dic)
{
    QVector<CheckFailure> out;
    const QString file = QStringLiteral("kanji.txt");
    const KanjiEntry* prev = nullptr;
    for (const KanjiEntry& e : src.kanji) {
        if (Cp932::fromUnicode(e.kanji).size() != 2)
            out << fail(QStringLiteral("list"), file, e.line, e.kanji + QStringLiteral(" is not two Shift-JIS bytes"));
        if (!dic.contains(e.kanji)) {
            out << fail(QStringLiteral("list"), file, e.line, e.kanji + QStringLiteral(" is not in kanjidic"));
            continue;
        }
        const KanjiDicEntry& d = dic[e.kanji];
        if (d.grade != e.year)
            out << fail(QStringLiteral("list"), file, e.line,
                        QStringLiteral("%1 is year %2 here but G%3 in kanjidic").arg(e.kanji).arg(e.year).arg(d.grade));
        if (d.strokes != e.strokes)
            out << fail(QStringLiteral("list"), file, e.line,
                        QStringLiteral("%1 has %2 strokes here but %3 in kanjidic").arg(e.kanji).arg(e.strokes).arg(d.strokes));
        if (d.freq != e.freq)
            out << fail(QStringLiteral("list"), file, e.line,
                        QStringLiteral("%1 has frequency %2 here but %3 in kanjidic").arg(e.kanji).arg(e.freq).arg(d.freq));
        // Simpler first within a year: strokes, then frequency (none = rarest).
        if (prev && prev->year == e.year) {
            const auto key = [](const KanjiEntry* k) { return std::pair(k->strokes, k->freq ? k->freq : 1 << 30); };
            if (key(prev) > key(&e))
                out << fail(QStringLiteral("list"), file, e.line,
                            QStringLiteral("%1 is out of order after %2").arg(e.kanji, prev->kanji));
        }
        prev = &e;
    }
    return out;
}

QVector<CheckFailure> CheckLeftOutNamed(const KanjiSources& src, const QHash<QString, KanjiDicEntry>& dic,
                                        const QString& notesText)
{
    QVector<CheckFailure> out;
    for (auto it = dic.cbegin(); it != dic.cend(); ++it)
        if (it->grade >= 1 && it->grade <= KanjiYears && !src.find(it.key()) && !notesText.contains(it.key()))
            out << fail(QStringLiteral("list"), QStringLiteral("NOTES.md"), 0,
                        QStringLiteral("left-out year %1 kanji %2 is not named").arg(it->grade).arg(it.key()));
    return out;
}

QVector<CheckFailure> CheckSentenceCounts(const KanjiSources& src)
{
    QVector<CheckFailure> out;
    for (const KanjiEntry& e : src.kanji) {
        if (!src.yearFilePresent[e.year])
            continue;
        const int n = static_cast<int>(src.sentences.value(e.number).size());
        if (n < FewestSentences[e.year] || n > MostSentences[e.year]) {
            const auto list = src.sentences.value(e.number);
            out << fail(QStringLiteral("count"), SentenceFileName(e.year), list.isEmpty() ? 0 : list.first().line - 1,
                        QStringLiteral("%1 has %2 sentences; year %3 wants %4 to %5")
                            .arg(e.kanji).arg(n).arg(e.year).arg(FewestSentences[e.year]).arg(MostSentences[e.year]));
        }
        // The quiz asks every sentence; the same one twice would be a wasted question.
        QSet<QString> seen;
        for (const SourceSentence& s : src.sentences.value(e.number)) {
            if (seen.contains(s.sourceText()))
                out << fail(QStringLiteral("count"), s.file, s.line,
                            describe(e, s) + QStringLiteral(": the same sentence twice"));
            seen.insert(s.sourceText());
        }
    }
    return out;
}

QVector<CheckFailure> CheckSentenceText(const KanjiSources& src, const QHash<QString, KanjiDicEntry>& dic,
                                        const QVector<ExceptionEntry>& exceptions)
{
    QVector<CheckFailure> out;
    for (auto it = src.sentences.cbegin(); it != src.sentences.cend(); ++it) {
        const KanjiEntry& e = src.kanji[it.key() - 1];
        const KanjiDicEntry d = dic.value(e.kanji);
        const QSet<QString> forms = AllReadingForms(d.on + d.kun);
        for (const SourceSentence& s : it.value()) {
            if (!IsHiraganaOnly(s.reading()))
                out << fail(QStringLiteral("hiragana"), s.file, s.line,
                            describe(e, s) + QStringLiteral(": the reading must be hiragana only"));
            else if (!forms.contains(s.reading()) && !findException(exceptions, QStringLiteral("reading"), e, s))
                out << fail(QStringLiteral("reading"), s.file, s.line,
                            describe(e, s) + QStringLiteral(": %1 is not a kanjidic reading of %2 (%3)")
                                                 .arg(s.reading(), e.kanji, (d.on + d.kun).join(QLatin1Char(' '))));
            for (int j = 1; j <= 3; ++j) {
                if (j == s.pos)
                    continue;
                for (QChar c : s.part[j]) {
                    if (!IsKanjiChar(c))
                        continue;
                    if (!dic.contains(QString(c))) {
                        out << fail(QStringLiteral("year"), s.file, s.line,
                                    describe(e, s) + QStringLiteral(": %1 is not in the pinned kanjidic; "
                                                                    "run tools/kanjidata/pin_dictionaries.sh")
                                                         .arg(c));
                        continue;
                    }
                    const int y = schoolYearOf(c, src, dic);
                    if (y == 0 || y > e.year)
                        out << fail(QStringLiteral("year"), s.file, s.line,
                                    describe(e, s) + QStringLiteral(": %1 is %2; write it in hiragana")
                                                         .arg(c)
                                                         .arg(y ? QStringLiteral("a year %1 kanji").arg(y)
                                                                : QStringLiteral("not a school kanji")));
                }
            }
        }
    }
    return out;
}

bool CheckMecab(const KanjiSources& src, const QHash<QString, KanjiDicEntry>& dic,
                const QVector<ExceptionEntry>& exceptions, QVector<CheckFailure>& failures, QString& reason)
{
    QVector<SentenceRef> refs;
    QVector<QVector<MecabWord>> words;
    if (!parseAll(src, refs, words, reason))
        return false;
    const auto formsOf = formsFrom(dic);
    for (int i = 0; i < refs.size(); ++i) {
        const KanjiEntry* e = refs[i].kanji;
        const SourceSentence* s = refs[i].sentence;
        int at = 0;
        const MecabWord* word = wordOfKanji(words[i], refs[i], at);
        if (word && WordReadingAgrees(word->surface, at, s->reading(), word->reading, formsOf))
            continue;
        if (findException(exceptions, QStringLiteral("mecab"), *e, *s))
            continue;
        failures << fail(QStringLiteral("mecab"), s->file, s->line,
                         word ? describe(*e, *s) + QStringLiteral(": MeCab reads the word %1 as %2, which has no %3 for %4")
                                                       .arg(word->surface, word->reading, s->reading(), e->kanji)
                              : describe(*e, *s) + QStringLiteral(": MeCab lost the kanji"));
    }
    return true;
}

QVector<CheckFailure> UnusedExceptions(const QVector<ExceptionEntry>& exceptions)
{
    QVector<CheckFailure> out;
    for (const ExceptionEntry& x : exceptions)
        if (!x.used)
            out << fail(QStringLiteral("exceptions"), ExceptionsFile, x.line,
                        QStringLiteral("%1 %2 %3 matches no failing sentence; remove it").arg(x.check, x.kanji, x.sentence));
    return out;
}

QVector<OtherReadingException> ReadOtherReadingExceptions(const QString& path, QVector<CheckFailure>& failures)
{
    QVector<OtherReadingException> out;
    const QString name = QFileInfo(path).fileName();
    QFile f(path);
    if (!f.exists())
        return out;
    if (!f.open(QIODevice::ReadOnly)) {
        failures << fail(QStringLiteral("exceptions"), name, 0, QStringLiteral("cannot read"));
        return out;
    }
    const QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const int sep = static_cast<int>(line.indexOf(QLatin1String(" -- ")));
        const QStringList head = line.left(sep).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        OtherReadingException x;
        x.line = i + 1;
        if (sep > 0 && head.size() == 3) {
            x.kanji = head[0];
            x.sentence = head[1];
            x.readings = head[2].split(QLatin1Char(','), Qt::SkipEmptyParts);
            x.reason = line.mid(sep + 4).trimmed();
        }
        if (x.readings.isEmpty() || x.reason.isEmpty()) {
            failures << fail(QStringLiteral("exceptions"), name, x.line,
                             QStringLiteral("expected \"<kanji> <a|{b}|c> <reading,...> -- <reason>\""));
            continue;
        }
        out << x;
    }
    return out;
}

QStringList OtherReadings(const QString& word, int at, const QString& reading,
                          const QVector<EdictReading>& readings, bool standsAlone,
                          const std::function<QSet<QString>(QChar)>& formsOf)
{
    QSet<QString> others;
    for (const EdictReading& r : readings) {
        if (standsAlone && r.affixOnly())
            continue;
        if (WordReadingAgrees(word, at, reading, r.kana, formsOf))
            continue;
        // Prefer splits where the kanji, too, reads one of its own forms.
        QSet<QString> split = ReadingsAt(word, at, r.kana, formsOf, true);
        if (split.isEmpty())
            split = ReadingsAt(word, at, r.kana, formsOf, false);
        if (split.isEmpty())
            others.insert(QLatin1Char('[') + r.kana + QLatin1Char(']'));
        else
            others.unite(split);
    }
    QStringList out(others.begin(), others.end());
    out.sort();
    return out;
}

bool CheckOtherReadings(const KanjiSources& src, const QHash<QString, KanjiDicEntry>& dic, const Edict& edict,
                        const QVector<OtherReadingException>& exceptions, QVector<CheckFailure>& failures,
                        QString& reason)
{
    QVector<SentenceRef> refs;
    QVector<QVector<MecabWord>> words;
    if (!parseAll(src, refs, words, reason))
        return false;
    const auto formsOf = formsFrom(dic);
    for (int i = 0; i < refs.size(); ++i) {
        const KanjiEntry* e = refs[i].kanji;
        const SourceSentence* s = refs[i].sentence;
        int at = 0;
        const MecabWord* w = wordOfKanji(words[i], refs[i], at);
        if (!w)
            continue;  // the MeCab check reports it
        // An inflected word is listed in its dictionary form (高かっ: 高い), same stem.
        const bool baseFits = w->base.left(at + 1) == w->surface.left(at + 1);
        QString key = baseFits && edict.contains(w->base) ? w->base : w->surface;
        const auto found = edict.constFind(key);
        if (found == edict.cend()) {
            failures << fail(QStringLiteral("edict"), s->file, s->line,
                             describe(*e, *s) + QStringLiteral(": the pinned edict never looked up %1; "
                                                               "run tools/kanjidata/pin_dictionaries.sh")
                                                    .arg(key));
            continue;
        }
        const bool alone = !w->partOfSpeech.startsWith(QLatin1String("名詞,接尾")) &&
                           !w->partOfSpeech.startsWith(QLatin1String("接頭詞"));
        const QStringList others = OtherReadings(key, at, s->reading(), *found, alone, formsOf);
        if (others.isEmpty())
            continue;
        const OtherReadingException* x = nullptr;
        for (const OtherReadingException& c : exceptions)
            if (c.kanji == e->kanji && c.sentence == s->sourceText())
                x = &c;
        QStringList unexplained;
        for (const QString& o : others)
            if (!x || !x->readings.contains(o))
                unexplained << o;
        // A line that names readings the word no longer has is out of date.
        if (x && std::all_of(x->readings.begin(), x->readings.end(), [&](const QString& r) { return others.contains(r); }))
            x->used = true;
        if (!unexplained.isEmpty())
            failures << fail(QStringLiteral("edict"), s->file, s->line,
                             describe(*e, *s) + QStringLiteral(": edict also reads %1 so that %2 is %3")
                                                    .arg(key, e->kanji, unexplained.join(QLatin1Char(','))));
    }
    return true;
}

bool EdictWordsLookedUp(const KanjiSources& src, QSet<QString>& out, QString& reason)
{
    QVector<SentenceRef> refs;
    QVector<QVector<MecabWord>> words;
    if (!parseAll(src, refs, words, reason))
        return false;
    for (int i = 0; i < refs.size(); ++i) {
        int at = 0;
        if (const MecabWord* w = wordOfKanji(words[i], refs[i], at))
            out << w->surface << w->base;
    }
    return true;
}

QVector<CheckFailure> UnusedOtherReadingExceptions(const QVector<OtherReadingException>& exceptions)
{
    QVector<CheckFailure> out;
    for (const OtherReadingException& x : exceptions)
        if (!x.used)
            out << fail(QStringLiteral("exceptions"), QStringLiteral("reading_exceptions.txt"), x.line,
                        QStringLiteral("%1 %2 %3 matches no sentence whose word has those other readings").arg(x.kanji, x.sentence, x.readings.join(QLatin1Char(','))));
    return out;
}
