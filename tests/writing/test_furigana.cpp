// SPDX-License-Identifier: GPL-3.0-or-later
// Furigana on the program's own texts: which kanji get their reading for a reader of year 1 and
// of year 4, how the table's texts are found as shown, how widgets show them, and where message
// texts may break.
#include "data/FuriganaReader.h"
#include "data/KanjiFiles.h"
#include "data/Tables.h"
#include "platform/Fonts.h"
#include "writing/Furigana.h"
#include "writing/RubyText.h"
#include "writing/RubyItemViews.h"
#include "writing/RubyTextView.h"
#include "writing/RubyToolTip.h"
#include "support/TestEnv.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolTip>
#include <QTreeWidget>
#include <QtTest>

namespace {

// The furigana of a text as shown now, one reading per annotated part, lines joined by "/".
QString furigana(const QString& shown) {
    QStringList lines;
    for (const RubyLine& l : FuriganaLines(shown)) {
        QStringList parts;
        for (const RubyUnit& u : l)
            if (!u.ruby.isEmpty())
                parts << u.base + QLatin1Char('=') + u.ruby;
        lines << parts.join(QLatin1Char(' '));
    }
    return lines.join(QLatin1Char('/'));
}

void choosePlayer(int year) {
    Player_Count = 1;
    Player_Tbl[1].Gakunen = static_cast<std::int16_t>(year);
    Cur_Player = year == 0 ? 0 : 1;
    RefreshFurigana();
}

} // namespace

