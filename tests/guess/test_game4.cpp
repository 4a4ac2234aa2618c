// SPDX-License-Identifier: GPL-3.0-or-later
// Game 4, kanji jigsaw: division lists, the countdown score, tray and board, dragging and
// dropping, going back, starting over, judging with the two-pixel margin, the clock and endings.
#include "aftergame/TF_Game_Shutsudai.h"
#include "data/Music.h"
#include "data/Tables.h"
#include "games/guess/BoardView.h"
#include "games/puzzle/JigsawBoard.h"
#include "games/puzzle/TF_Game4.h"
#include "guess/GuessTestFiles.h"
#include "platform/MediaPlayer.h"
#include "platform/MessageBoxes.h"
#include "platform/Modal.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

using namespace GuessTest;

namespace {
QPoint trayCellOf(const TF_Game4& g, QPoint piece)
{
    for (int i = 1; i <= g.Bunkatsusu; ++i)
        for (int j = 1; j <= g.Bunkatsusu; ++j)
            if (g.Board.Tray_Piece[i][j] == piece && !g.Board.Tray_Taken[i][j])
                return {i, j};
    return {};
}

void dragTo(TF_Game4& g, QPoint windowPos)
{
    g.DragOver(windowPos);
    g.Img_DragEndDrag();
}

QPoint boardCentre(const TF_Game4& g, QPoint cell)
{
    return g.Image2->pos() + g.Board.cellRect(cell.x(), cell.y()).center();
}

// Takes the piece `piece` from the tray and drops it on board cell `cell`.
void place(TF_Game4& g, QPoint piece, QPoint cell)
{
    const QPoint from = trayCellOf(g, piece);
    QVERIFY(!from.isNull());
    const QPoint c = g.Board.cellRect(from.x(), from.y()).center();
    g.Image1MouseDown(c.x(), c.y());
    QVERIFY(g.Board.dragging());
    dragTo(g, boardCentre(g, cell));
}

struct QuizPasser {
    QStringList opened;
    void install()
    {
        Modal::setHook([this](QDialog* d) {
            if (auto* quiz = qobject_cast<TF_Game_Shutsudai*>(d)) {
                opened << QStringLiteral("quiz");
                for (int i = 0; i < quiz->Edt_Kaitou.size(); ++i)
                    quiz->Edt_Kaitou[i]->setText(SampleReading(Quiz_Kanji, i + 1));
                quiz->Edt_Kakusuu->setText(QString::number(Kanji_Tbl[Quiz_Kanji].Kakusuu));
                quiz->Btn_kotae_KinyuClick();
                return quiz->result();
            }
            opened << (qstrcmp(d->metaObject()->className(), "TF_Game_Kotae") == 0
                           ? QStringLiteral("answers")
                           : QStringLiteral("ranking"));
            d->accept();
            return int(QDialog::Accepted);
        });
    }
};
}  // namespace

