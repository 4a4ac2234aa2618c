// SPDX-License-Identifier: GPL-3.0-or-later
// Loading "Kanji.dat" and "Mondai2.dat", reading sentences from "Mondai1.dat", and refusing
// damaged files whole.
#include "data/BinaryRecords.h"
#include "data/KanjiFiles.h"
#include "platform/Cp932.h"
#include "platform/Random.h"
#include "support/TestEnv.h"

#include <QtTest>

namespace {
QByteArray kanjiRec(int n, const QString& kanji, int strokes, std::array<int, 4> extra = {})
{
    QByteArray r(KanjiRecSize, '\0');
    Le::put16(r.data(), static_cast<std::int16_t>(n));
    const QByteArray code = Cp932::fromUnicode(kanji);
    r[2] = code[0];
    r[3] = code[1];
    Le::put16(r.data() + 4, static_cast<std::int16_t>(strokes));
    for (int i = 0; i < 4; ++i)
        Le::put16(r.data() + 6 + 2 * i, static_cast<std::int16_t>(extra[i]));
    return r;
}

QByteArray idxRec(int start, int count)
{
    QByteArray r(MondaiIdxRecSize, '\0');
    Le::put16(r.data() + 2, static_cast<std::int16_t>(start));
    Le::put16(r.data() + 4, static_cast<std::int16_t>(count));
    return r;
}

QByteArray sentence(int pos, const QString& a, const QString& b, const QString& c, char pad)
{
    TMondaiRec m;
    m.Pos = static_cast<std::int16_t>(pos);
    const QString parts[] = {a, b, c};
    for (int j = 1; j <= 3; ++j) {
        QByteArray bytes = Cp932::fromUnicode(parts[j - 1]);
        m.Part[j] = bytes + QByteArray(20 - bytes.size(), pad);
    }
    return EncodeMondaiRec(m);
}
}  // namespace

class TestKanjiFiles : public QObject {
    Q_OBJECT
private slots:
    // Records fill the slots they name, in any order; a slot named twice keeps the later record;
    // unnamed slots stay empty.
    void kanjiTableSlots()
    {
        TestEnv env;
        env.writeFile(KanjiFileName, kanjiRec(3, QStringLiteral("山"), 3, {1, 131, 0, 0}) +
                                         kanjiRec(1, QStringLiteral("一"), 1) +
                                         kanjiRec(3, QStringLiteral("川"), 3));
        QVERIFY(LoadKanjiTable());
        QCOMPARE(Kanji_Tbl[1].text(), QStringLiteral("一"));
        QCOMPARE(Kanji_Tbl[3].text(), QStringLiteral("川"));
        QCOMPARE(Kanji_Tbl[3].Extra[0], 0);
        QCOMPARE(Kanji_Tbl[2].Kanji, QByteArray());
        QCOMPARE(Kanji_Tbl[2].Kakusuu, 0);
    }

