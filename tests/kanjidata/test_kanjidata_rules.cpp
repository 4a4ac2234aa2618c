// SPDX-License-Identifier: GPL-3.0-or-later
// The rules behind the kanji checks: reading forms, word splitting, kanjidic lines, MeCab lines
// and the sentence line format.
#include "tools/kanjidata/KanjiDic.h"
#include "tools/kanjidata/KanjiSource.h"
#include "tools/kanjidata/MecabReader.h"
#include "writing/ReadingRules.h"

#include <QtTest>

class TestKanjiDataRules : public QObject {
    Q_OBJECT
private slots:
    // A dictionary reading allows the okurigana dropped, voicing, a small っ and absorbed okurigana.
    void readingForms_data()
    {
        QTest::addColumn<QString>("reading");
        QTest::addColumn<QString>("form");
        QTest::addColumn<bool>("allowed");
        QTest::newRow("on as is") << "ガク" << "がく" << true;
        QTest::newRow("small tsu for ku") << "ガク" << "がっ" << true;
        QTest::newRow("small tsu for chi") << "イチ" << "いっ" << true;
        QTest::newRow("small tsu for tsu") << "ハツ" << "はっ" << true;
        QTest::newRow("no small tsu for n") << "サン" << "さっ" << false;
        QTest::newRow("voicing") << "かわ" << "がわ" << true;
        QTest::newRow("h to p") << "ホン" << "ぽん" << true;
        QTest::newRow("h to b") << "ホン" << "ぼん" << true;
        QTest::newRow("voiced and small tsu") << "ハツ" << "ぱっ" << true;
        QTest::newRow("okurigana dropped") << "たか.い" << "たか" << true;
        QTest::newRow("prefix mark") << "おお-" << "おお" << true;
        QTest::newRow("suffix mark") << "-がわ" << "がわ" << true;
        QTest::newRow("noun from verb") << "ひ.く" << "びき" << true;
        QTest::newRow("small tsu from absorbed ri") << "き.る" << "きっ" << true;
        QTest::newRow("no small tsu from plain ri") << "リ" << "っ" << false;
        QTest::newRow("other reading") << "やま" << "さん" << false;
        QTest::newRow("no voicing inside") << "たか.い" << "たが" << false;
    }
    void readingForms()
    {
        QFETCH(QString, reading);
        QFETCH(QString, form);
        QFETCH(bool, allowed);
        QCOMPARE(ReadingForms(reading).contains(form), allowed);
    }

    // The kanji's reading must fit MeCab's reading of the whole word.
    void wordReading_data()
    {
        QTest::addColumn<QString>("surface");
        QTest::addColumn<int>("at");
        QTest::addColumn<QString>("reading");
        QTest::addColumn<QString>("wordReading");
        QTest::addColumn<bool>("agrees");
        QTest::newRow("alone") << "山" << 0 << "やま" << "やま" << true;
        QTest::newRow("compound start") << "学校" << 0 << "がっ" << "がっこう" << true;
        QTest::newRow("compound end") << "火山" << 1 << "ざん" << "かざん" << true;
        QTest::newRow("okurigana") << "高い" << 0 << "たか" << "たかい" << true;
        QTest::newRow("wrong reading") << "学校" << 0 << "がく" << "がっこう" << false;
        QTest::newRow("special reading") << "十日" << 0 << "とお" << "じゅうにち" << false;
        QTest::newRow("repeat mark") << "人々" << 0 << "ひと" << "ひとびと" << true;
        QTest::newRow("katakana word") << "ゴール" << 0 << "ご" << "ごーる" << true;
    }
    void wordReading()
    {
        QFETCH(QString, surface);
        QFETCH(int, at);
        QFETCH(QString, reading);
        QFETCH(QString, wordReading);
        QFETCH(bool, agrees);
        const QHash<QChar, QStringList> dict{{QChar(u'学'), {"ガク"}}, {QChar(u'校'), {"コウ"}},
                                             {QChar(u'火'), {"カ", "ひ"}}, {QChar(u'山'), {"サン", "やま"}},
                                             {QChar(u'十'), {"ジュウ", "とお"}}, {QChar(u'日'), {"ニチ", "ひ"}},
                                             {QChar(u'人'), {"ジン", "ひと"}}};
        const auto formsOf = [&](QChar c) { return AllReadingForms(dict.value(c)); };
        QCOMPARE(WordReadingAgrees(surface, at, reading, wordReading, formsOf), agrees);
    }

