// SPDX-License-Identifier: GPL-3.0-or-later
// The real kanji sources: the list agrees with kanjidic and every sentence file that exists
// passes the reading, wording, MeCab and edict checks (accepted disagreements live in
// exceptions.txt and reading_exceptions.txt).
#include "tools/kanjidata/KanjiChecks.h"
#include "tools/kanjidata/PinnedDictionaries.h"
#include "tools/kanjidata/ReadingCoverage.h"

#include "data/Tables.h"

#include <QFile>
#include <QtTest>

namespace {

const QString SourceDir = QStringLiteral(KANJI_SOURCE_DIR);

struct Fixture {
    KanjiSources src;
    QStringList errors, warnings;
    QHash<QString, KanjiDicEntry> dic;
    QString dicProblem;
    QVector<CheckFailure> exceptionProblems;
    QVector<ExceptionEntry> exceptions;
    Edict edict;
    QString edictProblem;
    QVector<OtherReadingException> otherReadings;
    QVector<CheckFailure> tableProblems;
    QVector<KanjiReadingsLine> readings;
};

Fixture& fixture()
{
    static Fixture f = [] {
        Fixture x;
        x.src = ReadKanjiSources(SourceDir, x.errors, x.warnings);
        ReadKanjiDic(PinnedKanjiDicPath(SourceDir), x.dic, x.dicProblem);
        x.exceptions = ReadExceptions(SourceDir + QStringLiteral("/exceptions.txt"), x.exceptionProblems);
        ReadPinnedEdict(SourceDir, x.edict, x.edictProblem);
        x.otherReadings =
            ReadOtherReadingExceptions(SourceDir + QStringLiteral("/reading_exceptions.txt"), x.exceptionProblems);
        x.readings = ReadReadingsTable(SourceDir, x.tableProblems);
        return x;
    }();
    return f;
}

QString listed(const QVector<CheckFailure>& failures, const QString& file = {})
{
    QStringList lines;
    for (const CheckFailure& f : failures)
        if (file.isEmpty() || f.file == file)
            lines << f.toString();
    return QStringLiteral("%1 failure(s):\n").arg(lines.size()) + lines.join(QLatin1Char('\n'));
}

int countFor(const QVector<CheckFailure>& failures, const QString& file)
{
    return static_cast<int>(std::count_if(failures.begin(), failures.end(),
                                          [&](const CheckFailure& f) { return f.file == file; }));
}

void sentenceFileRows()
{
    QTest::addColumn<int>("year");
    for (int y = 1; y <= KanjiYears; ++y)
        QTest::newRow(qPrintable(SentenceFileName(y))) << y;
}

}  // namespace

