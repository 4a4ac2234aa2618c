// SPDX-License-Identifier: GPL-3.0-or-later
// The stroke checker's verdicts on whole characters: strokes entered by hand and strokes made
// from the model as a child writes them, right, backwards, out of order, misplaced, misshapen,
// one too many; strokes of other characters; both school orders where the guide gives two;
// strokes given after misses.
#include "support/ChildHand.h"
#include "support/HandStrokes.h"
#include "support/TestEnv.h"
#include "writing/strokes/KakijunFile.h"
#include "writing/strokes/StrokeChecker.h"
#include "writing/strokes/StrokeSampling.h"
#include "writing/strokes/StrokeStore.h"

#include <QtTest>

#include <cmath>
#include <numbers>

namespace {

using Strokes = QList<StrokePath>;

const StrokeStore& Store() {
    static StrokeStore store;
    if (store.isEmpty())
        store.load(TestEnv::builtProgramDir() + QLatin1Char('/') + KakijunFileName);
    return store;
}

const CharStrokes& Model(const QString& ch) {
    static const CharStrokes none;
    const CharStrokes* c = Store().find(ch);
    return c ? *c : none;
}

Strokes FromInk(const Ink& ink) {
    Strokes out;
    for (const Stroke& s : ink) {
        StrokePath p;
        for (const QPointF& q : s)
            p << q * (StrokeBoxSize / InkBox);
        out << p;
    }
    return out;
}

// The model's strokes in the given order (numbers from 1), written by a seeded child's hand.
Strokes Written(const QString& ch, const QList<int>& order, quint32 seed = 7) {
    std::mt19937 random(seed);
    const ChildHand hand = RandomChildHand(random);
    Strokes out;
    for (int n : order)
        out << ChildStroke(Model(ch).strokes.value(n - 1), hand, random);
    return out;
}

Strokes Moved(Strokes strokes, int index, QPointF by) {
    for (QPointF& p : strokes[index])
        p += by;
    return strokes;
}

StrokePath Circle(QPointF centre, double radius) {
    StrokePath out;
    for (int i = 0; i <= 40; ++i) {
        const double a = 2 * std::numbers::pi * i / 40;
        out << centre + QPointF(std::cos(a), std::sin(a)) * radius;
    }
    return out;
}

QString Verdicts(StrokeChecker& checker, const Strokes& strokes) {
    QStringList out;
    for (const StrokePath& s : strokes)
        out << VerdictName(checker.judge(s).verdict);
    return out.join(QLatin1Char(' '));
}

QString Numbers(const QList<int>& strokes) {
    QStringList out;
    for (int s : strokes)
        out << QString::number(s + 1);
    return out.join(QLatin1Char(' '));
}

} // namespace

