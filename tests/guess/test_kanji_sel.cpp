// SPDX-License-Identifier: GPL-3.0-or-later
// The answer candidate picker: the grid by school year, choosing with its click sound, and
// copying into the answer box of games 2 and 3 only.
#include "data/Tables.h"
#include "games/guess/TF_Kanji_Sel.h"
#include "guess/GuessTestFiles.h"
#include "platform/Cp932.h"
#include "platform/MediaPlayer.h"
#include "platform/MessageBoxes.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using namespace GuessTest;

class TestKanjiSel : public QObject {
    Q_OBJECT
private slots:
    // School year 1: a 10 by 8 grid of kanji 1 to 80, down the columns.
    void year1Grid()
    {
        TestEnv env;
        prepare(env, 2, 1, 1);
        QLineEdit answer;
        TF_Kanji_Sel sel(&answer);
        QCOMPARE(sel.Grd_Kanji->columnCount(), 10);
        QCOMPARE(sel.Grd_Kanji->rowCount(), 8);
        QCOMPARE(sel.Grd_Kanji->columnWidth(0), 50);
        QCOMPARE(sel.Grd_Kanji->rowHeight(0), 35);
        for (int r = 0; r < 8; ++r) {
            QCOMPARE(sel.Grd_Kanji->item(r, 0)->text(), Kanji_Tbl[1 + r].text());
            QCOMPARE(sel.Grd_Kanji->item(r, 1)->text(), Kanji_Tbl[9 + r].text());
        }
        QCOMPARE(sel.Grd_Kanji->item(7, 9)->text(), Kanji_Tbl[80].text());
        QCOMPARE(sel.Grd_Kanji->editTriggers(), QAbstractItemView::NoEditTriggers);
        QVERIFY(MessageBoxes::shown().isEmpty());
    }

    // Choosing shows the kanji and plays the click; copying writes it into the game's box and
    // hides the picker, which keeps its choice for the next showing.
    void chooseAndCopy()
    {
        TestEnv env;
        prepare(env, 2, 1, 1);
        QLineEdit answer;
        TF_Kanji_Sel sel(&answer);
        sel.show();
        MediaPlayers::log().clear();
        sel.Grd_KanjiSelectCell(2, 3);  // kanji 20
        QCOMPARE(sel.lbl_Kotae->text(), Kanji_Tbl[20].text());
        QVERIFY(MediaPlayers::log().contains(QStringLiteral("play Select.wav")));
        sel.Btn_EndClick();
        QCOMPARE(answer.text(), Kanji_Tbl[20].text());
        QVERIFY(sel.isHidden());
        QCOMPARE(sel.lbl_Kotae->text(), Kanji_Tbl[20].text());
    }

    // School year 5: 19 columns; the last holds five kanji and five empty cells; an empty
    // choice empties the label and copying it empties the answer box.
    void year5EmptyCells()
    {
        TestEnv env;
        prepare(env, 2, 5, 1);
        Kanji_Tbl[825].Kanji = Cp932::fromUnicode(QStringLiteral("績"));
        QLineEdit answer(QStringLiteral("山"));
        TF_Kanji_Sel sel(&answer);
        QCOMPARE(sel.Grd_Kanji->columnCount(), 19);
        QCOMPARE(sel.Grd_Kanji->rowCount(), 10);
        QCOMPARE(sel.Grd_Kanji->item(4, 18)->text(), QStringLiteral("績"));
        for (int r = 5; r < 10; ++r)
            QCOMPARE(sel.Grd_Kanji->item(r, 18)->text(), QString());
        sel.Grd_KanjiSelectCell(18, 4);
        QCOMPARE(sel.lbl_Kotae->text(), QStringLiteral("績"));
        sel.Grd_KanjiSelectCell(18, 7);
        QCOMPARE(sel.lbl_Kotae->text(), QString());
        sel.Btn_EndClick();
        QCOMPARE(answer.text(), QString());
    }

    // Copying without any choice writes the empty text.
    void copyWithoutChoice()
    {
        TestEnv env;
        prepare(env, 3, 1, 1);
        QLineEdit answer(QStringLiteral("x"));
        TF_Kanji_Sel sel(&answer);
        sel.Btn_EndClick();
        QCOMPARE(answer.text(), QString());
    }

    // Only games 2 and 3 take the copy.
    void otherGamesWriteNothing()
    {
        TestEnv env;
        prepare(env, 4, 1, 1);
        QLineEdit answer(QStringLiteral("x"));
        TF_Kanji_Sel sel(&answer);
        sel.Grd_KanjiSelectCell(0, 0);
        sel.Btn_EndClick();
        QCOMPARE(answer.text(), QStringLiteral("x"));
        QVERIFY(sel.isHidden());
    }

    // A mouse press on a cell chooses it, also when it is chosen already.
    void pressChooses()
    {
        TestEnv env;
        prepare(env, 2, 1, 1);
        QLineEdit answer;
        TF_Kanji_Sel sel(&answer);
        sel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sel));
        const QRect cell = sel.Grd_Kanji->visualItemRect(sel.Grd_Kanji->item(1, 1));
        MediaPlayers::log().clear();
        QTest::mouseClick(sel.Grd_Kanji->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(sel.lbl_Kotae->text(), Kanji_Tbl[10].text());
        QTest::mouseClick(sel.Grd_Kanji->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(MediaPlayers::log().count(QStringLiteral("play Select.wav")), 2);
    }

    // Without "Select.wav" the picker reports it and works on silently.
    void missingSound()
    {
        TestEnv env;
        prepare(env, 2, 1, 1);
        env.removeFile(QStringLiteral("Select.wav"));
        QLineEdit answer;
        TF_Kanji_Sel sel(&answer);
        QCOMPARE(MessageBoxes::shown(), QStringList{QStringLiteral("Select.wav でエラーがおこりました。 ")});
        sel.Grd_KanjiSelectCell(0, 0);
        QCOMPARE(sel.lbl_Kotae->text(), Kanji_Tbl[1].text());
    }
};

QTEST_MAIN(TestKanjiSel)
#include "test_kanji_sel.moc"
