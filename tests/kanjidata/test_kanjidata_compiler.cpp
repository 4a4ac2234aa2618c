// SPDX-License-Identifier: GPL-3.0-or-later
// The kanji data compiler: source errors name their line, a missing year file ends the index
// early, and the three files it writes load as the program reads them.
#include "tools/kanjidata/DataFileBuilder.h"
#include "tools/kanjidata/KanjiChecks.h"
#include "writing/ReadingRules.h"

#include "data/BinaryRecords.h"
#include "data/KanjiFiles.h"
#include "platform/Cp932.h"
#include "support/TestEnv.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString SourceDir = QStringLiteral(KANJI_SOURCE_DIR);

QStringList realKanjiLines()
{
    QFile f(SourceDir + QStringLiteral("/kanji.txt"));
    f.open(QIODevice::ReadOnly);
    return QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// A source folder with the real kanji list and made-up sentences for the given years.
class Sources {
public:
    Sources()
    {
        QFile::copy(SourceDir + QStringLiteral("/kanji.txt"), dir.filePath(QStringLiteral("kanji.txt")));
        for (const QString& line : realKanjiLines()) {
            const QStringList f = line.split(QLatin1Char(' '));
            kanjiOfYear[f[3].toInt()] << f[1];
        }
    }
    // Two sentences for every kanji of the year.
    QStringList yearLines(int year) const
    {
        QStringList lines{QStringLiteral("# test")};
        for (const QString& k : kanjiOfYear[year])
            lines << k << QStringLiteral("- まえ|{よみ}|あと。") << QStringLiteral("- |{よみ}|だけ。");
        return lines;
    }
    void write(int year, const QStringList& lines) const
    {
        QFile f(dir.filePath(SentenceFileName(year)));
        f.open(QIODevice::WriteOnly);
        f.write(lines.join(QLatin1Char('\n')).toUtf8() + '\n');
    }
    void writeYear(int year) const { write(year, yearLines(year)); }
    KanjiSources read(QStringList& errors, QStringList& warnings) const
    {
        return ReadKanjiSources(dir.path(), errors, warnings);
    }

    QTemporaryDir dir;
    QStringList kanjiOfYear[KanjiYears + 1];
};

}  // namespace

class TestKanjiDataCompiler : public QObject {
    Q_OBJECT
private slots:
    // With a year file missing, the index stops at the last complete year, with a warning;
    // Kanji.dat still lists every kanji.
    void missingYearEndsIndex_data()
    {
        QTest::addColumn<QList<int>>("present");
        QTest::addColumn<int>("lastKanji");
        QTest::addColumn<QString>("missing");
        QTest::newRow("only year 1") << QList<int>{1} << 80 << "sentences2.txt";
        QTest::newRow("gap at year 2") << QList<int>{1, 3, 4} << 80 << "sentences2.txt";
        QTest::newRow("years 1-4") << QList<int>{1, 2, 3, 4} << 640 << "sentences5.txt";
        QTest::newRow("no year 1") << QList<int>{2} << 0 << "sentences1.txt";
    }
    void missingYearEndsIndex()
    {
        QFETCH(QList<int>, present);
        QFETCH(int, lastKanji);
        QFETCH(QString, missing);
        Sources s;
        for (int y : present)
            s.writeYear(y);
        QStringList errors, warnings;
        const KanjiSources src = s.read(errors, warnings);
        QVERIFY2(errors.isEmpty(), qPrintable(errors.join(QLatin1Char('\n'))));
        QCOMPARE(warnings.size(), 1);
        QVERIFY(warnings[0].contains(missing));
        QCOMPARE(src.lastWrittenKanji(), lastKanji);
        const KanjiDataFiles files = BuildKanjiDataFiles(src);
        QCOMPARE(files.kanji.size(), 1006 * KanjiRecSize);
        QCOMPARE(files.index.size(), lastKanji * MondaiIdxRecSize);
        QCOMPARE(files.mondai.size(), 2 * lastKanji * MondaiRecSize);
    }

