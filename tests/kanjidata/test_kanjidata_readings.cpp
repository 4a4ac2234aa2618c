// SPDX-License-Identifier: GPL-3.0-or-later
// The other-readings check: edict lines, splitting a word's reading at the quiz kanji, which
// readings count as other ones, and how reading_exceptions.txt excuses a sentence.
#include "tools/kanjidata/Edict.h"
#include "tools/kanjidata/KanjiChecks.h"
#include "tools/kanjidata/PinnedDictionaries.h"
#include "writing/ReadingRules.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Enough of kanjidic for the words below.
QSet<QString> formsOf(QChar c) {
    static const QHash<QChar, QStringList> dict{
        {QChar(u'竹'), {"チク", "たけ"}},
        {QChar(u'林'), {"リン", "はやし"}},
        {QChar(u'山'), {"サン", "やま"}},
        {QChar(u'日'), {"ニチ", "ジツ", "ひ", "-び", "-か"}},
        {QChar(u'一'), {"イチ", "イツ", "ひと-"}},
        {QChar(u'高'), {"コウ", "たか.い"}},
        {QChar(u'大'), {"ダイ", "タイ", "おお-"}},
        {QChar(u'人'), {"ジン", "ニン", "ひと"}}};
    return AllReadingForms(dict.value(c));
}

EdictReading reading(const QString& kana, const QStringList& tags = {QStringLiteral("n")}) {
    return EdictReading{kana, tags};
}

QString writeFile(const QTemporaryDir& dir, const QString& text,
                  const QString& name = QStringLiteral("reading_exceptions.txt")) {
    const QString path = dir.filePath(name);
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(text.toUtf8());
    return path;
}

// Two kanji (竹, 林) and one sentence each, as the sources would give them.
KanjiSources twoSentences(const QString& first, const QString& second) {
    KanjiSources src;
    src.kanji = {KanjiEntry{1, QStringLiteral("竹"), 6, 1, 0, 1},
                 KanjiEntry{2, QStringLiteral("林"), 8, 1, 0, 2}};
    const QString texts[] = {first, second};
    for (int k = 0; k < 2; ++k) {
        SourceSentence s;
        ParseSentence(texts[k], s);
        s.file = QStringLiteral("sentences1.txt");
        s.line = k + 10;
        src.sentences[k + 1] << s;
    }
    return src;
}

} // namespace

Q_DECLARE_METATYPE(EdictReading)

class TestKanjiDataReadings : public QObject {
    Q_OBJECT
  private slots:
    // An edict line gives the written word, its reading in hiragana and every tag of its senses.
    void edictLine() {
        QString word;
        EdictReading r;
        QVERIFY(ParseEdictLine(
            QStringLiteral("竹林 [ちくりん] /(n) bamboo thicket/bamboo grove/(P)/"), word, r));
        QCOMPARE(word, QStringLiteral("竹林"));
        QCOMPARE(r.kana, QStringLiteral("ちくりん"));
        QCOMPARE(r.tags, QStringList({"n", "P"}));
        QVERIFY(ParseEdictLine(QStringLiteral("山 [サン] /(suf) (1) Mt./Mount/"), word, r));
        QCOMPARE(r.kana, QStringLiteral("さん"));
        QVERIFY(!ParseEdictLine(QStringLiteral("あいさつ /(n) greeting/"), word, r));
        QVERIFY(!ParseEdictLine(QStringLiteral("ヽ /(unc) repetition mark in katakana/"), word, r));
        QVERIFY(!ParseEdictLine(QStringLiteral("ゴール [ごーる] /(n) goal/"), word, r));
    }

    // Only a reading that is nothing but a suffix, prefix or counter is left out for a word
    // standing alone; usage marks (arch, P) do not make a word class.
    void affixOnly_data() {
        QTest::addColumn<QStringList>("tags");
        QTest::addColumn<bool>("affix");
        QTest::newRow("suffix") << QStringList{"suf"} << true;
        QTest::newRow("counter and mark") << QStringList{"ctr", "P"} << true;
        QTest::newRow("noun") << QStringList{"n"} << false;
        QTest::newRow("noun and counter") << QStringList{"n", "ctr"} << false;
        QTest::newRow("archaic noun") << QStringList{"n", "arch"} << false;
        QTest::newRow("suffix noun") << QStringList{"n-suf"} << true;
        QTest::newRow("no tags") << QStringList{} << false;
    }
    void affixOnly() {
        QFETCH(QStringList, tags);
        QFETCH(bool, affix);
        QCOMPARE(reading(QStringLiteral("さん"), tags).affixOnly(), affix);
    }