    // Katakana turn into hiragana; only hiragana passes as a reading.
    void kana()
    {
        QCOMPARE(ToHiragana(QStringLiteral("ガッコウ・ー")), QStringLiteral("がっこう・ー"));
        QVERIFY(IsHiraganaOnly(QStringLiteral("ゆう")));
        QVERIFY(!IsHiraganaOnly(QStringLiteral("ユウ")));
        QVERIFY(!IsHiraganaOnly(QStringLiteral("ゆー")));
        QVERIFY(!IsHiraganaOnly(QString()));
        QVERIFY(IsKanjiChar(QChar(u'学')));
        QVERIFY(!IsKanjiChar(QChar(u'々')));
    }

    // A kanjidic line yields year, first stroke count, frequency and the reading groups.
    void kanjidicLine()
    {
        const QString line = QStringLiteral(
            "山 3B33 U5c71 B46 G1 S3 S4 F131 J4 N1407 Yshan1 Wsan サン セン やま T1 さ やの {mountain}");
        QString kanji;
        KanjiDicEntry e;
        QVERIFY(ParseKanjiDicLine(line, kanji, e));
        QCOMPARE(kanji, QStringLiteral("山"));
        QCOMPARE(e.grade, 1);
        QCOMPARE(e.strokes, 3);
        QCOMPARE(e.freq, 131);
        QCOMPARE(e.on, QStringList({"サン", "セン"}));
        QCOMPARE(e.kun, QStringList({"やま"}));
        QCOMPARE(e.nanori, QStringList({"さ", "やの"}));
        QVERIFY(!ParseKanjiDicLine(QStringLiteral("# comment"), kanji, e));
    }

    // MeCab's reading field is used; unknown words fall back to their surface.
    void mecabLine()
    {
        MecabWord w;
        QVERIFY(ParseMecabLine(QStringLiteral("学校\t名詞,一般,*,*,*,*,学校,ガッコウ,ガッコー"), w));
        QCOMPARE(w.surface, QStringLiteral("学校"));
        QCOMPARE(w.reading, QStringLiteral("がっこう"));
        QVERIFY(ParseMecabLine(QStringLiteral("ざん\t名詞,一般,*,*,*,*,*"), w));
        QCOMPARE(w.reading, QStringLiteral("ざん"));
        QVERIFY(!ParseMecabLine(QStringLiteral("EOS"), w));
    }

    // Well-formed sentence lines give the parts and which one is the reading.
    void sentenceLine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("pos");
        QTest::addColumn<QString>("quiz");
        QTest::newRow("middle") << "たかい|{やま}|にのぼる。" << 2 << "たかい山にのぼる。";
        QTest::newRow("empty first part") << "|{やま}|にのぼる。" << 2 << "山にのぼる。";
        QTest::newRow("reading in part one") << "{やま}|に|のぼる。" << 1 << "山にのぼる。";
        QTest::newRow("last") << "あれは|{やま}|" << 2 << "あれは山";
        QTest::newRow("reading in part three") << "あれは||{やま}" << 3 << "あれは山";
    }
    void sentenceLine()
    {
        QFETCH(QString, text);
        QFETCH(int, pos);
        QFETCH(QString, quiz);
        SourceSentence s;
        QCOMPARE(ParseSentence(text, s), QString());
        QCOMPARE(s.pos, pos);
        QCOMPARE(s.withKanji(QStringLiteral("山")), quiz);
        QCOMPARE(s.sourceText(), text);
    }

    // Malformed sentence lines are refused with a reason naming the fault.
    void badSentenceLine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("reason");
        QTest::newRow("two parts") << "{やま}|にのぼる。" << "exactly three parts";
        QTest::newRow("four parts") << "a|{やま}|b|c" << "exactly three parts";
        QTest::newRow("no braces") << "たかい|やま|にのぼる。" << "no part in braces";
        QTest::newRow("two braces") << "{たかい}|{やま}|に" << "more than one part";
        QTest::newRow("unmatched") << "たかい|{やま|に" << "unmatched brace";
        QTest::newRow("empty reading") << "たかい|{}|に" << "reading part is empty";
        QTest::newRow("too long") << "あいうえおかきくけこさ|{やま}|" << "is 22 bytes";
        QTest::newRow("no Shift-JIS") << "😀|{やま}|" << "Shift-JIS";
        QTest::newRow("blank") << "たかい |{やま}|に" << "blank";
    }
    void badSentenceLine()
    {
        QFETCH(QString, text);
        QFETCH(QString, reason);
        SourceSentence s;
        const QString got = ParseSentence(text, s);
        QVERIFY2(got.contains(reason), qPrintable(got));
    }
};

QTEST_GUILESS_MAIN(TestKanjiDataRules)
#include "test_kanjidata_rules.moc"