    // Every source fault stops the build with "<file>:<line>: <reason>".
    void sourceErrors_data()
    {
        QTest::addColumn<int>("atLine");     // line replaced (1-based), 0 = appended
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("kanji of another year") << 2 << "刀" << "sentences1.txt:2: 刀 is a year 2 kanji, not year 1";
        QTest::newRow("not a header") << 2 << "やま" << "sentences1.txt:2: \"やま\" is neither";
        QTest::newRow("sentence before header") << 2 << "- あ|{いち}|い" << "sentences1.txt:2: sentence before any kanji header";
        QTest::newRow("second header") << 0 << "一" << "sentences1.txt:242: second header for 一";
        QTest::newRow("bad sentence") << 3 << "- {ひと}|つ" << "sentences1.txt:3: a sentence needs exactly three parts";
        QTest::newRow("too long") << 3 << "- |{ひと}|つつつつつつつつつつつ" << "sentences1.txt:3: part 3";
        QTest::newRow("kanji left without sentences") << 5 << "# gone" << "kanji 人 (number 2) has no sentences";
    }
    void sourceErrors()
    {
        QFETCH(int, atLine);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        Sources s;
        QStringList lines = s.yearLines(1);
        if (atLine == 0)
            lines << text;
        else
            lines[atLine - 1] = text;
        if (text == QLatin1String("# gone")) {
            lines[5] = lines[6] = QStringLiteral("# gone");  // 人 loses both its sentences
        }
        s.write(1, lines);
        QStringList errors, warnings;
        s.read(errors, warnings);
        QVERIFY2(std::any_of(errors.begin(), errors.end(), [&](const QString& e) { return e.contains(expected); }),
                 qPrintable(errors.join(QLatin1Char('\n'))));
    }

    // More than five sentences for one kanji is refused.
    void tooManySentences()
    {
        Sources s;
        QStringList lines = s.yearLines(1);
        for (int i = 0; i < 4; ++i)
            lines.insert(3, QStringLiteral("- もう|{ひと}|つ"));
        s.write(1, lines);
        QStringList errors, warnings;
        s.read(errors, warnings);
        QVERIFY2(errors.size() == 1 && errors[0].startsWith(QStringLiteral("sentences1.txt:8: more than 5")),
                 qPrintable(errors.join(QLatin1Char('\n'))));
    }

    // The files round-trip: kanji, strokes, year and frequency; contiguous index; sentence parts.
    void filesRoundTrip()
    {
        Sources s;
        for (int y = 1; y <= KanjiYears; ++y)
            s.writeYear(y);
        QStringList lines = s.yearLines(1);
        lines[2] = QStringLiteral("- りんごを|{ひと}|つたべる。");
        s.write(1, lines);
        QStringList errors, warnings;
        const KanjiSources src = s.read(errors, warnings);
        QVERIFY(errors.isEmpty() && warnings.isEmpty());
        const KanjiDataFiles files = BuildKanjiDataFiles(src);

        std::array<TKanjiRec, MaxKanji + 1> kanji{};
        QVERIFY(ParseKanjiFile(files.kanji, kanji));
        QCOMPARE(kanji[1].text(), QStringLiteral("一"));
        QCOMPARE(kanji[1].Kakusuu, 1);
        QCOMPARE(kanji[1].Extra, (std::array<std::int16_t, 4>{1, 2, 0, 0}));
        QCOMPARE(kanji[1006].Extra[0], 6);
        QVERIFY(kanji[1007].Kanji.isEmpty());

        std::array<TMondaiIdxRec, MaxKanji + 1> index{};
        QVERIFY(ParseMondaiIdxFile(files.index, index));
        for (int k = 1; k <= 1006; ++k) {
            QCOMPARE(index[k].Key, k);
            QCOMPARE(index[k].Start, 2 * k - 1);
            QCOMPARE(index[k].Count, 2);
        }
        const TMondaiRec first = ParseMondaiRec(files.mondai.constData());
        QCOMPARE(first.Key, 1);
        QCOMPARE(first.Pos, 2);
        QCOMPARE(first.partString(1), QStringLiteral("りんごを"));
        QCOMPARE(first.partString(2), QStringLiteral("ひと"));
        QCOMPARE(first.partString(3), QStringLiteral("つたべる。"));
        const TMondaiRec second = ParseMondaiRec(files.mondai.constData() + MondaiRecSize);
        QCOMPARE(second.Pos, 2);
        QCOMPARE(second.partText(1), QByteArray());
        QCOMPARE(second.partText(3), Cp932::fromUnicode(QStringLiteral("だけ。")));
    }

