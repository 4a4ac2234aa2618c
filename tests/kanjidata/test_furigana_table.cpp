// SPDX-License-Identifier: GPL-3.0-or-later
// The table of the program's own texts: every kanji has its reading, every reading fits its
// kanji by kanjidic, and every text with kanji in the windows' sources is in the table (a new
// text without readings fails here).
#include "platform/HelpFile.h"
#include "writing/RubyText.h"
#include "tools/kanjidata/KanjiDic.h"
#include "tools/kanjidata/PinnedDictionaries.h"
#include "writing/ReadingRules.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>

namespace {

const QString SourceDir = QStringLiteral(MOJI_SOURCE_DIR);

QString tableText() {
    QFile f(SourceDir + QStringLiteral("/data/texts/furigana.txt"));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

const QHash<QString, KanjiDicEntry>& dic() {
    static const QHash<QString, KanjiDicEntry> d = [] {
        QHash<QString, KanjiDicEntry> out;
        QString reason;
        ReadKanjiDic(PinnedKanjiDicPath(SourceDir + QStringLiteral("/data/kanji")), out, reason);
        return out;
    }();
    return d;
}

// Readings kanjidic's forms miss, each checked by hand: a shortened on reading, and kun readings
// whose okurigana the written word leaves out.
const QHash<QChar, QStringList>& acceptedReadings() {
    static const QHash<QChar, QStringList> extra{
        {u'文', {QStringLiteral("も")}},   // 文字 もじ
        {u'日', {QStringLiteral("に")}},   // 日本 にほん
        {u'打', {QStringLiteral("うち")}}, // 打落し うちおとし
        {u'落', {QStringLiteral("おと")}}, // 打落し うちおとし
    };
    return extra;
}

QSet<QString> formsOf(QChar kanji) {
    const KanjiDicEntry e = dic().value(QString(kanji));
    QStringList all = e.on + e.kun;
    QSet<QString> forms = AllReadingForms(all);
    for (const QString& r : acceptedReadings().value(kanji))
        forms.insert(r);
    return forms;
}

// A whole-run reading splits into one form per kanji.
bool splits(const QString& base, const QString& reading) {
    if (base.isEmpty())
        return reading.isEmpty();
    for (const QString& f : formsOf(base[0]))
        if (reading.startsWith(f) && splits(base.mid(1), reading.mid(f.size())))
            return true;
    return false;
}

// String literals of the sources that contain kanji (comments left out).
QStringList sourceTexts(QStringList* where) {
    static const QRegularExpression literal(QStringLiteral("\"((?:[^\"\\\\]|\\\\.)*)\""));
    QStringList texts;
    for (const QString dir :
         {QStringLiteral("menu"), QStringLiteral("aftergame"), QStringLiteral("games"),
          QStringLiteral("platform"), QStringLiteral("data")}) {
        QDirIterator it(SourceDir + QLatin1Char('/') + dir,
                        {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            if (path.endsWith(QStringLiteral("/RubyText.cpp")))
                continue; // measures a kanji's height, shows nothing
            QFile f(path);
            if (!f.open(QIODevice::ReadOnly))
                continue;
            const QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
            for (int n = 0; n < lines.size(); ++n) {
                // Cut a line comment that starts outside a string.
                QString code;
                bool inString = false;
                const QString& l = lines[n];
                for (qsizetype i = 0; i < l.size(); ++i) {
                    if (!inString && l.mid(i, 2) == QStringLiteral("//"))
                        break;
                    if (l[i] == QLatin1Char('"') && (i == 0 || l[i - 1] != QLatin1Char('\\')))
                        inString = !inString;
                    code += l[i];
                }
                auto m = literal.globalMatch(code);
                while (m.hasNext()) {
                    const QString t = m.next().captured(1);
                    if (std::any_of(t.begin(), t.end(), IsKanji)) {
                        texts << t;
                        *where << QStringLiteral("%1:%2")
                                      .arg(path.mid(SourceDir.size() + 1))
                                      .arg(n + 1);
                    }
                }
            }
        }
    }
    return texts;
}

} // namespace

class TestFuriganaTable : public QObject {
    Q_OBJECT
  private slots:
    void tableParsesAndIsBuiltIn() {
        // Every line parses, and the program carries the same table.
        QStringList errors;
        const QList<OwnTextEntry> entries = ParseOwnTextTable(tableText(), &errors);
        QVERIFY2(errors.isEmpty(), qPrintable(errors.join(QLatin1Char('\n'))));
        QVERIFY(entries.size() > 100);
        QCOMPARE(OwnTextTable().size(), entries.size());
    }

    void everyKanjiHasItsReading() {
        QStringList missing;
        for (const OwnTextEntry& e : OwnTextTable())
            for (const RubySegment& s : e.ruby)
                if (s.readings.isEmpty() && std::any_of(s.base.begin(), s.base.end(), IsKanji))
                    missing << QStringLiteral("line %1: %2").arg(e.line).arg(e.markup);
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char('\n'))));
    }

    void readingsFitTheirKanji() {
        // Each reading is one of kanjidic's readings of its kanji (with the usual sound changes);
        // a reading for a whole run splits into such readings.
        QVERIFY2(!dic().isEmpty(), "kanjidic is not readable");
        QStringList wrong;
        for (const OwnTextEntry& e : OwnTextTable()) {
            for (const RubySegment& s : e.ruby) {
                if (s.readings.isEmpty())
                    continue;
                if (s.readings.size() == s.base.size()) {
                    for (int i = 0; i < s.base.size(); ++i)
                        if (!formsOf(s.base[i]).contains(s.readings[i]))
                            wrong << QStringLiteral("line %1: %2《%3》")
                                         .arg(e.line)
                                         .arg(s.base[i])
                                         .arg(s.readings[i]);
                } else if (!splits(s.base, s.readings.first())) {
                    wrong << QStringLiteral("line %1: %2《%3》")
                                 .arg(e.line)
                                 .arg(s.base, s.readings.first());
                }
            }
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
    }

    void everySourceTextIsInTheTable() {
        // A text (or a piece the program joins to others) of the sources is found in the table.
        QStringList where;
        const QStringList texts = sourceTexts(&where);
        QVERIFY(texts.size() > 80);
        QStringList plain;
        for (const OwnTextEntry& e : OwnTextTable())
            plain << PlainText(e.ruby);
        QStringList missing;
        for (int i = 0; i < texts.size(); ++i) {
            QString t = texts[i];
            t.replace(QStringLiteral("\\n"), QStringLiteral("\n"));
            const QString core = t.trimmed();
            const bool found = std::any_of(plain.begin(), plain.end(),
                                           [&](const QString& p) { return p.contains(core); });
            if (!found)
                missing << where[i] + QStringLiteral(": ") + t;
        }
        QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("not in data/texts/furigana.txt:\n") +
                                               missing.join(QLatin1Char('\n'))));
    }

    void helpTextHasEveryReading() {
        // The help file the build writes: every kanji of every topic carries a reading that fits.
        QFile f(QStringLiteral(MOJI_PROGRAM_DIR) + QStringLiteral("/Mojimaru.hlp"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QMap<int, HelpTopic> topics = ParseHelpFile(f.readAll());
        QVERIFY(topics.contains(31) && topics.contains(33));
        QStringList problems;
        for (const HelpTopic& t : topics) {
            QList<RubyText> texts{t.titleRuby};
            for (const HelpBlock& b : t.blocks)
                texts << b.text;
            for (const RubyText& text : texts)
                for (const RubySegment& s : text) {
                    if (s.readings.isEmpty()) {
                        if (std::any_of(s.base.begin(), s.base.end(), IsKanji))
                            problems << QStringLiteral("topic %1: no reading in %2")
                                            .arg(t.number)
                                            .arg(s.base);
                    } else if (s.readings.size() == 1 ? !splits(s.base, s.readings.first())
                                                      : s.readings.size() != s.base.size()) {
                        problems << QStringLiteral("topic %1: %2《%3》")
                                        .arg(t.number)
                                        .arg(s.base, s.readings.join(u'|'));
                    }
                }
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    void checksCatchWrongReadings_data() {
        QTest::addColumn<QString>("markup");
        QTest::addColumn<bool>("fits");
        QTest::newRow("per kanji") << QStringLiteral("登録《とう|ろく》") << true;
        QTest::newRow("sound change") << QStringLiteral("結果《けっ|か》") << true;
        QTest::newRow("whole run") << QStringLiteral("練習《れんしゅう》") << true;
        QTest::newRow("wrong kanji reading") << QStringLiteral("登録《とう|りょく》") << false;
        QTest::newRow("readings swapped") << QStringLiteral("名前《まえ|な》") << false;
        QTest::newRow("whole run wrong") << QStringLiteral("練習《れんしゅ》") << false;
    }
    void checksCatchWrongReadings() {
        QFETCH(QString, markup);
        QFETCH(bool, fits);
        RubyText t;
        QVERIFY(ParseRubyMarkup(markup, t));
        const RubySegment& s = t.first();
        bool ok = true;
        if (s.readings.size() == s.base.size()) {
            for (int i = 0; i < s.base.size(); ++i)
                ok = ok && formsOf(s.base[i]).contains(s.readings[i]);
        } else {
            ok = splits(s.base, s.readings.first());
        }
        QCOMPARE(ok, fits);
    }
};

QTEST_GUILESS_MAIN(TestFuriganaTable)
#include "test_furigana_table.moc"