    // Damaged files are refused whole and leave the tables as they were.
    void damagedFiles_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = kanjiRec(1, QStringLiteral("一"), 1);
        QTest::newRow("number 0") << KanjiFileName << good + kanjiRec(0, QStringLiteral("二"), 2);
        QTest::newRow("number 1025")
            << KanjiFileName << good + kanjiRec(1025, QStringLiteral("二"), 2);
        QTest::newRow("negative number")
            << KanjiFileName << good + kanjiRec(-5, QStringLiteral("二"), 2);
        QTest::newRow("kanji partial record") << KanjiFileName << good + QByteArray(5, '\1');
        QTest::newRow("index partial record") << MondaiIdxFileName << idxRec(1, 2) + "xy";
        QTest::newRow("index count 0") << MondaiIdxFileName << idxRec(1, 2) + idxRec(3, 0);
        QTest::newRow("index count 6") << MondaiIdxFileName << idxRec(1, 6);
        QTest::newRow("index start 0") << MondaiIdxFileName << idxRec(0, 1);
        QByteArray many;
        for (int i = 0; i < 1025; ++i)
            many += idxRec(1, 1);
        QTest::newRow("index 1025 records") << MondaiIdxFileName << many;
    }
    void damagedFiles()
    {
        TestEnv env;
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        env.writeFile(KanjiFileName, kanjiRec(7, QStringLiteral("七"), 2));
        env.writeFile(MondaiIdxFileName, idxRec(4, 2));
        QVERIFY(LoadKanjiTable());
        QVERIFY(LoadMondaiIndex());
        env.writeFile(file, bytes);
        if (file == KanjiFileName)
            QVERIFY(!LoadKanjiTable());
        else
            QVERIFY(!LoadMondaiIndex());
        QCOMPARE(Kanji_Tbl[7].text(), QStringLiteral("七"));
        QCOMPARE(Kanji_Tbl[1].Kanji, QByteArray());
        QCOMPARE(Mondai_Idx[1].Start, 4);
        QCOMPARE(Mondai_Idx[1].Count, 2);
    }

    // Missing data files are load failures.
    void missingFiles()
    {
        TestEnv env;
        QVERIFY(!LoadKanjiTable());
        QVERIFY(!LoadMondaiIndex());
    }

    // A short index leaves the remaining entries at zero.
    void shortIndex()
    {
        TestEnv env;
        env.writeFile(MondaiIdxFileName, idxRec(1, 2) + idxRec(3, 1));
        QVERIFY(LoadMondaiIndex());
        QCOMPARE(Mondai_Idx[2].Start, 3);
        QCOMPARE(Mondai_Idx[3].Count, 0);
        QCOMPARE(Mondai_Idx[1024].Start, 0);
    }

    // Sentences are drawn from the kanji's own range; one sentence is always the one at Start;
    // zero- and blank-padded parts read the same.
    void readMondai()
    {
        TestEnv env;
        env.writeFile(MondaiFileName,
                      sentence(2, QStringLiteral("たかい"), QStringLiteral("やま"),
                               QStringLiteral("です。"), ' ') +
                          sentence(2, QStringLiteral("たかい"), QStringLiteral("やま"),
                                   QStringLiteral("です。"), '\0') +
                          sentence(1, QStringLiteral("かわ"), QStringLiteral("で"),
                                   QStringLiteral("あそぶ。"), '\0'));
        env.writeFile(MondaiIdxFileName, idxRec(1, 2) + idxRec(3, 1));
        QVERIFY(LoadMondaiIndex());

        QSet<QString> seen;
        for (int i = 0; i < 40; ++i) {
            TMondaiRec rec;
            QVERIFY(Read_Mondai(1, rec));
            QCOMPARE(rec.Pos, 2);
            QCOMPARE(rec.partString(2), QStringLiteral("やま"));
            QCOMPARE(rec.partText(3), Cp932::fromUnicode(QStringLiteral("です。")));
            seen << QString::fromLatin1(rec.Part[3].toHex());
        }
        QCOMPARE(seen.size(), 2);  // both records were drawn

        for (int i = 0; i < 5; ++i) {
            TMondaiRec rec;
            QVERIFY(Read_Mondai(2, rec));
            QCOMPARE(rec.partString(1), QStringLiteral("かわ"));
        }

        QVector<TMondaiRec> all;
        QVERIFY(ReadAllMondai(1, all));
        QCOMPARE(all.size(), 2);
    }

    // An index range past the end of the sentence file is a read failure, never a read beyond it.
    void indexPastEnd()
    {
        TestEnv env;
        env.writeFile(MondaiFileName, sentence(1, QStringLiteral("あ"), {}, {}, ' '));
        env.writeFile(MondaiIdxFileName, idxRec(1, 2) + idxRec(5, 1));
        QVERIFY(LoadMondaiIndex());
        TMondaiRec rec;
        QVector<TMondaiRec> all;
        QVERIFY(!ReadAllMondai(1, all));
        QVERIFY(!Read_Mondai(2, rec));
        QVERIFY(!Read_Mondai(3, rec));  // no index entry
        env.removeFile(MondaiFileName);
        QVERIFY(!Read_Mondai(1, rec));
    }
};

QTEST_MAIN(TestKanjiFiles)
#include "test_kanjifiles.moc"
