// SPDX-License-Identifier: GPL-3.0-or-later
// Shift-JIS conversion, trimming, the one random generator and the movable clock.
#include "platform/Clock.h"
#include "platform/Cp932.h"
#include "platform/Random.h"

#include <QtTest>

class TestTextAndRandom : public QObject {
    Q_OBJECT
private slots:
    // CP932 is Windows-31J: the wave dash and the full-width tilde map as Windows writes them.
    void cp932_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("kanji") << QStringLiteral("山") << QByteArray("\x8e\x52");
        QTest::newRow("hiragana") << QStringLiteral("やま") << QByteArray("\x82\xe2\x82\xdc");
        QTest::newRow("half-width kana") << QStringLiteral("ｷｬｯﾁｬｰ")
                                         << QByteArray("\xb7\xac\xaf\xc1\xac\xb0");
        QTest::newRow("full-width tilde") << QStringLiteral("～") << QByteArray("\x81\x60");
        QTest::newRow("numbered circle") << QStringLiteral("①") << QByteArray("\x87\x40");
        QTest::newRow("ascii") << QStringLiteral("Ken 3") << QByteArray("Ken 3");
    }
    void cp932()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        bool ok = false;
        QCOMPARE(Cp932::fromUnicode(text, &ok), bytes);
        QVERIFY(ok);
        QCOMPARE(Cp932::toUnicode(bytes), text);
    }

    // Characters CP932 cannot hold are refused, never cut into bytes; broken bytes decode safely.
    void cp932Refusals()
    {
        bool ok = true;
        QCOMPARE(Cp932::fromUnicode(QStringLiteral("ゆう😀"), &ok), QByteArray());
        QVERIFY(!ok);
        QVERIFY(!Cp932::canEncode(QStringLiteral("한")));
        QVERIFY(Cp932::canEncode(QStringLiteral("ジグソーパズル")));
        const QString broken = Cp932::toUnicode(QByteArray("\x82", 1));
        QCOMPARE(broken, QString(QChar(0xFFFD)));
        QCOMPARE(Cp932::toUnicode(QByteArray("a\xa0\x82\xa0")).left(1), QStringLiteral("a"));
    }

    // Blanks and control bytes go at both ends only; a full-width blank stays.
    void trim()
    {
        QCOMPARE(TrimSjis(QByteArray("  ab \0\0", 7)), QByteArray("ab"));
        QCOMPARE(TrimSjis(QByteArray("\t\r\na b\x1f")), QByteArray("a b"));
        const QByteArray wide = Cp932::fromUnicode(QStringLiteral("　あ"));
        QCOMPARE(TrimSjis(wide), wide);
        QCOMPARE(TrimSjis(QByteArray(20, ' ')), QByteArray());
    }

    // Random(n) covers 0..n-1 evenly, repeats for a seed, and handles n <= 0.
    void randomRange()
    {
        RandomSeed(7);
        QVector<int> counts(6);
        for (int i = 0; i < 60000; ++i) {
            const int r = Random(6);
            QVERIFY(r >= 0 && r < 6);
            ++counts[r];
        }
        for (int c : counts)
            QVERIFY2(c > 9400 && c < 10600, qPrintable(QString::number(c)));
        QCOMPARE(Random(1), 0);
        QCOMPARE(Random(0), 0);
        QCOMPARE(Random(-3), 0);
        for (int i = 0; i < 1000; ++i) {
            const double x = RandomReal();
            QVERIFY(x >= 0.0 && x < 1.0);
        }
    }

    // The same seed gives the same draws: games' golden tests rely on it.
    void randomRepeats()
    {
        RandomSeed(99);
        QVector<int> a;
        for (int i = 0; i < 20; ++i)
            a << Random(1000);
        RandomSeed(99);
        for (int i = 0; i < 20; ++i)
            QCOMPARE(Random(1000), a[i]);
        RandomSeed(100);
        QVector<int> b;
        for (int i = 0; i < 20; ++i)
            b << Random(1000);
        QVERIFY(a != b);
    }

    // Seeding from the clock follows the clock: a frozen clock gives repeatable draws.
    void randomizeFromClock()
    {
        Clock::freeze(QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5)));
        Randomize();
        const int first = Random(1 << 30);
        Randomize();
        QCOMPARE(Random(1 << 30), first);
        Clock::unfreeze();
    }

    // A frozen clock moves only when told, for turn times and dates alike.
    void clock()
    {
        const QDateTime at(QDate(2026, 12, 31), QTime(23, 59, 58));
        Clock::freeze(at);
        const qint64 start = Clock::elapsedMs();
        QCOMPARE(Clock::now(), at);
        Clock::advanceMs(3000);
        QCOMPARE(Clock::elapsedMs() - start, 3000);
        QCOMPARE(Clock::today(), QDate(2027, 1, 1));
        Clock::unfreeze();
        QVERIFY(qAbs(Clock::now().secsTo(QDateTime::currentDateTime())) < 5);
    }
};

QTEST_MAIN(TestTextAndRandom)
#include "test_textandrandom.moc"
