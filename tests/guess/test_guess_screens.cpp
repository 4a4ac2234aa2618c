// SPDX-License-Identifier: GPL-3.0-or-later
// What the child sees of game 2, the quiz and the picker: the board mid-game, the message, the
// growing reveal, the quiz with its hiragana table and the picker grid. Set MOJI_SHOTS to a
// folder to keep the pictures for a look.
#include "aftergame/TF_Game_Shutsudai.h"
#include "data/Tables.h"
#include "games/guess/BoardView.h"
#include "games/guess/TF_Game2.h"
#include "games/guess/TF_Game3.h"
#include "games/puzzle/TF_Game4.h"
#include "games/guess/TF_Kanji_Sel.h"
#include "guess/GuessTestFiles.h"
#include "platform/Fonts.h"
#include "writing/KanaTable.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace GuessTest;

namespace {
void keep(QWidget* w, const QString& name)
{
    const QString dir = qEnvironmentVariable("MOJI_SHOTS");
    if (!dir.isEmpty())
        w->grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

int countNear(const QImage& image, const QColor& colour, const QRect& area)
{
    int hits = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            hits += std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                            std::abs(c.blue() - colour.blue()) <
                        60
                        ? 1
                        : 0;
        }
    return hits;
}
}  // namespace

class TestGuessScreens : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InstallFontSubstitutions(); }

    // The kanji fills most of the hidden picture.
    void kanjiFillsPicture()
    {
        TestEnv env;
        prepare(env, 2, 1, 1);
        TF_Game2 g;
        g.Btn_StartClick();
        const QImage& k = g.Kanji_Bmp.rules();
        const int white = countNear(k, Qt::white, k.rect());
        QVERIFY2(white > 360 * 360 / 20, qPrintable(QString::number(white)));
        // ink reaches into all four quarters of the square
        for (const QRect& q : {QRect(0, 0, 180, 180), QRect(180, 0, 180, 180),
                               QRect(0, 180, 180, 180), QRect(180, 180, 180, 180)})
            QVERIFY(countNear(k, Qt::white, q) > 0);
    }

    // Mid-game board, messages and the reveal.
    void boardAndEnding()
    {
        TestEnv env;
        prepare(env, 2, 1, 1);
        auto* g = new TF_Game2;
        g->show();
        QVERIFY(QTest::qWaitForWindowExposed(g));
        g->Btn_StartClick();
        for (int i = 1; i <= g->Bunkatsusu; ++i)
            for (int j = 1; j <= g->Bunkatsusu; ++j)
                g->Board.setBomb(i, j, false);
        g->Board.setBomb(4, 4, true);
        for (const QPoint& c : {QPoint(2, 2), QPoint(3, 2), QPoint(3, 3), QPoint(2, 4)}) {
            const QPoint p = g->cellRect(c.x(), c.y()).center();
            g->Image1MouseDown(Qt::LeftButton, p.x(), p.y());
        }
        g->Btn_kotaeClick();
        keep(g, QStringLiteral("game2-midgame"));
        QVERIFY(countNear(g->Image1->picture(), Qt::white, QRect(0, 0, 360, 360)) > 0);

        g->Edt_Kotae->setText(Kanji_Tbl[g->Mondai_Kanji].text());
        g->Btn_kotae_KinyuClick();
        g->Timer1Timer();
        keep(g, QStringLiteral("game2-atari"));
        // the whole message fits the picture
        const QImage msg = g->Image1->picture();
        QVERIFY(countNear(msg, Qt::yellow, QRect(50, 100, 300, 150)) > 1000);
        QCOMPARE(countNear(msg, Qt::yellow, QRect(352, 0, 8, 360)), 0);
        g->Timer1Timer();  // clear
        for (int t = 0; t < 30; ++t)
            g->Timer1Timer();
        keep(g, QStringLiteral("game2-reveal"));
        const QImage half = g->Image1->picture();
        // half-side 93 after 30 reveal ticks: nothing outside the square yet
        QCOMPARE(countNear(half, Qt::white, QRect(0, 0, 360, 80)), 0);
        for (int t = 0; t < 29; ++t)
            g->Timer1Timer();
        keep(g, QStringLiteral("game2-revealed"));
        QCOMPARE(g->Image1->picture(), g->Kanji_Bmp.rules());
        g->Btn_CancelClick();
    }

    // A bomb flash fills the board.
    void bombFlash()
    {
        TestEnv env;
        prepare(env, 2, 1, 1);
        // The real bomb pictures when the build has drawn them, else the plain test ones.
        for (const char* f : {"Bang.wmf", "Bang1.wmf", "Bang2.wmf"}) {
            QFile real(TestEnv::builtProgramDir() + QLatin1Char('/') + QLatin1String(f));
            if (real.open(QIODevice::ReadOnly))
                env.writeFile(QString::fromLatin1(f), real.readAll());
        }
        auto* g = new TF_Game2;
        g->show();
        g->Btn_StartClick();
        for (int i = 1; i <= g->Bunkatsusu; ++i)
            for (int j = 1; j <= g->Bunkatsusu; ++j)
                g->Board.setBomb(i, j, false);
        g->Board.setBomb(2, 2, true);
        const QPoint p = g->cellRect(2, 2).center();
        g->Image1MouseDown(Qt::LeftButton, p.x(), p.y());
        keep(g, QStringLiteral("game2-bomb-cell"));
        g->Timer1Timer();
        keep(g, QStringLiteral("game2-flash"));
        for (int t = 0; t < 9; ++t)
            g->Timer1Timer();
        keep(g, QStringLiteral("game2-bang"));
        QVERIFY(countNear(g->Image1->picture(), Qt::red, QRect(50, 100, 300, 150)) > 500);
        g->Btn_CancelClick();
    }

    // The quiz with three sentences and its hiragana table.
    void quiz()
    {
        TestEnv env;
        prepare(env, 2, 1, 1);
        Quiz_Kanji = 1;
        Mondai_Idx[1].Count = 5;
        TF_Game_Shutsudai quiz;
        quiz.show();
        QVERIFY(QTest::qWaitForWindowExposed(&quiz));
        quiz.Edt_Kaitou[0]->setText(QStringLiteral("ひと"));
        quiz.Edt_Kaitou[1]->setText(QStringLiteral("いちx"));
        quiz.Edt_Kakusuu->setText(QStringLiteral("1"));
        quiz.Btn_kotae_KinyuClick();
        keep(&quiz, QStringLiteral("quiz"));
        for (QLineEdit* e : quiz.Edt_Kaitou)
            QVERIFY(e->geometry().right() < quiz.Kana_Table->x() ||
                    e->geometry().bottom() < quiz.Kana_Table->y());
    }

    // The jigsaw mid-drag, its right ending and its time-up ending.
    void jigsaw()
    {
        TestEnv env;
        prepare(env, 4, 1, 1);
        auto* g = new TF_Game4;
        g->show();
        QVERIFY(QTest::qWaitForWindowExposed(g));
        g->Btn_StartClick();
        for (int t = 0; t < 100; ++t)
            g->Timer1Timer();
        // three pieces home, one in the hand
        int placed = 0;
        for (int i = 1; i <= 4 && placed < 3; ++i)
            for (int j = 1; j <= 4 && placed < 3; ++j) {
                for (int a = 1; a <= 4; ++a)
                    for (int b = 1; b <= 4; ++b)
                        if (g->Board.Tray_Piece[a][b] == QPoint(i, j)) {
                            const QPoint c = g->Board.cellRect(a, b).center();
                            g->Image1MouseDown(c.x(), c.y());
                        }
                g->DragOver(g->Image2->pos() + g->Board.cellRect(i, j).center());
                g->Img_DragEndDrag();
                ++placed;
            }
        g->Image1MouseDown(250, 250);
        g->DragOver(g->Image2->pos() + QPoint(200, 150));
        keep(g, QStringLiteral("game4-drag"));
        QVERIFY(g->Img_Drag->isVisible());
        QVERIFY(g->Img_Drag->geometry().intersects(g->Image2->geometry()));
        g->Img_DragEndDrag();
        while (g->Kekka == 0)
            g->Timer1Timer();
        g->Timer1Timer();
        keep(g, QStringLiteral("game4-flash"));
        while (g->Ending.Step_No < 20)
            g->Timer1Timer();
        keep(g, QStringLiteral("game4-timeup-reveal"));
        // the reveal grows from the middle of the smaller picture
        const QImage r = g->Image1->picture();
        QCOMPARE(r.pixelColor(2, 2), TPictureGameFrame::Navy);
        g->Btn_CancelClick();

        auto* h = new TF_Game4;
        h->show();
        h->Btn_StartClick();
        for (int i = 1; i <= 4; ++i)
            for (int j = 1; j <= 4; ++j)
                for (int a = 1; a <= 4; ++a)
                    for (int b = 1; b <= 4; ++b)
                        if (h->Board.Tray_Piece[a][b] == QPoint(i, j) && !h->Board.Tray_Taken[a][b]) {
                            const QPoint c = h->Board.cellRect(a, b).center();
                            h->Image1MouseDown(c.x(), c.y());
                            h->DragOver(h->Image2->pos() + h->Board.cellRect(i, j).center());
                            h->Img_DragEndDrag();
                        }
        QCOMPARE(h->Kekka, 1);
        h->Timer1Timer();
        keep(h, QStringLiteral("game4-yatta"));
        QVERIFY(countNear(h->Image1->picture(), Qt::yellow, QRect(40, 90, 248, 150)) > 500);
        QCOMPARE(countNear(h->Image1->picture(), Qt::yellow, QRect(284, 0, 4, 288)), 0);
        h->Btn_CancelClick();
    }

    // The shuffle mid-game and its time-up message.
    void shuffle()
    {
        TestEnv env;
        prepare(env, 3, 1, 3);
        auto* g = new TF_Game3;
        g->show();
        QVERIFY(QTest::qWaitForWindowExposed(g));
        g->Btn_StartClick();
        for (int t = 0; t < 10; ++t)
            g->Timer1Timer();
        keep(g, QStringLiteral("game3-mid"));
        while (g->Kekka == 0)
            g->Timer1Timer();
        while (g->Ending.Step_No == 0)
            g->Timer1Timer();
        keep(g, QStringLiteral("game3-bang"));
        QVERIFY(countNear(g->Image1->picture(), Qt::red, QRect(50, 100, 300, 150)) > 500);
        g->Btn_CancelClick();
    }

    // A quiz with one sentence keeps its table clear of the buttons.
    void quizOneSentence()
    {
        TestEnv env;
        prepare(env, 2, 1, 1);
        Mondai_Idx[1].Count = 1;
        Quiz_Kanji = 1;
        TF_Game_Shutsudai quiz;
        quiz.show();
        QVERIFY(QTest::qWaitForWindowExposed(&quiz));
        keep(&quiz, QStringLiteral("quiz-one"));
        QVERIFY(quiz.Kana_Table->geometry().bottom() < quiz.Btn_kotae_Kinyu->y());
        QVERIFY(quiz.Kana_Table->y() > quiz.Lbl_Bun.last()[0]->geometry().bottom());
    }

    // The picker for a school-year-2 child.
    void picker()
    {
        TestEnv env;
        prepare(env, 2, 2, 1);
        QLineEdit answer;
        TF_Kanji_Sel sel(&answer);
        sel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sel));
        sel.Grd_KanjiSelectCell(3, 4);
        keep(&sel, QStringLiteral("picker"));
        QCOMPARE(sel.lbl_Kotae->text(), Kanji_Tbl[81 + 3 * 10 + 4].text());
    }
};

QTEST_MAIN(TestGuessScreens)
#include "test_guess_screens.moc"