class TestFurigana : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        InitTables();
        QFile f(QDir(TestEnv::builtProgramDir()).filePath(QStringLiteral("Kanji.dat")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(ParseKanjiFile(f.readAll(), Kanji_Tbl));
        InstallFontSubstitutions();
        InstallFuriganaReader();
        InstallFurigana(*qApp);
    }

    void cleanup() { choosePlayer(0); }

    void markupParses_data() {
        QTest::addColumn<QString>("markup");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("plain");
        QTest::newRow("per kanji") << QStringLiteral("名前《な|まえ》の登録《とう|ろく》") << true
                                   << QStringLiteral("名前の登録");
        QTest::newRow("whole run")
            << QStringLiteral("練習《れんしゅう》") << true << QStringLiteral("練習");
        QTest::newRow("run after kana") << QStringLiteral("あと%1回答《かい|こた》えられます")
                                        << true << QStringLiteral("あと%1回答えられます");
        QTest::newRow("count differs") << QStringLiteral("名前《な|ま|え》") << false << QString();
        QTest::newRow("no kanji before") << QStringLiteral("かな《かな》") << false << QString();
        QTest::newRow("katakana reading") << QStringLiteral("字《ジ》") << false << QString();
        QTest::newRow("unclosed") << QStringLiteral("字《じ") << false << QString();
        QTest::newRow("empty reading") << QStringLiteral("字《》") << false << QString();
    }
    void markupParses() {
        QFETCH(QString, markup);
        QFETCH(bool, ok);
        QFETCH(QString, plain);
        RubyText t;
        QCOMPARE(ParseRubyMarkup(markup, t), ok);
        if (ok)
            QCOMPARE(PlainText(t), plain);
    }

    void learnedKanjiFollowTheYear_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        // 名 年 人 日 are year 1, 前 数 回 答 year 2, 登 練 習 year 3, 録 種 類 付 year 4;
        // 押 and 枠 are not in Kanji.dat and always show their reading.
        QTest::newRow("1 名前の登録")
            << 1 << QStringLiteral("名前の登録") << QStringLiteral("前=まえ 登録=とうろく");
        QTest::newRow("2 名前の登録")
            << 2 << QStringLiteral("名前の登録") << QStringLiteral("登録=とうろく");
        QTest::newRow("3 名前の登録")
            << 3 << QStringLiteral("名前の登録") << QStringLiteral("録=ろく");
        QTest::newRow("4 名前の登録") << 4 << QStringLiteral("名前の登録") << QString();
        QTest::newRow("1 ゲームの種類")
            << 1 << QStringLiteral("ゲームの種類") << QStringLiteral("種類=しゅるい");
        QTest::newRow("4 ゲームの種類") << 4 << QStringLiteral("ゲームの種類") << QString();
        QTest::newRow("1 year-1 kanji only") << 1 << QStringLiteral("ゲームをする人") << QString();
        QTest::newRow("1 練習") << 1 << QStringLiteral("練習") << QStringLiteral("練習=れんしゅう");
        QTest::newRow("4 練習") << 4 << QStringLiteral("練習") << QString();
        QTest::newRow("1 日付") << 1 << QStringLiteral("日付") << QStringLiteral("付=づけ");
        QTest::newRow("4 not taught")
            << 4 << QStringLiteral("答を書いたらここを押す") << QStringLiteral("押=お");
        QTest::newRow("4 not taught 枠")
            << 4 << QStringLiteral("白い枠の中をクリックしてみよう！") << QStringLiteral("枠=わく");
        QTest::newRow("1 number filled in")
            << 1 << QStringLiteral("あと3回答えられます") << QStringLiteral("回答=かいこた");
        QTest::newRow("1 minutes read by number")
            << 1 << QStringLiteral("のこり1分30秒") << QStringLiteral("分=ぷん 秒=びょう");
        QTest::newRow("1 seconds only")
            << 1 << QStringLiteral("のこり5秒") << QStringLiteral("秒=びょう");
        QTest::newRow("1 own text filled in")
            << 1 << QStringLiteral("かんじ当ての成績") << QStringLiteral("当=あ 成績=せいせき");
        QTest::newRow("1 blanks around")
            << 1 << QStringLiteral("答2. ") << QStringLiteral("答=こたえ");
        QTest::newRow("1 not an own text") << 1 << QStringLiteral("学校へ行く") << QString();
        QTest::newRow("1 line break")
            << 1
            << QStringLiteral("Japanese fonts are missing; install "
                              "fonts-ipafont-gothic.\n日本語のフォントがありません。")
            << QStringLiteral("/語=ご");
    }
    void learnedKanjiFollowTheYear() {
        QFETCH(int, year);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        choosePlayer(year);
        QCOMPARE(furigana(text), expected);
    }

    void yearOneBeforeAPlayerAndForEveryone() {
        // No player chosen: year 1. A year-4 player on a screen for everyone: year 1 too.
        choosePlayer(0);
        QCOMPARE(FuriganaReaderYear(), 1);
        QCOMPARE(furigana(QStringLiteral("全員の記録")),
                 QStringLiteral("全員=ぜんいん 記録=きろく"));
        choosePlayer(4);
        QCOMPARE(furigana(QStringLiteral("全員の記録")), QString());
        {
            EveryPlayerReading everyone;
            QCOMPARE(FuriganaReaderYear(), 1);
            QCOMPARE(furigana(QStringLiteral("全員の記録")),
                     QStringLiteral("全員=ぜんいん 記録=きろく"));
        }
        QCOMPARE(FuriganaReaderYear(), 4);
    }

    void widgetsShowTheReadings() {
        // Labels, group captions, radio buttons and push buttons of a window, at year 1 and 4;
        // a label marked as data (an example sentence) never.
        QWidget window;
        window.resize(640, 480);
        auto* label = new QLabel(QStringLiteral("ゲームの種類"), &window);
        label->move(20, 40);
        auto* group = new QGroupBox(QStringLiteral("名前の登録"), &window);
        group->setGeometry(20, 100, 300, 120);
        auto* radio = new QRadioButton(QStringLiteral("練習"), group);
        radio->move(10, 40);
        auto* button = new QPushButton(QStringLiteral("記録を見る"), &window);
        button->setGeometry(20, 300, 160, 40);
        auto* sentence = new QLabel(QStringLiteral("練習"), &window);
        sentence->move(300, 40);
        NoFurigana(sentence);
        choosePlayer(1);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::processEvents();
        QCOMPARE(FuriganaShown(label), QStringLiteral("しゅるい"));
        QCOMPARE(FuriganaShown(group), QStringLiteral("まえとうろく"));
        QCOMPARE(FuriganaShown(radio), QStringLiteral("れんしゅう"));
        QCOMPARE(FuriganaShown(button), QStringLiteral("きろく"));
        QCOMPARE(FuriganaShown(sentence), QString());

        // The furigana stand above the label's text, clear of it.
        auto* overlay = window.findChild<QWidget*>(QStringLiteral("FuriganaOverlay"));
        QVERIFY(overlay);

        choosePlayer(4);
        QCoreApplication::processEvents();
        QCOMPARE(FuriganaShown(label), QString());
        QCOMPARE(FuriganaShown(group), QString());
        QCOMPARE(FuriganaShown(button), QString());

        // A text set later is annotated too.
        choosePlayer(1);
        label->setText(QStringLiteral("練習モードでゲーム中"));
        label->adjustSize();
        label->repaint();
        QTRY_COMPARE(FuriganaShown(label), QStringLiteral("れんしゅう"));
        label->setText(QStringLiteral("チャレンジモードでゲーム中"));
        label->repaint();
        QTRY_COMPARE(FuriganaShown(label), QString());
    }

    // A tooltip of an own text shows its furigana in a tooltip of our own, and goes as Qt's
    // do; one a reader can read whole stays Qt's.
    void toolTipsShowTheReadings() {
        QWidget window;
        window.resize(640, 480);
        auto* button = new QPushButton(QStringLiteral("OK"), &window);
        button->setGeometry(20, 20, 100, 40);
        button->setToolTip(QStringLiteral("名前を登録します"));
        auto* other = new QPushButton(QStringLiteral("OK"), &window);
        other->setGeometry(200, 20, 100, 40);
        choosePlayer(1);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto hover = [&] {
            QTest::mouseMove(button, QPoint(50, 20));
            QHelpEvent help(QEvent::ToolTip, QPoint(50, 20), button->mapToGlobal(QPoint(50, 20)));
            QApplication::sendEvent(button, &help);
            QCoreApplication::processEvents();
            return RubyToolTip::shownNow();
        };
        RubyToolTip* tip = hover();
        QVERIFY(tip);
        QCOMPARE(tip->furigana(), QStringLiteral("まえとうろく"));
        QCOMPARE(tip->over(), button);
        QVERIFY(!QToolTip::isVisible());
        QVERIFY(tip->geometry().top() > button->mapToGlobal(QPoint(0, 20)).y());
        QVERIFY(tip->grab().toImage().size().width() >= 60);

        QTest::keyClick(&window, Qt::Key_Shift);
        QVERIFY(!RubyToolTip::shownNow());
        QVERIFY(hover());
        QTest::mouseClick(other, Qt::LeftButton);
        QVERIFY(!RubyToolTip::shownNow());
        QVERIFY(hover());
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(button, &leave);
        QVERIFY(!RubyToolTip::shownNow());
        tip = hover();
        QVERIFY(tip);
        tip->hideTimer()->setInterval(0);
        tip->hideTimer()->start();
        QTRY_VERIFY(!RubyToolTip::shownNow());

        choosePlayer(4);
        QVERIFY(!hover());
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), QStringLiteral("名前を登録します"));
        QToolTip::hideText();
    }

    // A word-wrapped label of an own text breaks between phrases, with room for the furigana
    // of each line inside the label.
    void wrappedLabelsShowTheReadings() {
        QWidget window;
        window.resize(640, 480);
        auto* label = new QLabel(&window);
        label->setGeometry(20, 20, 330, 90);
        label->setFont(PixelFont(19, true));
        label->setWordWrap(true);
        label->setText(QStringLiteral("ざんねん！ １０位までにはいれなかった。またがんばろう！"));
        choosePlayer(1);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(FuriganaShown(label), QStringLiteral("い\n"));
        const QList<QRect> ink = FuriganaInk(label);
        QVERIFY(!ink.isEmpty());
        for (const QRect& r : ink)
            QVERIFY(label->geometry().contains(r));
        // painted by us: the first line ends at the phrase, so "また" starts the second line
        const QImage shown = label->grab().toImage();
        int inked = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                inked += qGray(shown.pixel(x, y)) < 128 ? 1 : 0;
        QVERIFY(inked > 200);
        choosePlayer(4);
        QCOMPARE(FuriganaShown(label), QString());
    }

    // Headers and grid cells of own texts paint their text with the furigana above it.
    void itemViewsShowTheReadings() {
        QTreeWidget tree;
        tree.setHeader(new RubyHeaderView(Qt::Horizontal, &tree));
        tree.setGeometry(0, 0, 400, 200);
        tree.setHeaderLabels({QStringLiteral("名前"), QStringLiteral("日付"), QStringLiteral("とくてん")});
        tree.header()->setDefaultAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        for (int c = 0; c < 3; ++c)
            tree.setColumnWidth(c, 120);
        auto inkIn = [&](int section) {
            const QImage img = tree.header()->grab().toImage();
            const int x0 = tree.header()->sectionPosition(section);
            int n = 0;
            for (int y = 0; y < img.height(); ++y)
                for (int x = x0 + 4; x < x0 + tree.header()->sectionSize(section) - 4; ++x)
                    n += qGray(img.pixel(x, y)) < 100 ? 1 : 0;
            return n;
        };
        for (int year : {1, 4}) {
            choosePlayer(year);
            tree.show();
            QVERIFY(QTest::qWaitForWindowExposed(&tree));
            tree.header()->viewport()->update();
            QCoreApplication::processEvents();
            for (int section = 0; section < 3; ++section)
                QVERIFY2(inkIn(section) > 20,
                         qPrintable(QStringLiteral("year %1, section %2").arg(year).arg(section)));
        }
    }

    void furiganaStandAboveTheText() {
        QWidget window;
        window.resize(640, 480);
        auto* label = new QLabel(QStringLiteral("ゲームの種類"), &window);
        label->setFont(PixelFont(20, true));
        label->adjustSize();
        label->move(40, 60);
        choosePlayer(1);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::processEvents();
        QWidget* overlay = nullptr;
        for (QWidget* w : window.findChildren<QWidget*>(QStringLiteral("FuriganaOverlay")))
            if (w->isVisibleTo(&window))
                overlay = w;
        QVERIFY(overlay);
        QVERIFY(overlay->geometry().bottom() <= label->geometry().top() + label->height() / 3);
        QVERIFY(overlay->geometry().top() >=
                label->geometry().top() - RubyHeight(label->font()) - 1);
        QVERIFY(RubyHeight(label->font()) >= 8);
    }

    void messageLinesBreakBetweenPhrases_data() {
        // The width is that of the widest expected line: the breaks must fall where shown.
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("after the full stop")
            << QStringLiteral(
                   "このまま終わるとゲームの結果が記ろくされません。終わってもよいですか？")
            << QStringList{QStringLiteral("このまま終わるとゲームの結果が記ろくされません。"),
                           QStringLiteral("終わってもよいですか？")};
        QTest::newRow("after commas")
            << QStringLiteral(
                   "名前が長すぎます。かなやかんじは10文字、えいすうじは20文字までです。")
            << QStringList{QStringLiteral("名前が長すぎます。かなやかんじは10文字、"),
                           QStringLiteral("えいすうじは20文字までです。")};
        QTest::newRow("between phrases")
            << QStringLiteral("学年は1から4までの数字を入れてください。")
            << QStringList{QStringLiteral("学年は1から4までの"),
                           QStringLiteral("数字を入れてください。")};
        QTest::newRow("never inside katakana or kanji")
            << QStringLiteral("このディスプレイの解像度では、実行できません")
            << QStringList{QStringLiteral("このディスプレイの"), QStringLiteral("解像度では、"),
                           QStringLiteral("実行できません")};
        QTest::newRow("forced break")
            << QStringLiteral("Kanji.dat\nでエラーがおこりました。")
            << QStringList{QStringLiteral("Kanji.dat"), QStringLiteral("でエラーがおこりました。")};
    }
    void messageLinesBreakBetweenPhrases() {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        choosePlayer(1);
        RubyTextView view;
        view.setFont(PixelFont(22, true));
        int width = 0;
        for (const QString& l : lines)
            width = std::max(width, QFontMetrics(view.font()).horizontalAdvance(l));
        view.setMaxTextWidth(width);
        view.setText(text);
        QCOMPARE(view.lineTexts(), lines);
    }

    void noWordIsCutInAnyMessage() {
        // Every own text at a narrow width: no line ends inside a kanji run or inside a word
        // with furigana, and the lines give back the text.
        choosePlayer(1);
        RubyTextView view;
        view.setFont(PixelFont(22, true));
        view.setMaxTextWidth(300);
        for (const OwnTextEntry& e : OwnTextTable()) {
            view.setRubyText(e.ruby);
            const QStringList lines = view.lineTexts();
            QString joined;
            for (int i = 0; i < lines.size(); ++i) {
                // A blank line between paragraphs has no characters to compare.
                if (i > 0 && !lines[i - 1].isEmpty() && !lines[i].isEmpty()) {
                    const QChar a = lines[i - 1].back(), b = lines[i].front();
                    QVERIFY2(!(IsKanji(a) && IsKanji(b)), qPrintable(e.markup));
                }
                joined += lines[i];
            }
            QString plain = PlainText(e.ruby);
            plain.remove(QLatin1Char('\n'));
            plain.remove(QLatin1Char(' '));
            joined.remove(QLatin1Char(' '));
            QCOMPARE(joined, plain);
        }
    }
};

QTEST_MAIN(TestFurigana)
#include "test_furigana.moc"