    // The kanji's part of a word reading, with the others reading their own forms.
    void readingsAt_data() {
        QTest::addColumn<QString>("surface");
        QTest::addColumn<int>("at");
        QTest::addColumn<QString>("wordReading");
        QTest::addColumn<bool>("ownFormsOnly");
        QTest::addColumn<QStringList>("readings");
        QTest::newRow("first kanji") << "竹林" << 0 << "たけばやし" << true << QStringList{"たけ"};
        QTest::newRow("second kanji") << "竹林" << 1 << "ちくりん" << true << QStringList{"りん"};
        QTest::newRow("okurigana") << "高い" << 0 << "たかい" << true << QStringList{"たか"};
        QTest::newRow("no split") << "一日" << 0 << "ついたち" << true << QStringList{};
        QTest::newRow("not one of its forms") << "竹林" << 0 << "ささりん" << true << QStringList{};
        QTest::newRow("free split") << "竹林" << 0 << "ささりん" << false << QStringList{"ささ"};
    }
    void readingsAt() {
        QFETCH(QString, surface);
        QFETCH(int, at);
        QFETCH(QString, wordReading);
        QFETCH(bool, ownFormsOnly);
        QFETCH(QStringList, readings);
        QStringList got = ReadingsAt(surface, at, wordReading, formsOf, ownFormsOnly).values();
        got.sort();
        QCOMPARE(got, readings);
    }

