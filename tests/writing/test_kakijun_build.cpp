// SPDX-License-Identifier: GPL-3.0-or-later
// The build step that makes "Kakijun.dat": KanjiVG's path data read into points, strokes read in
// their numbered order, the check of every kanji's stroke count against Kakusuu (a difference
// fails unless listed with its reason for that very count), the file of other accepted orders.
#include "tools/kanjidata/KanjiSource.h"
#include "tools/writing/KanjiVgFiles.h"
#include "tools/writing/OtherOrders.h"
#include "tools/writing/StrokeCountCheck.h"
#include "tools/writing/SvgPath.h"
#include "writing/strokes/StrokeSampling.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

using Points = QList<QPointF>;

QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& text) {
    const QString path = dir.filePath(name);
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(text);
    return path;
}

} // namespace

class TestKakijunBuild : public QObject {
    Q_OBJECT
  private slots:
    // Corner points a path must pass through, and where it ends.
    void svgPath_data() {
        QTest::addColumn<QString>("d");
        QTest::addColumn<Points>("through");
        QTest::addColumn<double>("length");

        QTest::newRow("absolute lines") << "M10,10 L50,10 L50,40" << Points{{10, 10}, {50, 10}, {50, 40}}
                                        << 70.0;
        QTest::newRow("relative lines, implicit repeat")
            << "m10,10l40,0 0,30" << Points{{10, 10}, {50, 10}, {50, 40}} << 70.0;
        QTest::newRow("pairs after a move are lines")
            << "M10 10 50 10" << Points{{10, 10}, {50, 10}} << 40.0;
        QTest::newRow("horizontal and vertical")
            << "M10,10H50V40h-20v-10" << Points{{10, 10}, {50, 10}, {50, 40}, {30, 40}, {30, 30}}
            << 100.0;
        QTest::newRow("straight curve, no separators")
            << "M0,0C10,0,20,0,30,0c10,0,20,0,30-0" << Points{{0, 0}, {30, 0}, {60, 0}} << 60.0;
        QTest::newRow("smooth curve mirrors the control point")
            << "M0,0C0,10,10,20,20,20S40,30,40,40"
            << Points{{0, 0}, {20, 20}, {40, 40}} << -1.0;
        QTest::newRow("relative smooth curve") << "M0,0c0,10,10,20,20,20s20,10,20,20"
                                               << Points{{0, 0}, {20, 20}, {40, 40}} << -1.0;
        QTest::newRow("exponent and leading point")
            << "M1e1,.5e1L.5e2,5" << Points{{10, 5}, {50, 5}} << 40.0;
        QTest::newRow("closed") << "M0,0L10,0L10,10Z" << Points{{0, 0}, {10, 0}, {10, 10}, {0, 0}}
                                << 34.142;
    }
    void svgPath() {
        QFETCH(QString, d);
        QFETCH(Points, through);
        QFETCH(double, length);
        QString error;
        const StrokePath points = SvgPathPoints(d, 1.0, &error);
        QVERIFY2(!points.isEmpty(), qPrintable(error));
        QCOMPARE(points.first(), through.first());
        QCOMPARE(points.last(), through.last());
        for (const QPointF& corner : through) {
            double nearest = 1e9;
            for (const QPointF& p : points)
                nearest = std::min(nearest, QLineF(p, corner).length());
            QVERIFY2(nearest < 0.6, qPrintable(QStringLiteral("%1,%2").arg(corner.x()).arg(corner.y())));
        }
        for (qsizetype i = 1; i < points.size(); ++i)
            QVERIFY(QLineF(points[i - 1], points[i]).length() <= 1.01);
        if (length > 0)
            QVERIFY(std::abs(PathLength(points) - length) < 0.05 * length);
    }

    void svgPathRefused_data() {
        QTest::addColumn<QString>("d");
        QTest::newRow("empty") << "";
        QTest::newRow("no command") << "10,10 20,20";
        QTest::newRow("line before a move") << "L10,10";
        QTest::newRow("curve short of numbers") << "M0,0C1,2,3,4,5";
        QTest::newRow("unknown command") << "M0,0A5,5,0,0,1,10,10";
        QTest::newRow("two moves") << "M0,0L1,1M5,5L6,6";
        QTest::newRow("not a number") << "M0,0L1,x";
    }
    void svgPathRefused() {
        QFETCH(QString, d);
        QString error;
        QVERIFY(SvgPathPoints(d, 1.0, &error).isEmpty());
        QVERIFY(!error.isEmpty());
    }

    void kanjiVgFiles() {
        CharStrokes up;
        QString error;
        QVERIFY2(ReadKanjiVgStrokes(QStringLiteral(KANJIVG_PACKAGE), U'上', &up, &error),
                 qPrintable(error));
        QCOMPARE(up.count(), 3);
        // The vertical is drawn downwards from its start in the package's .json.
        QCOMPARE(up.strokes[0].first(), QPointF(52.31, 15.88));
        QVERIFY(up.strokes[0].last().y() > 80);

        QTemporaryDir dir;
        QDir().mkpath(dir.filePath(QStringLiteral("dist/main")));
        const QByteArray head = "<svg><path id=\"kvg:04e00-s";
        WriteFile(dir, QStringLiteral("dist/main/04e00.svg"), head + "2\" d=\"M1,1L9,9\"/></svg>");
        QVERIFY(!ReadKanjiVgStrokes(dir.path(), U'一', &up, &error));
        QVERIFY(error.contains(QStringLiteral("out of sequence")));
        WriteFile(dir, QStringLiteral("dist/main/04e00.svg"), head + "1\" d=\"M1,1Q9,9\"/></svg>");
        QVERIFY(!ReadKanjiVgStrokes(dir.path(), U'一', &up, &error));
        QVERIFY(!ReadKanjiVgStrokes(dir.path(), U'二', &up, &error));
        QVERIFY(error.contains(QStringLiteral("04e8c.svg")));
    }

