// SPDX-License-Identifier: GPL-3.0-or-later
// The recogniser behind the writing pad: the ink line form of the classify tool, the template
// file, the small kana offered beside large ones, and recognition of characters written in
// school order, backwards, in another order, small and off-centre.
#include "data/HandwritingPads.h"
#include "data/KanjiFiles.h"
#include "data/ProgramDir.h"
#include "writing/handwriting/DirectionFeatures.h"
#include "writing/handwriting/KanaSets.h"
#include "writing/handwriting/Recognizer.h"
#include "writing/handwriting/TemplateFile.h"
#include "support/HandStrokes.h"
#include "support/TestEnv.h"

#include <QTemporaryDir>
#include <QtTest>

class TestHandwriting : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void parsesInkLines_data();
    void parsesInkLines();
    void formatsWhatItParses();
    void templateFileRoundTrip();
    void refusesDamagedTemplateFiles_data();
    void refusesDamagedTemplateFiles();
    void featuresIgnoreOrderAndDirection();
    void smallKanaComeBesideLargeOnes();
    void recognisesInEveryOrder_data();
    void recognisesInEveryOrder();
    void recognisesSmallOffCentreWriting();
    void offersOnlyCandidates();
    void worksWithoutZinnia();

  private:
    const HandwritingRecognizer* r_ = nullptr;
    QStringList kanji_;
};

void TestHandwriting::initTestCase() {
    SetProgramDir(TestEnv::builtProgramDir());
    QVERIFY(LoadKanjiTable());
    kanji_ = PadKanji();
    QCOMPARE(kanji_.size(), 1006);
    r_ = SharedRecognizer();
    QVERIFY2(r_, "Tegaki.dat must be built into the program directory");
    QVERIFY(r_->hasZinnia());
}

// The classify tool's line form: strokes split by ";", points "x,y" split by blanks.
void TestHandwriting::parsesInkLines_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("strokes");
    QTest::addColumn<int>("pointsInFirst");
    QTest::newRow("two strokes") << "10,20 30,40;50,60" << true << 2 << 2;
    QTest::newRow("blank runs") << "  10,20   30,40 ;; 5,5 " << true << 2 << 2;
    QTest::newRow("empty line") << "" << true << 0 << 0;
    QTest::newRow("decimals") << "1.5,2.25" << true << 1 << 1;
    QTest::newRow("no comma") << "10 20" << false << 0 << 0;
    QTest::newRow("letters") << "a,b" << false << 0 << 0;
    QTest::newRow("missing y") << "10," << false << 0 << 0;
    QTest::newRow("not finite") << "nan,3" << false << 0 << 0;
}

void TestHandwriting::parsesInkLines() {
    QFETCH(QString, line);
    QFETCH(bool, ok);
    Ink ink;
    QCOMPARE(InkText::parse(line, &ink), ok);
    if (!ok)
        return;
    QFETCH(int, strokes);
    QFETCH(int, pointsInFirst);
    QCOMPARE(ink.size(), strokes);
    if (strokes > 0)
        QCOMPARE(ink.front().size(), pointsInFirst);
}

void TestHandwriting::formatsWhatItParses() {
    const Ink ink = HandStrokes(QStringLiteral("木"));
    Ink back;
    QVERIFY(InkText::parse(InkText::format(ink), &back));
    QCOMPARE(back.size(), ink.size());
    for (int i = 0; i < ink.size(); ++i)
        QCOMPARE(back[i].size(), ink[i].size());
}

void TestHandwriting::templateFileRoundTrip() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("t.dat"));
    QVector<GlyphTemplate> written{{U'山', InkFeatures(HandStrokes(QStringLiteral("山")))},
                                   {U'い', InkFeatures(HandStrokes(QStringLiteral("い")))}};
    QVERIFY(WriteTemplateFile(path, written));
    QVector<GlyphTemplate> read;
    QVERIFY(ReadTemplateFile(path, &read));
    QCOMPARE(read.size(), 2);
    QCOMPARE(read[1].character, U'い');
    double dot = 0;
    for (int k = 0; k < FeatureSize; ++k)
        dot += read[0].features[size_t(k)] * written[0].features[size_t(k)];
    QVERIFY2(dot > 0.999, qPrintable(QString::number(dot)));
}

// A short, foreign or truncated file leaves the recogniser closed rather than misreading it.
void TestHandwriting::refusesDamagedTemplateFiles_data() {
    QTest::addColumn<int>("cut");  // bytes cut off the end
    QTest::addColumn<int>("flip"); // byte whose value is changed, -1 none
    QTest::newRow("truncated entry") << 7 << -1;
    QTest::newRow("header only") << 4 + FeatureSize << -1;
    QTest::newRow("wrong magic") << 0 << 0;
    QTest::newRow("wrong version") << 0 << 4;
    QTest::newRow("wrong count") << 0 << 12;
}