class TestStrokeChecker : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { QVERIFY2(!Store().isEmpty(), "the built Kakijun.dat cannot be read"); }

    void verdicts_data() {
        QTest::addColumn<QString>("ch");
        QTest::addColumn<Strokes>("strokes");
        QTest::addColumn<QString>("verdicts");
        QTest::addColumn<QString>("missing");

        for (const char* c : {"十", "山", "口", "川", "木", "日", "い", "く", "し", "こ", "つ", "り",
                              "カ", "ト"}) {
            const QString ch = QString::fromUtf8(c);
            const Ink ink = HandStrokes(ch);
            QStringList oks;
            for (qsizetype i = 0; i < ink.size(); ++i)
                oks << QStringLiteral("ok");
            QTest::addRow("%s by hand", c) << ch << FromInk(ink) << oks.join(QLatin1Char(' '))
                                           << QString();
        }
        QTest::newRow("日 small in a corner")
            << QStringLiteral("日")
            << FromInk(ShrunkInk(HandStrokes(QStringLiteral("日")), 0.55, QPointF(440, 430)))
            << "ok ok ok ok" << QString();
        QTest::newRow("十 backwards") << QStringLiteral("十")
                                      << FromInk(ReversedInk(HandStrokes(QStringLiteral("十"))))
                                      << "direction order" << "1 2";
        QTest::newRow("川 last stroke first")
            << QStringLiteral("川") << FromInk(ReorderedInk(HandStrokes(QStringLiteral("川"))))
            << "order ok ok" << "3";
        QTest::newRow("上 as KanjiVG orders it")
            << QStringLiteral("上") << Written(QStringLiteral("上"), {1, 2, 3}) << "ok ok ok"
            << QString();
        QTest::newRow("上 short horizontal first")
            << QStringLiteral("上") << Written(QStringLiteral("上"), {2, 1, 3}) << "ok ok ok"
            << QString();
        QTest::newRow("上 bottom before the short horizontal")
            << QStringLiteral("上") << Written(QStringLiteral("上"), {1, 3, 2}) << "ok order ok"
            << "3";
        QTest::newRow("二 bottom first") << QStringLiteral("二")
                                         << Written(QStringLiteral("二"), {2, 1}) << "order ok"
                                         << "2";
        QTest::newRow("二 bottom drawn over the top")
            << QStringLiteral("二")
            << Moved(Written(QStringLiteral("二"), {1, 2}), 1, QPointF(0, -30)) << "ok place"
            << "2";
        QTest::newRow("一 as a circle") << QStringLiteral("一")
                                         << Strokes{Circle(QPointF(55, 55), 25)} << "shape"
                                         << "1";
        QTest::newRow("一 with the vertical of 十")
            << QStringLiteral("一") << Strokes{FromInk(HandStrokes(QStringLiteral("十")))[1]}
            << "shape" << "1";
        QTest::newRow("一 and one more") << QStringLiteral("一")
                                          << Written(QStringLiteral("十"), {1, 2}) << "ok extra"
                                          << QString();
        QTest::newRow("あ by a child") << QStringLiteral("あ")
                                        << Written(QStringLiteral("あ"), {1, 2, 3}) << "ok ok ok"
                                        << QString();
        QTest::newRow("あ last stroke backwards")
            << QStringLiteral("あ")
            << Strokes(Written(QStringLiteral("あ"), {1, 2})
                       << Reversed(Written(QStringLiteral("あ"), {1, 2, 3}).last()))
            << "ok ok direction" << "3";
        QTest::newRow("ア by a child") << QStringLiteral("ア")
                                        << Written(QStringLiteral("ア"), {1, 2}, 11) << "ok ok"
                                        << QString();
    }
    void verdicts() {
        QFETCH(QString, ch);
        QFETCH(Strokes, strokes);
        QFETCH(QString, verdicts);
        QFETCH(QString, missing);
        QVERIFY(Store().find(ch));
        StrokeChecker checker(*Store().find(ch));
        QCOMPARE(Verdicts(checker, strokes), verdicts);
        QCOMPARE(Numbers(checker.missing()), missing);
    }

    // A stroke of another character, written at some turn by the same hand as the strokes
    // before it, is never taken for the stroke due; the right stroke after it still is.
    void foreignStroke_data() {
        QTest::addColumn<QString>("ch");
        QTest::addColumn<int>("turn"); // from 1
        QTest::addColumn<QString>("other");
        QTest::addColumn<int>("stroke"); // from 1
        QTest::addColumn<quint32>("seed");
        // A corner stroke written without its leg, or a line where a bend is due.
        QTest::addRow("%s %d at %s %d", "一", 1, "中", 2)
            << QStringLiteral("中") << 2 << QStringLiteral("一") << 1 << 7u;
        // A stroke with a part too many, or running another way along the line.
        QTest::addRow("%s %d at %s %d", "ェ", 1, "店", 5)
            << QStringLiteral("店") << 5 << QStringLiteral("ェ") << 1 << 7u;
        QTest::addRow("%s %d at %s %d", "坂", 2, "比", 2)
            << QStringLiteral("比") << 2 << QStringLiteral("坂") << 2 << 7u;
        QTest::addRow("%s %d at %s %d", "保", 2, "愛", 7)
            << QStringLiteral("愛") << 7 << QStringLiteral("保") << 2 << 7u;
        QTest::addRow("%s %d at %s %d", "生", 3, "税", 8)
            << QStringLiteral("税") << 8 << QStringLiteral("生") << 3 << 7u;
        QTest::addRow("%s %d at %s %d", "外", 2, "旅", 3)
            << QStringLiteral("旅") << 3 << QStringLiteral("外") << 2 << 7u;
        // A first stroke that fits only a character far smaller than a child writes.
        QTest::addRow("%s %d at %s %d", "境", 11, "本", 1)
            << QStringLiteral("本") << 1 << QStringLiteral("境") << 11 << 7u;
        QTest::addRow("%s %d at %s %d", "式", 2, "大", 1)
            << QStringLiteral("大") << 1 << QStringLiteral("式") << 2 << 7u;
        // A first stroke of the same kind as the due one, where the character it begins could
        // not be written in the square: below it, or leaning far over.
        QTest::addRow("%s %d at %s %d", "追", 6, "あ", 1)
            << QStringLiteral("あ") << 1 << QStringLiteral("追") << 6 << 1u;
        QTest::addRow("%s %d at %s %d", "忘", 3, "局", 1)
            << QStringLiteral("局") << 1 << QStringLiteral("忘") << 3 << 1u;
        QTest::addRow("%s %d at %s %d", "ク", 1, "胃", 1)
            << QStringLiteral("胃") << 1 << QStringLiteral("ク") << 1 << 1u;
        // A later stroke that fits only loosely, and only once the frame bends to it.
        QTest::addRow("%s %d at %s %d", "様", 9, "け", 2)
            << QStringLiteral("け") << 2 << QStringLiteral("様") << 9 << 3u;
        QTest::addRow("%s %d at %s %d", "心", 1, "百", 3)
            << QStringLiteral("百") << 3 << QStringLiteral("心") << 1 << 10u;
    }
    void foreignStroke() {
        QFETCH(QString, ch);
        QFETCH(int, turn);
        QFETCH(QString, other);
        QFETCH(int, stroke);
        QFETCH(quint32, seed);
        StrokeChecker checker(Model(ch));
        QList<int> all;
        for (int i = 1; i <= Model(ch).count(); ++i)
            all << i;
        const Strokes right = Written(ch, all, seed);
        for (int i = 0; i + 1 < turn; ++i)
            QCOMPARE(checker.judge(right[i]).verdict, StrokeVerdict::Ok);
        const StrokeJudgement j = checker.judge(Written(other, {stroke}, seed).first());
        QVERIFY2(j.verdict != StrokeVerdict::Ok, qPrintable(VerdictName(j.verdict)));
        QCOMPARE(checker.judge(right[turn - 1]).verdict, StrokeVerdict::Ok);
    }

    // A stroke given after misses counts as done; the child goes on with the next one.
    void givenStroke() {
        StrokeChecker checker(Model(QStringLiteral("二")));
        const Strokes written = Written(QStringLiteral("二"), {1, 2});
        QCOMPARE(checker.judge(written[1]).verdict, StrokeVerdict::Order);
        QCOMPARE(checker.judge(Circle(QPointF(50, 50), 20)).verdict, StrokeVerdict::Shape);
        QCOMPARE(checker.misses(), 2);
        QCOMPARE(checker.give(), 0);
        QVERIFY(checker.isGiven(0));
        QCOMPARE(checker.misses(), 0);
        QCOMPARE(checker.expected(), 1);
        const StrokeJudgement j = checker.judge(written[1]);
        QCOMPARE(j.verdict, StrokeVerdict::Ok);
        QCOMPARE(j.expected, 1);
        QCOMPARE(j.matched, 1);
        QVERIFY(checker.finished());
        QVERIFY(!checker.isGiven(1));
        QCOMPARE(checker.done(), (QList<int>{0, 1}));
        QCOMPARE(checker.give(), -1);
        QCOMPARE(checker.judge(written[1]).verdict, StrokeVerdict::Extra);
    }

    // After the child's first strokes, a model stroke is laid where they are writing.
    void placedInTheChildsFrame() {
        const CharStrokes& model = Model(QStringLiteral("日"));
        ChildHand hand;
        hand.scale = 0.6;
        hand.offset = QPointF(-18, 15);
        StrokeChecker checker(model);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(checker.judge(NeatStroke(model.strokes[i], hand)).verdict, StrokeVerdict::Ok);
        const StrokePath placed = checker.placed(3);
        const StrokePath neat = NeatStroke(model.strokes[3], hand);
        QCOMPARE(placed.size(), neat.size());
        for (qsizetype i = 0; i < placed.size(); ++i)
            QVERIFY2(QLineF(placed[i], neat[i]).length() < 2.5, qPrintable(QString::number(i)));
    }

    // Where the school guide accepts two orders, a child writing either is right all through;
    // a third order is not.
    void schoolOrders_data() {
        QTest::addColumn<QString>("ch");
        QTest::addColumn<QList<int>>("order"); // KanjiVG's stroke numbers
        QTest::addColumn<bool>("accepted");
        auto both = [](const char* ch, const QList<int>& second, const QList<int>& third) {
            QList<int> first;
            for (int i = 1; i <= second.size(); ++i)
                first << i;
            const QString c = QString::fromUtf8(ch);
            QTest::addRow("%s in KanjiVG's order", ch) << c << first << true;
            QTest::addRow("%s in its second order", ch) << c << second << true;
            QTest::addRow("%s in a third order", ch) << c << third << false;
        };
        both("上", {2, 1, 3}, {1, 3, 2});
        both("点", {2, 1, 3, 4, 5, 6, 7, 8, 9}, {1, 2, 4, 3, 5, 6, 7, 8, 9});
        both("店", {1, 2, 3, 5, 4, 6, 7, 8}, {2, 1, 3, 4, 5, 6, 7, 8});
        both("感", {2, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13},
             {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 10, 12, 13});
    }
    void schoolOrders() {
        QFETCH(QString, ch);
        QFETCH(QList<int>, order);
        QFETCH(bool, accepted);
        StrokeChecker checker(Model(ch));
        QString oks;
        for (qsizetype i = 0; i < order.size(); ++i)
            oks += i ? QStringLiteral(" ok") : QStringLiteral("ok");
        const QString verdicts = Verdicts(checker, Written(ch, order));
        if (accepted)
            QCOMPARE(verdicts, oks);
        else
            QVERIFY2(verdicts != oks, qPrintable(verdicts));
    }

    // Both orders of 上 stay open until a stroke decides; after the short horizontal the
    // vertical is due.
    void secondOrderDecides() {
        const CharStrokes& model = Model(QStringLiteral("上"));
        QCOMPARE(model.otherOrders, (QList<QList<int>>{{1, 0, 2}}));
        StrokeChecker checker(model);
        QCOMPARE(checker.expected(), 0);
        QCOMPARE(checker.judge(Written(QStringLiteral("上"), {2}).first()).matched, 1);
        QCOMPARE(checker.expected(), 0);
        checker.reset();
        QCOMPARE(checker.done(), QList<int>{});
        QCOMPARE(checker.missing(), (QList<int>{0, 1, 2}));
    }
};

QTEST_MAIN(TestStrokeChecker)
#include "test_stroke_checker.moc"