class TestKanjiDataContent : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY2(fixture().dicProblem.isEmpty(), qPrintable(fixture().dicProblem));
        QVERIFY2(fixture().edictProblem.isEmpty(), qPrintable(fixture().edictProblem));
    }

    // The sources parse without a single source error.
    void sourcesParse()
    {
        QVERIFY2(fixture().errors.isEmpty(), qPrintable(fixture().errors.join(QLatin1Char('\n'))));
    }

    // Each school year fills exactly the kanji numbers of its school-year table entry.
    void yearRanges_data()
    {
        QTest::addColumn<int>("year");
        for (int y = 1; y <= KanjiYears; ++y)
            QTest::newRow(qPrintable(QStringLiteral("year %1").arg(y))) << y;
    }
    void yearRanges()
    {
        QFETCH(int, year);
        SetConstantTables();
        const KanjiSources& src = fixture().src;
        QCOMPARE(src.firstKanjiOfYear(year), int(Gakunen_Tbl[year].First));
        QCOMPARE(src.lastKanjiOfYear(year) - src.firstKanjiOfYear(year) + 1, int(Gakunen_Tbl[year].Count));
    }

    // Every kanji is two Shift-JIS bytes and has kanjidic's year, strokes and frequency, in order.
    void listAgreesWithKanjidic()
    {
        const auto failures = CheckKanjiList(fixture().src, fixture().dic);
        QVERIFY2(failures.isEmpty(), qPrintable(listed(failures)));
    }

    // Every school kanji that has no slot is named in the notes.
    void leftOutKanjiNamed()
    {
        QFile notes(SourceDir + QStringLiteral("/NOTES.md"));
        QVERIFY(notes.open(QIODevice::ReadOnly));
        const auto failures = CheckLeftOutNamed(fixture().src, fixture().dic, QString::fromUtf8(notes.readAll()));
        QVERIFY2(failures.isEmpty(), qPrintable(listed(failures)));
    }

    // Years 1-4 have two to five sentences per kanji, years 5-6 one or two.
    void sentenceCounts_data() { sentenceFileRows(); }
    void sentenceCounts()
    {
        QFETCH(int, year);
        QVERIFY2(fixture().src.yearFilePresent[year], qPrintable(SentenceFileName(year) + QStringLiteral(" is missing")));
        const auto failures = CheckSentenceCounts(fixture().src);
        QVERIFY2(countFor(failures, SentenceFileName(year)) == 0, qPrintable(listed(failures, SentenceFileName(year))));
    }

    // Readings are hiragana and kanjidic readings; other kanji belong to the year or earlier.
    void sentenceText_data() { sentenceFileRows(); }
    void sentenceText()
    {
        QFETCH(int, year);
        QVERIFY2(fixture().src.yearFilePresent[year], qPrintable(SentenceFileName(year) + QStringLiteral(" is missing")));
        const auto failures = CheckSentenceText(fixture().src, fixture().dic, fixture().exceptions);
        QVERIFY2(countFor(failures, SentenceFileName(year)) == 0, qPrintable(listed(failures, SentenceFileName(year))));
    }

    // MeCab reads each kanji's word with the expected reading.
    void mecabAgrees_data() { sentenceFileRows(); }
    void mecabAgrees()
    {
        QFETCH(int, year);
        QVERIFY2(fixture().src.yearFilePresent[year], qPrintable(SentenceFileName(year) + QStringLiteral(" is missing")));
        QVector<CheckFailure> failures;
        QString reason;
        QVERIFY2(CheckMecab(fixture().src, fixture().dic, fixture().exceptions, failures, reason), qPrintable(reason));
        QVERIFY2(countFor(failures, SentenceFileName(year)) == 0, qPrintable(listed(failures, SentenceFileName(year))));
    }

    // No word that holds a quiz kanji lets edict read the kanji another way, unless
    // reading_exceptions.txt says why that way cannot be meant in the sentence.
    void noOtherReading_data() { sentenceFileRows(); }
    void noOtherReading()
    {
        QFETCH(int, year);
        QVERIFY2(fixture().src.yearFilePresent[year], qPrintable(SentenceFileName(year) + QStringLiteral(" is missing")));
        QVector<CheckFailure> failures;
        QString reason;
        QVERIFY2(CheckOtherReadings(fixture().src, fixture().dic, fixture().edict, fixture().otherReadings, failures,
                                    reason),
                 qPrintable(reason));
        QVERIFY2(countFor(failures, SentenceFileName(year)) == 0, qPrintable(listed(failures, SentenceFileName(year))));
    }

    // The school readings table holds every kanji of years 1 to 4, with kanjidic readings only.
    void readingsTable()
    {
        const auto failures = fixture().tableProblems +
                              CheckReadingsTable(fixture().src, fixture().readings, fixture().dic);
        QVERIFY2(failures.isEmpty(), qPrintable(listed(failures)));
    }

    // Every reading a child of the kanji's year meets is asked by a sentence of the kanji, and
    // every sentence asks one of the table's readings.
    void everyReadingAsked_data()
    {
        QTest::addColumn<int>("year");
        for (int y = 1; y <= 4; ++y)
            QTest::newRow(qPrintable(SentenceFileName(y))) << y;
    }
    void everyReadingAsked()
    {
        QFETCH(int, year);
        YearReadings perYear[5];
        const auto failures = CheckReadingsAsked(fixture().src, fixture().readings, perYear);
        QVERIFY2(countFor(failures, SentenceFileName(year)) == 0, qPrintable(listed(failures, SentenceFileName(year))));
        QCOMPARE(perYear[year].asked >= perYear[year].ownYear, true);
    }

    // Every exceptions line (both files) is well-formed, gives a reason and is still needed.
    void exceptionsStillNeeded()
    {
        QVERIFY2(fixture().exceptionProblems.isEmpty(), qPrintable(listed(fixture().exceptionProblems)));
        QVector<CheckFailure> ignored;
        QString reason;
        CheckSentenceText(fixture().src, fixture().dic, fixture().exceptions);
        QVERIFY2(CheckMecab(fixture().src, fixture().dic, fixture().exceptions, ignored, reason), qPrintable(reason));
        QVERIFY2(CheckOtherReadings(fixture().src, fixture().dic, fixture().edict, fixture().otherReadings, ignored,
                                    reason),
                 qPrintable(reason));
        const auto unused = UnusedExceptions(fixture().exceptions) + UnusedOtherReadingExceptions(fixture().otherReadings);
        QVERIFY2(unused.isEmpty(), qPrintable(listed(unused)));
    }
};

QTEST_GUILESS_MAIN(TestKanjiDataContent)
#include "test_kanjidata_content.moc"