    // Other readings: each edict reading that does not give the sentence's reading.
    void otherReadings_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("at");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QVector<EdictReading>>("readings");
        QTest::addColumn<bool>("alone");
        QTest::addColumn<QStringList>("others");
        QTest::newRow("two readings")
            << "竹林" << 0 << "ちく"
            << QVector<EdictReading>{reading("ちくりん"), reading("たけばやし")} << true
            << QStringList{"たけ"};
        QTest::newRow("one reading")
            << "竹林" << 0 << "ちく" << QVector<EdictReading>{reading("ちくりん")} << true
            << QStringList{};
        QTest::newRow("archaic counts")
            << "山" << 0 << "やま"
            << QVector<EdictReading>{reading("やま"), reading("むれ", {"n", "arch"})} << true
            << QStringList{"むれ"};
        QTest::newRow("suffix only, word alone")
            << "山" << 0 << "やま"
            << QVector<EdictReading>{reading("やま"), reading("さん", {"suf"})} << true
            << QStringList{};
        QTest::newRow("suffix only, word a suffix")
            << "山" << 0 << "やま"
            << QVector<EdictReading>{reading("やま"), reading("さん", {"suf"})} << false
            << QStringList{"さん"};
        QTest::newRow("whole reading that does not split")
            << "一日" << 0 << "いち"
            << QVector<EdictReading>{reading("いちにち"), reading("ついたち")} << true
            << QStringList{"[ついたち]"};
        QTest::newRow("small tsu is another reading")
            << "一日" << 0 << "いち"
            << QVector<EdictReading>{reading("いちにち"), reading("いっぴ")} << true
            << QStringList{"いっ"};
    }
    void otherReadings() {
        QFETCH(QString, word);
        QFETCH(int, at);
        QFETCH(QString, expected);
        QFETCH(QVector<EdictReading>, readings);
        QFETCH(bool, alone);
        QFETCH(QStringList, others);
        QCOMPARE(OtherReadings(word, at, expected, readings, alone, formsOf), others);
    }

    // Every exceptions line needs the kanji, the sentence, the readings and a reason.
    void exceptionLines_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("complete") << "竹 |{ちく}|林をあるく。 たけ -- たけばやし is rare" << true;
        QTest::newRow("two readings")
            << "竹 |{ちく}|林をあるく。 たけ,[たかむら] -- both are rare" << true;
        QTest::newRow("no reason") << "竹 |{ちく}|林をあるく。 たけ --" << false;
        QTest::newRow("blank reason") << "竹 |{ちく}|林をあるく。 たけ --   " << false;
        QTest::newRow("no separator") << "竹 |{ちく}|林をあるく。 たけ たけばやし is rare" << false;
        QTest::newRow("no readings") << "竹 |{ちく}|林をあるく。 -- rare" << false;
    }
    void exceptionLines() {
        QFETCH(QString, line);
        QFETCH(bool, accepted);
        QTemporaryDir dir;
        QVector<CheckFailure> failures;
        const auto list =
            ReadOtherReadingExceptions(writeFile(dir, "# comment\n\n" + line + "\n"), failures);
        QCOMPARE(list.size(), accepted ? 1 : 0);
        QCOMPARE(failures.size(), accepted ? 0 : 1);
        if (!accepted)
            QCOMPARE(failures[0].line, 3);
    }

    // Through MeCab: a sentence fails unless a line names all its other readings; a line whose
    // readings are no longer all found is reported as out of date.
    void checkSentences_data() {
        QTest::addColumn<QString>("exceptions");
        QTest::addColumn<QStringList>("failing"); // "check line"
        const QString s = QStringLiteral("竹 |{ちく}|林をあるく。");
        QTest::newRow("no exception") << QString() << QStringList{"edict 10"};
        QTest::newRow("excused") << s + " たけ -- たけばやし is rare" << QStringList{};
        QTest::newRow("reading not named")
            << s + " はやし -- wrong reading" << QStringList{"edict 10", "exceptions 1"};
        QTest::newRow("a reading too many")
            << s + " たけ,たか -- one is gone" << QStringList{"exceptions 1"};
        QTest::newRow("other sentence")
            << "林 |{はやし}|の中。 りん -- not needed" << QStringList{"edict 10", "exceptions 1"};
    }
    void checkSentences() {
        QFETCH(QString, exceptions);
        QFETCH(QStringList, failing);
        const KanjiSources src = twoSentences(QStringLiteral("|{ちく}|林をあるく。"),
                                              QStringLiteral("|{はやし}|の中。"));
        Edict edict;
        edict[QStringLiteral("竹林")] = {reading("ちくりん"), reading("たけばやし")};
        edict[QStringLiteral("林")] = {reading("はやし"), reading("りん", {"suf"})};
        QHash<QString, KanjiDicEntry> dic;
        dic[QStringLiteral("竹")].on = {"チク"};
        dic[QStringLiteral("竹")].kun = {"たけ"};
        dic[QStringLiteral("林")].on = {"リン"};
        dic[QStringLiteral("林")].kun = {"はやし"};
        QTemporaryDir dir;
        QVector<CheckFailure> failures;
        const auto list = ReadOtherReadingExceptions(writeFile(dir, exceptions + "\n"), failures);
        QVERIFY(failures.isEmpty());
        QString reason;
        QVERIFY2(CheckOtherReadings(src, dic, edict, list, failures, reason), qPrintable(reason));
        failures += UnusedOtherReadingExceptions(list);
        QStringList got;
        for (const CheckFailure& f : failures)
            got << QStringLiteral("%1 %2").arg(f.check).arg(f.line);
        QCOMPARE(got, failing);
    }

    // The checks read the pinned edict: a word looked up and missing from edict passes, a word
    // the snapshot never looked up fails and names the script that brings the snapshot up to date.
    void pinnedEdict_data() {
        QTest::addColumn<QString>("lines");
        QTest::addColumn<QString>("words");
        QTest::addColumn<QStringList>("failing");
        const QString both = QStringLiteral("竹林 [ちくりん] /(n) bamboo thicket/\n林 [はやし] /(n) grove/\n");
        QTest::newRow("every word pinned") << both << "竹林\n林\n" << QStringList{};
        const QString one = QStringLiteral("竹林 [ちくりん] /(n) bamboo thicket/\n");
        QTest::newRow("a word pinned as absent") << one << "竹林\n林\n" << QStringList{};
        QTest::newRow("a word never looked up") << one << "竹林\n" << QStringList{"edict 11"};
        QTest::newRow("nothing pinned") << QString() << QString() << QStringList{"edict 10", "edict 11"};
    }
    void pinnedEdict() {
        QFETCH(QString, lines);
        QFETCH(QString, words);
        QFETCH(QStringList, failing);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("dictionary")));
        writeFile(dir, "# edition line\n" + lines,
                  QStringLiteral("dictionary/edict.txt"));
        writeFile(dir, "# words\n" + words, QStringLiteral("dictionary/edict-words.txt"));
        Edict edict;
        QString reason;
        QVERIFY2(ReadPinnedEdict(dir.path(), edict, reason), qPrintable(reason));
        QHash<QString, KanjiDicEntry> dic;
        dic[QStringLiteral("竹")].on = {"チク"};
        dic[QStringLiteral("林")].on = {"リン"};
        dic[QStringLiteral("林")].kun = {"はやし"};
        QVector<CheckFailure> failures;
        QVERIFY2(CheckOtherReadings(twoSentences(QStringLiteral("|{ちく}|林をあるく。"),
                                                 QStringLiteral("|{はやし}|の中。")),
                                    dic, edict, {}, failures, reason),
                 qPrintable(reason));
        QStringList got;
        for (const CheckFailure& f : failures) {
            got << QStringLiteral("%1 %2").arg(f.check).arg(f.line);
            QVERIFY2(f.text.contains(QStringLiteral("pin_dictionaries.sh")), qPrintable(f.text));
        }
        QCOMPARE(got, failing);
    }

    // A pinned kanjidic line keeps what the checks read and parses as the full line does.
    void trimmedKanjiDicLine() {
        const QString full = QStringLiteral(
            "亜 3021 U4e9c B1 C7 G8 S7 XJ05033 F1509 J1 N43 V81 H3540 DK2204 Yya4 Wa ア つ.ぐ T1 や つぎ "
            "つぐ {Asia} {rank next}");
        const QString trimmed = TrimmedKanjiDicLine(full);
        QCOMPARE(trimmed, QStringLiteral("亜 3021 G8 S7 F1509 ア つ.ぐ T1 や つぎ つぐ"));
        QString k1, k2;
        KanjiDicEntry a, b;
        QVERIFY(ParseKanjiDicLine(full, k1, a));
        QVERIFY(ParseKanjiDicLine(trimmed, k2, b));
        QCOMPARE(k2, k1);
        QCOMPARE(std::tuple(b.grade, b.strokes, b.freq, b.on, b.kun, b.nanori),
                 std::tuple(a.grade, a.strokes, a.freq, a.on, a.kun, a.nanori));
    }
};

QTEST_GUILESS_MAIN(TestKanjiDataReadings)
#include "test_kanjidata_readings.moc"