void TestHandwriting::refusesDamagedTemplateFiles() {
    QFETCH(int, cut);
    QFETCH(int, flip);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("t.dat"));
    QVERIFY(WriteTemplateFile(path, {{U'山', InkFeatures(HandStrokes(QStringLiteral("山")))}}));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QByteArray bytes = f.readAll();
    f.close();
    bytes.chop(cut);
    if (flip >= 0)
        bytes[flip] = char(bytes[flip] + 1);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
    f.close();
    QVector<GlyphTemplate> read;
    QVERIFY(!ReadTemplateFile(path, &read));
    QVERIFY(read.isEmpty());
    HandwritingRecognizer r;
    QVERIFY(!r.open(path, QString()));
    QVERIFY(!r.isOpen());
    QVERIFY(r.recognize(HandStrokes(QStringLiteral("山")), kanji_, 5).isEmpty());
}

void TestHandwriting::featuresIgnoreOrderAndDirection() {
    const Ink ink = HandStrokes(QStringLiteral("日"));
    const FeatureVector a = InkFeatures(ink);
    for (const Ink& other :
         {ReversedInk(ink), ReorderedInk(ink), ShrunkInk(ink, 0.3, QPointF(600, 40))}) {
        const FeatureVector b = InkFeatures(other);
        double dot = 0;
        for (int k = 0; k < FeatureSize; ++k)
            dot += a[size_t(k)] * b[size_t(k)];
        QVERIFY2(dot > 0.97, qPrintable(QString::number(dot)));
    }
}

void TestHandwriting::smallKanaComeBesideLargeOnes() {
    using KanaSets::withSmallForms;
    const QStringList ranked{QStringLiteral("つ"), QStringLiteral("う"), QStringLiteral("ら")};
    QCOMPARE(withSmallForms(ranked, 8), QStringList({"つ", "っ", "う", "ぅ", "ら"}));
    QCOMPARE(withSmallForms(ranked, 3), QStringList({"つ", "っ", "う"}));
    QCOMPARE(KanaSets::smallFormOf(QStringLiteral("ヨ")), QStringLiteral("ョ"));
    QVERIFY(KanaSets::smallFormOf(QStringLiteral("か")).isEmpty());
    QCOMPARE(KanaSets::hiragana().size(), 71);
    QCOMPARE(KanaSets::katakana().size(), 72);
    QCOMPARE(KanaSets::katakana().front(), QStringLiteral("ア"));
}

// Clear characters must come among the five best however their strokes are ordered.
void TestHandwriting::recognisesInEveryOrder_data() {
    QTest::addColumn<QString>("character");
    QTest::addColumn<bool>("kana");
    for (const char* k : {"十", "山", "口", "川", "木", "日"})
        QTest::newRow(k) << QString::fromUtf8(k) << false;
    for (const char* k : {"い", "く", "し", "こ", "つ", "り"})
        QTest::newRow(k) << QString::fromUtf8(k) << true;
}

void TestHandwriting::recognisesInEveryOrder() {
    QFETCH(QString, character);
    QFETCH(bool, kana);
    const QStringList candidates = kana ? KanaSets::hiragana() : kanji_;
    const Ink ink = HandStrokes(character);
    for (const Ink& written : {ink, ReversedInk(ink), ReorderedInk(ink)}) {
        const QStringList best = r_->recognize(written, candidates, 5);
        QVERIFY2(best.contains(character), qPrintable(best.join(QLatin1Char(' '))));
    }
}

void TestHandwriting::recognisesSmallOffCentreWriting() {
    for (const char* c : {"山", "木"}) {
        const Ink small = ShrunkInk(HandStrokes(QString::fromUtf8(c)), 0.25, QPointF(700, 20));
        const QStringList best = r_->recognize(small, kanji_, 5);
        QVERIFY2(best.contains(QString::fromUtf8(c)), qPrintable(best.join(QLatin1Char(' '))));
    }
}

void TestHandwriting::offersOnlyCandidates() {
    const QStringList few{QStringLiteral("山"), QStringLiteral("川"), QStringLiteral("ぬ")};
    const QStringList best = r_->recognize(HandStrokes(QStringLiteral("木")), few, 8);
    QCOMPARE(best.size(), 3); // "ぬ" has a template: names use kana
    for (const QString& c : best)
        QVERIFY(few.contains(c));
    QVERIFY(r_->recognize(Ink(), few, 8).isEmpty());
    QVERIFY(r_->recognize(HandStrokes(QStringLiteral("木")), {QStringLiteral("Ａ")}, 8).isEmpty());
}

void TestHandwriting::worksWithoutZinnia() {
    HandwritingRecognizer r;
    QVERIFY(r.open(ProgramFile(TemplateFileName), ProgramFile(QStringLiteral("none.model"))));
    QVERIFY(!r.hasZinnia());
    QVERIFY(
        r.recognize(HandStrokes(QStringLiteral("山")), kanji_, 5).contains(QStringLiteral("山")));
}

QTEST_MAIN(TestHandwriting)
#include "test_handwriting.moc"