    void countDifferences_data() {
        QTest::addColumn<int>("kakusuu");
        QTest::addColumn<int>("kanjiVg");
        QTest::addColumn<QString>("listed"); // the stroke_counts.txt line, if any
        QTest::addColumn<bool>("unresolved");
        QTest::addColumn<bool>("stale");
        QTest::newRow("same") << 4 << 4 << QString() << false << false;
        QTest::newRow("differs") << 4 << 5 << QString() << true << false;
        QTest::newRow("differs, listed") << 4 << 5 << "字 5 the school counts it as four" << false
                                         << false;
        QTest::newRow("listed for another count")
            << 4 << 6 << "字 5 the school counts it as four" << true << true;
        QTest::newRow("listed, now the same") << 4 << 4 << "字 5 was five" << false << true;
        QTest::newRow("missing from KanjiVG") << 4 << 0 << "字 0 none" << true << false;
    }
    void countDifferences() {
        QFETCH(int, kakusuu);
        QFETCH(int, kanjiVg);
        QFETCH(QString, listed);
        QFETCH(bool, unresolved);
        QFETCH(bool, stale);
        QTemporaryDir dir;
        QStringList errors;
        const QHash<QString, ListedCount> reasons = ReadListedCounts(
            WriteFile(dir, QStringLiteral("stroke_counts.txt"), "# reasons\n" + listed.toUtf8() + "\n"),
            &errors);
        QCOMPARE(errors, QStringList());
        const QList<KanjiCount> counts{{QStringLiteral("一"), 1}, {QStringLiteral("字"), kakusuu}};
        QHash<QString, int> kvg{{QStringLiteral("一"), 1}};
        if (kanjiVg > 0)
            kvg.insert(QStringLiteral("字"), kanjiVg);
        const QStringList found = UnresolvedCountDifferences(counts, kvg, reasons);
        QCOMPARE(found.size(), unresolved ? 1 : 0);
        if (unresolved)
            QVERIFY(found.first().startsWith(QStringLiteral("字: Kakusuu %1, KanjiVG %2")
                                                 .arg(kakusuu).arg(kanjiVg)));
        QCOMPARE(StaleListedCounts(counts, kvg, reasons).size(), stale ? 1 : 0);
    }

    // Every kanji of kanji.txt against the pinned KanjiVG: a new difference fails here.
    void everyKanjiCountAgrees() {
        QStringList errors, warnings;
        const KanjiSources sources =
            ReadKanjiSources(QStringLiteral(MOJI_SOURCE_DIR "/data/kanji"), errors, warnings);
        QCOMPARE(sources.kanji.size(), 1006);
        QList<KanjiCount> counts;
        QHash<QString, int> kvg;
        for (const KanjiEntry& k : sources.kanji) {
            counts << KanjiCount{k.kanji, k.strokes};
            CharStrokes c;
            QString error;
            if (ReadKanjiVgStrokes(QStringLiteral(KANJIVG_PACKAGE), k.kanji.toUcs4().value(0), &c,
                                   &error))
                kvg.insert(k.kanji, c.count());
        }
        QStringList listErrors;
        const QHash<QString, ListedCount> listed = ReadListedCounts(
            QStringLiteral(MOJI_SOURCE_DIR "/data/kakijun/stroke_counts.txt"), &listErrors);
        QCOMPARE(listErrors, QStringList());
        QCOMPARE(UnresolvedCountDifferences(counts, kvg, listed), QStringList());
        QCOMPARE(StaleListedCounts(counts, kvg, listed), QStringList());
    }

    void otherOrders() {
        QTemporaryDir dir;
        QStringList errors;
        const OtherOrderTable table = ReadOtherOrders(
            WriteFile(dir, QStringLiteral("orders.txt"),
                      "# comment\n上 2 1 3\n\n点 1 2 3 3\n店 1\n馬 x 1\n田 2 1 3 4 5 # fine\n"),
            &errors);
        QCOMPARE(errors.size(), 3);
        QVERIFY(errors.first().startsWith(QStringLiteral("orders.txt:4:")));
        QCOMPARE(table.value(U'上'), (QList<QList<int>>{{1, 0, 2}}));
        QCOMPARE(table.value(U'田'), (QList<QList<int>>{{1, 0, 2, 3, 4}}));
        QCOMPARE(table.size(), 2);
        QVERIFY(!IsStrokeOrder({0, 1}, 3));
        QVERIFY(!IsStrokeOrder({0, 0, 1}, 3));

        errors.clear();
        const OtherOrderTable ours =
            ReadOtherOrders(QStringLiteral(MOJI_SOURCE_DIR "/data/kakijun/orders.txt"), &errors);
        QCOMPARE(errors, QStringList());
        QVERIFY(ours.contains(U'上'));
    }
};

QTEST_MAIN(TestKakijunBuild)
#include "test_kakijun_build.moc"
