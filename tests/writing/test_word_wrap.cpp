// SPDX-License-Identifier: GPL-3.0-or-later
// Kana messages broken into lines between words only: at spaces and after full stops, the space
// at a break dropped, no letter alone on a line, paragraphs kept.
#include "writing/WordWrap.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QtTest>

class TestWordWrap : public QObject {
    Q_OBJECT
  private slots:
    void lines_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("widthOf"); // the line is as wide as this text
        QTest::addColumn<QString>("lines");
        QTest::newRow("fits") << QStringLiteral("いいね！") << QStringLiteral("いいね！")
                              << QStringLiteral("いいね！");
        QTest::newRow("at a space") << QStringLiteral("かたちが ちがうよ")
                                    << QStringLiteral("かたちが ち")
                                    << QStringLiteral("かたちが\nちがうよ");
        QTest::newRow("after a full stop")
            << QStringLiteral("ちがうよ。ひかっている") << QStringLiteral("ひかっている")
            << QStringLiteral("ちがうよ。\nひかっている");
        QTest::newRow("each sentence on a line of its own")
            << QStringLiteral("かたちが ちがうよ。ひかっている せんを みてね。")
            << QStringLiteral("ひかっている せんを みてね。")
            << QStringLiteral("かたちが ちがうよ。\nひかっている せんを みてね。");
        QTest::newRow("never inside a word")
            << QStringLiteral("あおい せんを なぞってみよう。")
            << QStringLiteral("あおい せんを なぞって")
            << QStringLiteral("あおい せんを\nなぞってみよう。");
        QTest::newRow("one letter not alone")
            << QStringLiteral("これは ながい ことば よ") << QStringLiteral("これは ながい ことば")
            << QStringLiteral("これは ながい\nことば よ");
        QTest::newRow("a word wider than the line")
            << QStringLiteral("ながいながいことば です") << QStringLiteral("ながい")
            << QStringLiteral("ながいながいことば\nです");
        QTest::newRow("paragraphs kept")
            << QStringLiteral("できた！\nじょうずに かけたね。")
            << QStringLiteral("じょうずに かけたね。")
            << QStringLiteral("できた！\nじょうずに かけたね。");
    }
    void lines() {
        QFETCH(QString, text);
        QFETCH(QString, widthOf);
        QFETCH(QString, lines);
        QFont font;
        font.setPixelSize(20);
        const QFontMetrics metrics(font);
        QCOMPARE(WrapBetweenWords(text, metrics, metrics.horizontalAdvance(widthOf)), lines);
    }
};

QTEST_MAIN(TestWordWrap)
#include "test_word_wrap.moc"