class TestGame4 : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        Midi_Count = 0;
        Disp_Mode = 2;
    }

    // The practice list of the normal layout, at both ends of each step.
    void divisionItems_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("items");
        QTest::newRow("1") << 1 << "3 4";
        QTest::newRow("2") << 2 << "3 4";
        QTest::newRow("3") << 3 << "3 4 6";
        QTest::newRow("5") << 5 << "3 4 6 8";
        QTest::newRow("6") << 6 << "3 4 6 8 9";
        QTest::newRow("8") << 8 << "3 4 6 8 9";
        QTest::newRow("9") << 9 << "3 4 6 8 9 12";
        QTest::newRow("10") << 10 << "3 4 6 8 9 10 12";
        QTest::newRow("20") << 20 << "3 4 6 8 9 10 12";
    }
    void divisionItems()
    {
        QFETCH(int, level);
        QFETCH(QString, items);
        QCOMPARE(JigsawDivisionItems(level).join(QLatin1Char(' ')), items);
    }

    // A challenge's N by stored level.
    void challengeN_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("n");
        const int t[][2] = {{0, 4}, {1, 4}, {2, 6}, {3, 8}, {4, 8}, {5, 9}, {6, 9}, {7, 12}, {15, 12}};
        for (const auto& r : t)
            QTest::newRow(qPrintable(QString::number(r[0]))) << r[0] << r[1];
    }
    void challengeN()
    {
        QFETCH(int, level);
        QFETCH(int, n);
        QCOMPARE(JigsawChallengeCount(level), n);
    }

    // Limit, starting score and points lost per second.
    void startScore_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("step");
        QTest::newRow("N4 L1") << 4 << 1 << 480 << 586 << 1;
        QTest::newRow("N8 L4") << 8 << 4 << 1920 << 3466 << 1;
        QTest::newRow("N9 L5") << 9 << 5 << 2430 << 4870 << 2;
        QTest::newRow("N12 L9") << 12 << 9 << 4320 << 12106 << 2;
        QTest::newRow("N12 L10") << 12 << 10 << 4320 << 12970 << 3;
        // Extended precision: 750 x 2.6 + 10 is 1959 here, 1960 exactly and in double.
        QTest::newRow("N5 L8") << 5 << 8 << 750 << 1959 << 2;
        QTest::newRow("N10 L8") << 10 << 8 << 3000 << 7809 << 2;
    }
    void startScore()
    {
        QFETCH(int, n);
        QFETCH(int, level);
        QFETCH(int, limit);
        QFETCH(int, score);
        QFETCH(int, step);
        const JigsawScore s = JigsawStartScore(n, level);
        QCOMPARE(s.limitSec, limit);
        QCOMPARE(s.score, score);
        QCOMPARE(s.step, step);
    }

    // Pieces that look alike inside the two-pixel margin are interchangeable.
    void samePieceInside()
    {
        QImage a(28, 28, QImage::Format_RGB32);
        a.fill(Qt::blue);
        QImage b = a;
        b.setPixel(1, 10, qRgb(255, 255, 255));   // in the margin
        b.setPixel(26, 26, qRgb(255, 255, 255));  // in the margin
        QVERIFY(SamePieceInside(a, b));
        b.setPixel(2, 2, qRgb(255, 255, 255));
        QVERIFY(!SamePieceInside(a, b));
    }

    // Level 1 challenge: N = 4, limit 480 s, 586 points; 106 left at the limit, then the
    // time-up ending with flashes and "Bang!" and no quiz.
    void level1CountdownAndTimeUp()
    {
        TestEnv env;
        prepare(env, 4, 1, 1);
        QuizPasser modal;
        modal.install();
        auto* g = new TF_Game4;
        QPointer<TF_Game4> alive(g);
        QVERIFY(g->Image1->isHidden());
        g->Btn_StartClick();
        QCOMPARE(g->Bunkatsusu, 4);
        QCOMPARE(g->Lbl_Bunkatsu->text(), QStringLiteral("16"));
        QCOMPARE(g->Limit_Sec, 480);
        QCOMPARE(g->Lbl_Tokuten->text(), QStringLiteral("今できると586点です"));
        QCOMPARE(g->Timer1->interval(), 1000);
        QVERIFY(!g->Image1->isHidden());
        QVERIFY(!g->Image2->isHidden());
        QCOMPARE(g->lbl_Hint->text(), Kanji_Tbl[g->Mondai_Kanji].text());
        QVERIFY(g->Img_Shinkou->pixmap().isNull());
        for (int t = 0; t < 480; ++t)
            g->Timer1Timer();
        QCOMPARE(g->Game_Score, 106);
        QCOMPARE(g->Lbl_Tokuten->text(), QStringLiteral("今できると106点です"));
        QCOMPARE(g->Kekka, 0);
        g->Timer1Timer();
        QCOMPARE(g->Kekka, 3);
        QVERIFY(g->Lbl_Tokuten->isHidden());
        QCOMPARE(g->Image1->picture().pixelColor(144, 144), Bang2Color);
        // no piece moves once the time is up
        g->Image2MouseDown(10, 10);
        g->Image1MouseDown(10, 10);
        QVERIFY(!g->Board.dragging());
        int ticks = 0;
        while (alive && g->Timer1->isActive() && ticks < 200) {
            g->Timer1Timer();
            ++ticks;
        }
        QVERIFY(modal.opened.isEmpty());
        QCOMPARE(Player_Tbl[1].Progress[4], 0);
    }

    // The clock: dark green for the first half of the time, yellow to three quarters, red.
    void clockColours()
    {
        TestEnv env;
        prepare(env, 4, 1, 1);
        auto* g = new TF_Game4;
        g->Btn_StartClick();
        auto colourAt = [g] { return g->Img_Shinkou->pixmap().toImage().pixelColor(25, 30); };
        g->Timer1Timer();
        QCOMPARE(colourAt(), QColor(0, 128, 0));
        while (g->Elapsed_Sec < 240)
            g->Timer1Timer();
        QCOMPARE(colourAt(), QColor(Qt::yellow));
        while (g->Elapsed_Sec < 360)
            g->Timer1Timer();
        QCOMPARE(colourAt(), QColor(Qt::red));
        g->Btn_CancelClick();
    }

    // N = 10 in the normal layout: pieces of 28 pixels and an 8-pixel strip outside every cell.
    void n10Strip()
    {
        TestEnv env;
        prepare(env, 4, 1, 10);
        auto* g = new TF_Game4;
        g->Rdo_Renshuu->click();
        g->Cmb_Bunkatsusu->setCurrentText(QStringLiteral("10"));
        g->Btn_StartClick();
        QCOMPARE(g->Bunkatsusu, 10);
        QCOMPARE(g->Board.pieceSize(), 28);
        QCOMPARE(g->Board.cellRect(10, 10).right(), 279);
        QCOMPARE(g->Board.cellAt(287, 287), QPoint(10, 10));
        // nothing but the ground (and the grid lines running across) in the strip
        for (int y = 0; y < 288; ++y) {
            if (y % 28 <= 1 || y % 28 == 27)
                continue;
            for (int x = 282; x < 288; ++x) {
                QCOMPARE(g->Image1->picture().pixelColor(x, y), TPictureGameFrame::Navy);
                QCOMPARE(g->Image1->picture().pixelColor(y, x), TPictureGameFrame::Navy);
                QCOMPARE(g->Image2->picture().pixelColor(x, y), QColor(128, 128, 128));
            }
        }
        // taking from the strip takes the last cell's piece
        g->Image1MouseDown(286, 286);
        QVERIFY(g->Board.Tray_Taken[10][10]);
        g->Btn_CancelClick();
    }

    // Taking a tray piece greys its cell; the floating piece sits over the cell, then follows
    // the pointer centred; dropping on an empty board cell places it.
    void dragAndDrop()
    {
        TestEnv env;
        prepare(env, 4, 1, 1);
        auto* g = new TF_Game4;
        g->Btn_StartClick();
        MediaPlayers::log().clear();
        g->Image1MouseDown(100, 30);  // tray cell (2, 1)
        QVERIFY(g->Board.Tray_Taken[2][1]);
        QCOMPARE(g->Img_Drag->geometry(), QRect(g->Image1->pos() + QPoint(72, 0), QSize(72, 72)));
        QVERIFY(g->Img_Drag->isVisible() || !g->isVisible());
        QCOMPARE(g->Image1->picture().pixelColor(100, 30), QColor(128, 128, 128));
        const QPoint over = boardCentre(*g, QPoint(3, 3));
        g->DragOver(over);
        QCOMPARE(g->Img_Drag->pos(), over - QPoint(36, 36));
        // outside both pictures the floating piece stays where it was
        g->DragOver(QPoint(5, 460));
        QCOMPARE(g->Img_Drag->pos(), over - QPoint(36, 36));
        const QPoint piece = g->Board.Tray_Piece[2][1];
        g->Img_DragEndDrag();
        QVERIFY(g->Board.Board_Filled[3][3]);
        QCOMPARE(g->Board.Board_Piece[3][3], piece);
        QCOMPARE(g->Board.Placed_Count, 1);
        QVERIFY(g->Img_Drag->isHidden());
        QVERIFY(!g->Btn_Back->isHidden());
        QVERIFY(!g->Btn_kotae_Kinyu->isHidden());
        QVERIFY(MediaPlayers::log().contains(QStringLiteral("play gacha.wav")));
        const QRect r = g->Board.cellRect(3, 3).adjusted(2, 2, -2, -2);
        QCOMPARE(g->Image2->picture().copy(r),
                 g->Cell_Bmp[piece.x()][piece.y()].rules().copy(r.translated(-g->Board.cellRect(3, 3).topLeft())));
        // a board piece can move to another empty board cell, and never back to the tray
        const QPoint c = g->Board.cellRect(3, 3).center();
        g->Image2MouseDown(c.x(), c.y());
        dragTo(*g, boardCentre(*g, QPoint(1, 4)));
        QVERIFY(!g->Board.Board_Filled[3][3]);
        QCOMPARE(g->Board.Board_Piece[1][4], piece);
        QCOMPARE(g->Board.Placed_Count, 1);
        g->Image2MouseDown(g->Board.cellRect(1, 4).center().x(), g->Board.cellRect(1, 4).center().y());
        dragTo(*g, g->Image1->pos() + QPoint(100, 100));
        QCOMPARE(g->Board.Board_Piece[1][4], piece);
        g->Btn_CancelClick();
    }

    // Time runs out while a piece is in the hand: it goes back where it came from, and a board
    // piece shows in its cell again through the ending.
    void timeUpWhileDragging_data()
    {
        QTest::addColumn<bool>("fromBoard");
        QTest::newRow("board piece") << true;
        QTest::newRow("tray piece") << false;
    }
    void timeUpWhileDragging()
    {
        QFETCH(bool, fromBoard);
        TestEnv env;
        prepare(env, 4, 1, 1);
        QuizPasser modal;
        modal.install();
        QPointer<TF_Game4> g = new TF_Game4;
        g->Btn_StartClick();
        const QPoint piece = g->Board.Tray_Piece[2][1];
        place(*g, piece, QPoint(3, 3));
        const QRect cell = g->Board.cellRect(3, 3);
        const QImage boardBefore = g->Image2->picture().copy(cell);
        const QRect trayCell = g->Board.cellRect(1, 1);
        const QImage trayBefore = g->Image1->picture().copy(trayCell);
        if (fromBoard) {
            g->Image2MouseDown(cell.center().x(), cell.center().y());
            QVERIFY(g->Image2->picture().copy(cell) != boardBefore);
        } else {
            g->Image1MouseDown(trayCell.center().x(), trayCell.center().y());
            QVERIFY(g->Image1->picture().copy(trayCell) != trayBefore);
        }
        QVERIFY(g->Board.dragging());
        while (g->Kekka == 0)
            g->Timer1Timer();
        QCOMPARE(g->Kekka, 3);
        QVERIFY(!g->Board.dragging());
        QVERIFY(g->Img_Drag->isHidden());
        QCOMPARE(g->Image2->picture().copy(cell), boardBefore);
        if (!fromBoard)
            QVERIFY(!g->Board.Tray_Taken[1][1]);  // the ending's flashes cover the tray picture
        if (g)
            g->Btn_CancelClick();
    }

    // An occupied target and a drop outside the board send the piece back; a tray piece shows
    // again in its tray cell.
    void goingBack()
    {
        TestEnv env;
        prepare(env, 4, 1, 1);
        auto* g = new TF_Game4;
        g->Btn_StartClick();
        g->Image1MouseDown(10, 10);
        dragTo(*g, boardCentre(*g, QPoint(2, 2)));
        const QImage trayBefore = g->Image1->picture();
        // occupied target
        g->Image1MouseDown(250, 250);  // tray cell (4, 4)
        dragTo(*g, boardCentre(*g, QPoint(2, 2)));
        QVERIFY(!g->Board.Tray_Taken[4][4]);
        QCOMPARE(g->Image1->picture(), trayBefore);
        QCOMPARE(g->Board.Placed_Count, 1);
        // outside the board
        g->Image1MouseDown(250, 250);
        dragTo(*g, g->Image1->pos() + QPoint(200, 200));
        QVERIFY(!g->Board.Tray_Taken[4][4]);
        QCOMPARE(g->Board.Placed_Count, 1);
        // a board piece dropped outside returns to its board cell
        const QPoint c = g->Board.cellRect(2, 2).center();
        const QPoint piece = g->Board.Board_Piece[2][2];
        g->Image2MouseDown(c.x(), c.y());
        dragTo(*g, g->Image1->pos() + QPoint(10, 200));
        QCOMPARE(g->Board.Board_Piece[2][2], piece);
        QVERIFY(g->Board.Board_Filled[2][2]);
        g->Btn_CancelClick();
    }

    // "やり直し" returns every piece to the tray in a new order; time runs on.
    void startOver()
    {
        TestEnv env;
        prepare(env, 4, 1, 1);
        auto* g = new TF_Game4;
        g->Btn_StartClick();
        g->Timer1Timer();
        g->Image1MouseDown(10, 10);
        dragTo(*g, boardCentre(*g, QPoint(1, 1)));
        g->Btn_BackClick();
        QCOMPARE(g->Board.Placed_Count, 0);
        for (int i = 1; i <= 4; ++i)
            for (int j = 1; j <= 4; ++j) {
                QVERIFY(!g->Board.Board_Filled[i][j]);
                QVERIFY(!g->Board.Tray_Taken[i][j]);
            }
        QCOMPARE(g->Elapsed_Sec, 1);
        g->Btn_CancelClick();
    }

    // The last tray piece judges at once: a wrong full board shows the miss message.
    void fullWrongBoard()
    {
        TestEnv env;
        prepare(env, 4, 1, 1);
        auto* g = new TF_Game4;
        g->Btn_StartClick();
        // make the pictures distinct so a swap is wrong
        for (int i = 1; i <= 4; ++i)
            for (int j = 1; j <= 4; ++j)
                g->Cell_Bmp[i][j].fill(QColor(i * 40, j * 40, 0));
        for (int i = 1; i <= 4; ++i)
            for (int j = 1; j <= 4; ++j) {
                const QPoint target = (i == 1 && j <= 2) ? QPoint(1, 3 - j) : QPoint(i, j);
                place(*g, QPoint(i, j), target);
            }
        QCOMPARE(MessageBoxes::shown(), QStringList{QStringLiteral("ざんねん！ はずれです")});
        QCOMPARE(g->Kekka, 0);
        g->Btn_CancelClick();
    }

    // A wrong piece of plain background in a cell whose own piece is plain too counts as
    // right; the right board leads to "やった！", the quiz, a credit for game 4 and the ranking.
    void lookAlikeRightBoard()
    {
        TestEnv env;
        prepare(env, 4, 1, 1);
        QuizPasser modal;
        modal.install();
        auto* g = new TF_Game4;
        QPointer<TF_Game4> alive(g);
        g->Btn_StartClick();
        for (int i = 1; i <= 4; ++i)
            for (int j = 1; j <= 4; ++j)
                g->Cell_Bmp[i][j].fill(QColor(i * 40, j * 40, 0));
        g->Cell_Bmp[4][3].fill(TPictureGameFrame::Navy);
        g->Cell_Bmp[4][4].fill(TPictureGameFrame::Navy);
        g->Cell_Bmp[4][4].paint([](QPainter& p) {  // differs only in the margin
            p.setPen(Qt::white);
            p.drawPoint(0, 0);
        });
        g->Timer1Timer();
        g->Timer1Timer();
        for (int i = 1; i <= 4; ++i)
            for (int j = 1; j <= 4; ++j) {
                QPoint target(i, j);
                if (i == 4 && j >= 3)
                    target = QPoint(4, 7 - j);  // the two plain pieces swapped
                place(*g, QPoint(i, j), target);
            }
        QVERIFY(MessageBoxes::shown().isEmpty());
        QCOMPARE(g->Kekka, 1);
        const int score = g->Game_Score;
        QCOMPARE(score, 584);
        // late moves are refused once the board is right
        g->Image2MouseDown(10, 10);
        QVERIFY(!g->Board.dragging());
        g->Btn_BackClick();
        QCOMPARE(g->Board.Placed_Count, 16);
        MediaPlayers::log().clear();
        g->Timer1Timer();
        QVERIFY(MediaPlayers::log().contains(QStringLiteral("play Seikai.wav")));
        QVERIFY(!g->Btn_Start->isHidden());
        QCOMPARE(g->Game_Score, score);
        int ticks = 0;
        while (alive && g->Timer1->isActive() && ticks < 200) {
            g->Timer1Timer();
            ++ticks;
        }
        QCOMPARE(ticks, 1 + 59 + 1);
        QCOMPARE(modal.opened, (QStringList{QStringLiteral("quiz"), QStringLiteral("answers"),
                                            QStringLiteral("ranking")}));
        QCOMPARE(Last_Score, score);
        QCOMPARE(Player_Tbl[1].Progress[4], 1);
    }

    // Practice: the board shows the whole kanji as a guide; a right board earns no credit.
    void practiceGuide()
    {
        TestEnv env;
        prepare(env, 4, 1, 1);
        QuizPasser modal;
        modal.install();
        auto* g = new TF_Game4;
        QPointer<TF_Game4> alive(g);
        g->Rdo_Renshuu->click();
        g->Btn_StartClick();
        QCOMPARE(g->Bunkatsusu, 3);
        int white = 0;
        const QImage board = g->Image2->picture();
        for (int y = 3; y < 285; ++y)
            for (int x = 3; x < 285; ++x)
                white += board.pixelColor(x, y) == QColor(Qt::white) ? 1 : 0;
        QVERIFY(white > 1000);
        for (int i = 1; i <= 3; ++i)
            for (int j = 1; j <= 3; ++j)
                place(*g, QPoint(i, j), QPoint(i, j));
        QCOMPARE(g->Kekka, 1);
        while (alive && g->Timer1->isActive())
            g->Timer1Timer();
        QCOMPARE(modal.opened.size(), 3);  // quiz, answers, ranking
        QCOMPARE(Player_Tbl[1].Progress[4], 0);
    }

    // Practice mode takes the question level from its box, as the other picture games do.
    void practiceLevelBox()
    {
        TestEnv env;
        prepare(env, 4, 1, 1);
        auto* g = new TF_Game4;
        g->Rdo_Renshuu->click();
        g->Edt_Kanji_Level->setText(QStringLiteral("4"));
        g->Btn_StartClick();
        QVERIFY(g->Mondai_Kanji >= 31 && g->Mondai_Kanji <= 40);
        g->Btn_CancelClick();
    }

    // The large layout: pictures of 360 pixels, the guessing game's practice list, and the
    // whole design 1.25 times as large.
    void largeLayout()
    {
        TestEnv env;
        prepare(env, 4, 1, 10);
        Disp_Mode = 1;
        auto* g = new TF_Game4;
        QCOMPARE(g->Side, 360);
        QCOMPARE(g->Image1->geometry(), QRect(403, 36, 360, 360));
        QCOMPARE(g->Image2->geometry(), QRect(20, 36, 360, 360));
        QCOMPARE(g->Cmb_Bunkatsusu->count(), 9);
        g->Btn_StartClick();
        QCOMPARE(g->Bunkatsusu, 12);
        QCOMPARE(g->Board.pieceSize(), 30);
        QCOMPARE(g->Image1->picture().size(), QSize(360, 360));
        const QPoint c = g->Board.cellRect(1, 1).center();
        g->Image1MouseDown(c.x(), c.y());
        dragTo(*g, boardCentre(*g, QPoint(12, 12)));
        QVERIFY(g->Board.Board_Filled[12][12]);
        g->Btn_CancelClick();
        Disp_Mode = 2;
    }

    // Music starts with "game41.mid" and follows the share of the time used.
    void music()
    {
        TestEnv env;
        prepare(env, 4, 1, 1);
        Midi_Count = 1;
        MediaPlayers::log().clear();
        auto* g = new TF_Game4;
        QVERIFY(MediaPlayers::log().contains(QStringLiteral("open gacha.wav")));
        g->Btn_StartClick();
        QVERIFY(MediaPlayers::log().contains(QStringLiteral("play Game41.mid")));
        MediaPlayers::finish(g->MP_Ate->player());
        QCOMPARE(g->MP_Ate->currentFile(), QStringLiteral("Game44.mid"));  // p = 0
        for (int t = 0; t < 48; ++t)
            g->Timer1Timer();  // 10 %
        MediaPlayers::finish(g->MP_Ate->player());
        QCOMPARE(g->MP_Ate->currentFile(), QStringLiteral("Game41.mid"));
        for (int t = 0; t < 240; ++t)
            g->Timer1Timer();  // 60 %
        MediaPlayers::finish(g->MP_Ate->player());
        QCOMPARE(g->MP_Ate->currentFile(), QStringLiteral("Game43.mid"));
        g->Btn_CancelClick();
        QVERIFY(!g->MP_Ate->isOn());
    }
};

QTEST_MAIN(TestGame4)
#include "test_game4.moc"
