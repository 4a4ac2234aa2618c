// SPDX-License-Identifier: GPL-3.0-or-later
// Romaji-to-hiragana conversion and the on-screen kana table.
#include "writing/HiraganaInput.h"
#include "writing/KanaTable.h"
#include "support/TestEnv.h"

#include <QLineEdit>
#include <QToolButton>
#include <QtTest>

class TestHiragana : public QObject {
    Q_OBJECT
private slots:
    // Both spelling systems, double consonants, "nn", small kana and unfinished input.
    void convert_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("final");
        QTest::addColumn<QString>("kana");
        auto row = [](const char* name, const char* typed, bool final, const char* kana) {
            QTest::newRow(name) << QString::fromUtf8(typed) << final << QString::fromUtf8(kana);
        };
        row("vowels", "aiueo", false, "あいうえお");
        row("kunrei si", "si", false, "し");
        row("hepburn shi", "shi", false, "し");
        row("kunrei ti", "ti", false, "ち");
        row("hepburn chi", "chi", false, "ち");
        row("kunrei tu", "tu", false, "つ");
        row("hepburn tsu", "tsu", false, "つ");
        row("hu fu", "huji fuji", false, "ふじ ふじ");
        row("zi ji", "zijo jo", false, "じじょ じょ");
        row("kya", "kyakkya", false, "きゃっきゃ");
        row("sya sha", "syasha", false, "しゃしゃ");
        row("tya cha", "tyacha", false, "ちゃちゃ");
        row("double k", "gakkou", false, "がっこう");
        row("double t", "kitte", false, "きって");
        row("double s", "massugu", false, "まっすぐ");
        row("xtu", "xtu", false, "っ");
        row("ltu", "ltu", false, "っ");
        row("xtsu", "xtsu", false, "っ");
        row("small ya", "xya", false, "ゃ");
        row("nn", "konnnichiha", false, "こんにちは");
        row("n before consonant", "kanji", false, "かんじ");
        row("n before vowel", "kani", false, "かに");
        row("n apostrophe", "kin'ei", false, "きんえい");
        row("trailing n waits", "mikan", false, "みかn");
        row("trailing n final", "mikan", true, "みかん");
        row("unfinished ky", "ky", false, "ky");
        row("unfinished ky final", "ky", true, "ky");
        row("upper case", "YAMA", false, "やま");
        row("kana kept", "やまa", false, "やまあ");
        row("long mark", "ra-men", false, "らーめn");
        row("wo", "wo", false, "を");
        row("digits kept", "1ka", false, "1か");
        row("stray letter", "qa", false, "qあ");
    }
    void convert()
    {
        QFETCH(QString, typed);
        QFETCH(bool, final);
        QFETCH(QString, kana);
        QCOMPARE(Hiragana::fromRomaji(typed, final), kana);
    }

    // Typing into a field converts as the letters arrive; committed kana stay as they come.
    void fieldConvertsWhileTyping()
    {
        TestEnv env;
        QLineEdit edit;
        HiraganaInput::attach(&edit);
        edit.show();
        QTest::keyClicks(&edit, QStringLiteral("yam"));
        QCOMPARE(edit.text(), QStringLiteral("やm"));
        QTest::keyClicks(&edit, QStringLiteral("a"));
        QCOMPARE(edit.text(), QStringLiteral("やま"));
        edit.insert(QStringLiteral("かわ"));
        QCOMPARE(edit.text(), QStringLiteral("やまかわ"));
        QTest::keyClicks(&edit, QStringLiteral("n"));
        HiraganaInput::finish(&edit);
        QCOMPARE(edit.text(), QStringLiteral("やまかわん"));
    }

    // Typing in the middle converts only what is typed there.
    void fieldConvertsAtCursor()
    {
        TestEnv env;
        QLineEdit edit;
        HiraganaInput::attach(&edit);
        edit.show();
        edit.setText(QStringLiteral("あお"));
        edit.setCursorPosition(1);
        QTest::keyClicks(&edit, QStringLiteral("ka"));
        QCOMPARE(edit.text(), QStringLiteral("あかお"));
        QCOMPARE(edit.cursorPosition(), 2);
    }

    // The table types into the field that had the focus last, and deletes from it.
    void tableTypesIntoFocusedField()
    {
        TestEnv env;
        QWidget window;
        auto* a = new QLineEdit(&window);
        auto* b = new QLineEdit(&window);
        b->move(0, 40);
        auto* table = new KanaTable(&window);
        table->move(0, 80);
        table->setTargets({a, b});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
        b->setFocus();
        QApplication::processEvents();
        QCOMPARE(table->target(), b);
        QTest::mouseClick(table->keyButton(QStringLiteral("や")), Qt::LeftButton);
        QTest::mouseClick(table->keyButton(QStringLiteral("ま")), Qt::LeftButton);
        QCOMPARE(b->text(), QStringLiteral("やま"));
        QCOMPARE(a->text(), QString());
        table->press(KanaTable::DeleteKey);
        QCOMPARE(b->text(), QStringLiteral("や"));
    }

    // The table offers the voiced, half-voiced and small kana and a delete key, and its keys
    // never take the focus away from the field.
    void tableKeys_data()
    {
        QTest::addColumn<QString>("key");
        for (const char* k : {"あ", "ん", "を", "が", "ぱ", "ぽ", "ぢ", "っ", "ゃ", "ょ", "ぁ", "ー", "けす"})
            QTest::newRow(k) << QString::fromUtf8(k);
    }
    void tableKeys()
    {
        QFETCH(QString, key);
        KanaTable table;
        QToolButton* b = table.keyButton(key);
        QVERIFY(b);
        QCOMPARE(b->focusPolicy(), Qt::NoFocus);
    }
};

QTEST_MAIN(TestHiragana)
#include "test_hiragana.moc"
