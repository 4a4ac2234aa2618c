// SPDX-License-Identifier: GPL-3.0-or-later
// "Kakijun.dat": written and read back alike; a short, foreign or damaged file is refused whole;
// the built file holds every kanji of "Kanji.dat" and the kana; a program directory without a
// readable file reports it as every unreadable file is reported, and recovers once it is there.
#include "data/ErrorReports.h"
#include "data/KanjiFiles.h"
#include "data/StrokeData.h"
#include "data/Tables.h"
#include "platform/MessageBoxes.h"
#include "support/SampleData.h"
#include "support/TestEnv.h"
#include "writing/strokes/KakijunFile.h"
#include "writing/strokes/StrokeStore.h"

#include <QtTest>

namespace {

QList<CharStrokes> Sample() {
    CharStrokes two;
    two.ch = U'二';
    two.strokes = {{{30.5, 30}, {78.25, 29.5}}, {{12, 80}, {97.01, 81.99}, {98, 82}}};
    CharStrokes up;
    up.ch = U'上';
    up.strokes = {{{52, 16}, {54, 86}}, {{58, 45}, {80, 42}}, {{13, 88}, {96, 87}}};
    up.otherOrders = {{1, 0, 2}};
    CharStrokes offBox;
    offBox.ch = U'𠮟'; // beyond the 16-bit plane, points a little outside the box
    offBox.strokes = {{{-3.5, 110.25}}};
    return {up, two, offBox}; // by rising code point, as the file keeps them
}

QByteArray BuiltFile() {
    QFile f(TestEnv::builtProgramDir() + QLatin1Char('/') + KakijunFileName);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestKakijunFile : public QObject {
    Q_OBJECT
  private slots:
    void roundTrip() {
        QList<CharStrokes> read;
        QVERIFY(DecodeKakijun(EncodeKakijun(Sample()), &read));
        QCOMPARE(read.size(), 3);
        for (qsizetype i = 0; i < read.size(); ++i) {
            QCOMPARE(read[i].ch, Sample()[i].ch);
            QCOMPARE(read[i].otherOrders, Sample()[i].otherOrders);
            QCOMPARE(read[i].count(), Sample()[i].count());
            for (int s = 0; s < read[i].count(); ++s) {
                QCOMPARE(read[i].strokes[s].size(), Sample()[i].strokes[s].size());
                for (qsizetype k = 0; k < read[i].strokes[s].size(); ++k)
                    QVERIFY(QLineF(read[i].strokes[s][k], Sample()[i].strokes[s][k]).length() <
                            0.01);
            }
        }
    }

    void refused_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = EncodeKakijun(Sample());
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("header only") << good.left(12);
        QTest::newRow("cut short") << good.left(good.size() - 9);
        QTest::newRow("one byte more") << good + 'x';
        QByteArray foreign = good;
        foreign[1] = 'X';
        QTest::newRow("foreign") << foreign;
        for (qsizetype at : {qsizetype(12), qsizetype(21), good.size() / 2, good.size() - 5}) {
            QByteArray flipped = good;
            flipped[at] = char(flipped[at] ^ 0x20);
            QTest::addRow("byte %lld changed", static_cast<long long>(at)) << flipped;
        }
        // Damage the hash cannot see: a well-formed file of nonsense, hash made afresh.
        auto rehashed = [](QByteArray body) {
            quint32 h = 2166136261u;
            for (char c : body) {
                h ^= quint8(c);
                h *= 16777619u;
            }
            char b[4];
            qToLittleEndian(h, b);
            return body + QByteArray(b, 4);
        };
        QByteArray huge = good.left(good.size() - 4);
        qToLittleEndian<quint32>(0x7fffffff, huge.data() + 8);
        QTest::newRow("count past the file") << rehashed(huge);
        QByteArray badOrder = good.left(good.size() - 4);
        const qsizetype up = badOrder.indexOf(QByteArray("\x0a\x4e\x00\x00\x03\x01", 6));
        QVERIFY(up > 0);
        badOrder[up + 6] = 2; // 上's other order "2 1 3" becomes "3 1 3"
        QTest::newRow("order repeats a stroke") << rehashed(badOrder);
        QByteArray unsorted = good.left(good.size() - 4);
        qToLittleEndian<quint32>(0x4e8c, unsorted.data() + 12); // 上 becomes 二, twice
        QTest::newRow("characters out of order") << rehashed(unsorted);
    }
    void refused() {
        QFETCH(QByteArray, bytes);
        QList<CharStrokes> read = Sample();
        QVERIFY(!DecodeKakijun(bytes, &read));
        QVERIFY(read.isEmpty());
    }

    // Every kanji the quiz asks and every kana, with their stroke counts.
    void builtFileHoldsEveryCharacter() {
        StrokeStore store;
        QList<CharStrokes> read;
        QVERIFY(DecodeKakijun(BuiltFile(), &read));
        store.set(read);
        TestEnv env(true);
        QVERIFY(LoadKanjiTable());
        int kanji = 0;
        for (int k = 1; k <= MaxKanji; ++k) {
            const TKanjiRec& rec = Kanji_Tbl[size_t(k)];
            if (rec.Kanji.isEmpty())
                continue;
            ++kanji;
            const CharStrokes* c = store.find(rec.text());
            QVERIFY2(c, qPrintable(rec.text()));
            QCOMPARE(c->count(), rec.Kakusuu);
        }
        QCOMPARE(kanji, 1006);
        for (const char* kana : {"あ", "ん", "を", "ゃ", "ア", "ン", "ヲ", "ャ", "ー", "ヴ"})
            QVERIFY2(store.find(QString::fromUtf8(kana)), kana);
        QCOMPARE(store.find(QStringLiteral("あ"))->count(), 3);
        QVERIFY(!store.find(U'A'));
        QVERIFY(!store.find(QString()));
        QVERIFY(QFileInfo::exists(TestEnv::builtProgramDir() + QLatin1Char('/') +
                                  KakijunLicenceFileName));
    }

    void missingOrDamagedIsReported() {
        TestEnv env;
        ForgetSharedStrokeStore();
        MessageBoxes::setRecording(true);
        MessageBoxes::shown().clear();
        QWidget host;
        QVERIFY(!SharedStrokeStore(&host));
        QCOMPARE(MessageBoxes::shown(), QStringList{FileErrorText(KakijunFileName)});

        QByteArray damaged = BuiltFile();
        QVERIFY(damaged.size() > 1000);
        damaged[damaged.size() / 2] = char(damaged[damaged.size() / 2] ^ 1);
        env.writeFile(KakijunFileName, damaged);
        QVERIFY(!SharedStrokeStore(&host));
        QCOMPARE(MessageBoxes::shown().size(), 2);

        env.writeFile(KakijunFileName, BuiltFile());
        const StrokeStore* store = SharedStrokeStore(&host);
        QVERIFY(store && store->find(QStringLiteral("上")));
        QCOMPARE(SharedStrokeStore(&host), store);
        QCOMPARE(MessageBoxes::shown().size(), 2);
        ForgetSharedStrokeStore();
    }
};

QTEST_MAIN(TestKakijunFile)
#include "test_kakijun_file.moc"