    // Too few sentences and a repeated sentence are named with their lines.
    void countsAndRepeats()
    {
        Sources s;
        QStringList lines = s.yearLines(1);
        lines[3] = QStringLiteral("# dropped");                 // 一 keeps one sentence
        lines[6] = QStringLiteral("- まえ|{よみ}|あと。");      // 人 repeats its first sentence
        s.write(1, lines);
        QStringList errors, warnings;
        const KanjiSources src = s.read(errors, warnings);
        QVERIFY(errors.isEmpty());
        QStringList got;
        for (const CheckFailure& f : CheckSentenceCounts(src))
            got << f.toString();
        QCOMPARE(got.size(), 2);
        QVERIFY2(got[0].startsWith(QStringLiteral("sentences1.txt:2: [count] 一 has 1 sentences")), qPrintable(got[0]));
        QVERIFY2(got[1].startsWith(QStringLiteral("sentences1.txt:7: [count] 人")) && got[1].contains(QStringLiteral("twice")),
                 qPrintable(got[1]));
    }

    // A write failure is reported, never silent.
    void writeFailureReported()
    {
        QString reason;
        QVERIFY(!WriteKanjiDataFiles(KanjiDataFiles{}, QStringLiteral("/nonexistent/folder"), reason));
        QVERIFY(reason.contains(QStringLiteral("Kanji.dat")));
    }

    // The data the build put into the program directory loads, and every kanji has its
    // sentences with a hiragana reading.
    void builtDataLoads()
    {
        TestEnv env;
        // Copied by hand: TestEnv(true) needs the program directory compiled into the support library.
        for (const QString& name : {KanjiFileName, MondaiIdxFileName, MondaiFileName})
            QVERIFY2(QFile::copy(QStringLiteral(MOJI_PROGRAM_DIR "/") + name, env.path(name)), qPrintable(name));
        QVERIFY(LoadKanjiTable());
        QVERIFY(LoadMondaiIndex());
        const QStringList lines = realKanjiLines();
        QCOMPARE(lines.size(), 1006);
        for (int k = 1; k <= 1006; ++k) {
            const QStringList f = lines[k - 1].split(QLatin1Char(' '));
            QCOMPARE(Kanji_Tbl[k].text(), f[1]);
            QCOMPARE(int(Kanji_Tbl[k].Kakusuu), f[2].toInt());
            const int year = f[3].toInt();
            QVERIFY2(Mondai_Idx[k].Count >= 1 && Mondai_Idx[k].Count <= (year <= 4 ? 5 : 2),
                     qPrintable(QStringLiteral("kanji %1 has %2 sentences").arg(k).arg(Mondai_Idx[k].Count)));
            QVector<TMondaiRec> all;
            QVERIFY(ReadAllMondai(k, all));
            for (const TMondaiRec& m : all) {
                QCOMPARE(m.Key, k);
                QVERIFY(m.Pos >= 1 && m.Pos <= 3);
                QVERIFY2(IsHiraganaOnly(m.partString(m.Pos)), qPrintable(m.partString(m.Pos)));
            }
        }
        QCOMPARE(Mondai_Idx[1007].Count, 0);
    }
};

QTEST_GUILESS_MAIN(TestKanjiDataCompiler)
#include "test_kanjidata_compiler.moc"
