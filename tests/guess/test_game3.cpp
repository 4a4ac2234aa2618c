// SPDX-License-Identifier: GPL-3.0-or-later
// Game 3, kanji shuffle: piece settling and shuffling, the timing for N = 3 and 15, the score,
// the progress clock, pausing for the answer, settling on after a decided answer, the endings.
#include "aftergame/TF_Game_Shutsudai.h"
#include "aftergame/practice/TF_Kaki_Renshuu.h"
#include "data/Music.h"
#include "data/Tables.h"
#include "games/guess/BoardView.h"
#include "games/guess/ProgressClock.h"
#include "games/guess/ShuffleBoard.h"
#include "games/guess/TF_Game3.h"
#include "games/guess/TF_Kanji_Sel.h"
#include "guess/GuessTestFiles.h"
#include "platform/MediaPlayer.h"
#include "platform/MessageBoxes.h"
#include "platform/Modal.h"
#include "platform/Random.h"

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
QString kanjiOf(int k) { return Kanji_Tbl[k].text(); }

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

// Every piece in the board exactly once; settled pieces in their own cells.
void checkArrangement(const ShuffleBoard& b)
{
    const int n = b.n();
    QSet<QPair<int, int>> seen;
    for (int x = 1; x <= n; ++x)
        for (int y = 1; y <= n; ++y) {
            const QPoint home = b.pieceAt(x, y);
            QVERIFY(home.x() >= 1 && home.x() <= n && home.y() >= 1 && home.y() <= n);
            seen.insert({home.x(), home.y()});
        }
    QCOMPARE(seen.size(), n * n);
    for (const QPoint& f : b.Fixed_List)
        QCOMPARE(b.pieceAt(f.x(), f.y()), f);
}
}  // namespace

class TestGame3 : public QObject {
    Q_OBJECT
private slots:
    void init() { Midi_Count = 0; }

    // Start and end counts for every division count.
    void counts_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        const int t[][3] = {{3, 4, 8},   {4, 8, 14},  {5, 12, 22},  {6, 18, 32},  {8, 32, 57},
                            {9, 40, 72}, {10, 50, 90}, {12, 72, 129}, {15, 112, 202}};
        for (const auto& r : t)
            QTest::newRow(qPrintable(QString::number(r[0]))) << r[0] << r[1] << r[2];
    }
    void counts()
    {
        QFETCH(int, n);
        QFETCH(int, start);
        QFETCH(int, end);
        QCOMPARE(ShuffleBoard::StartCount(n), start);
        QCOMPARE(ShuffleBoard::EndCount(n), end);
    }

    // Each step settles one more piece (none at c = 0) and keeps a full, valid arrangement.
    void shuffleSteps()
    {
        TestEnv env;
        ShuffleBoard b;
        b.setup(5);
        for (int c = 0; c < b.End_Count; ++c) {
            b.ShufflePieces();
            QCOMPARE(b.settledCount(), c);
            QCOMPARE(b.Home_List.size() + b.Fixed_List.size(), 25);
            checkArrangement(b);
            ++b.Fixed_Count;
        }
    }

    // The loose pieces form a uniform arrangement: with two pieces loose, each order comes up
    // about half the time.
    void looseArrangementUniform()
    {
        TestEnv env;
        int swapped = 0;
        const int runs = 2000;
        for (int r = 0; r < runs; ++r) {
            ShuffleBoard b;
            b.setup(3);
            for (int c = 0; c < 8; ++c) {
                b.ShufflePieces();
                ++b.Fixed_Count;
            }
            // after c = 7, two pieces are loose
            QCOMPARE(b.Home_List.size(), 2);
            const QPoint a = b.Home_List[0];
            swapped += b.pieceAt(a.x(), a.y()) != a ? 1 : 0;
        }
        QVERIFY2(swapped > runs * 0.45 && swapped < runs * 0.55, qPrintable(QString::number(swapped)));
    }

    // Clock colours for R = 4: green at d = 0 and 1, yellow at 2, red at 3.
    void clockColours_data()
    {
        QTest::addColumn<int>("d");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("0") << 0 << QColor(Qt::green);
        QTest::newRow("1") << 1 << QColor(Qt::green);
        QTest::newRow("2") << 2 << QColor(Qt::yellow);
        QTest::newRow("3") << 3 << QColor(Qt::red);
    }
    void clockColours()
    {
        QFETCH(int, d);
        QFETCH(QColor, colour);
        QCOMPARE(ProgressClockColour(d, 4), colour);
        const QImage clock = DrawProgressClock(4 + d, 4, 8);
        // the upper-left quarter is still to come at every d
        QCOMPARE(clock.pixelColor(30, 30), colour);
    }

    // The coloured sector shrinks clockwise from twelve o'clock; at the end the disc is white.
    void clockSector()
    {
        QImage c = DrawProgressClock(4, 4, 8);  // d = 0: all coloured
        QCOMPARE(c.pixelColor(70, 30), QColor(Qt::green));
        QCOMPARE(c.pixelColor(70, 70), QColor(Qt::green));
        c = DrawProgressClock(6, 4, 8);  // half done: the right half white
        QCOMPARE(c.pixelColor(75, 30), QColor(Qt::white));
        QCOMPARE(c.pixelColor(75, 70), QColor(Qt::white));
        QCOMPARE(c.pixelColor(25, 70), QColor(Qt::yellow));
        c = DrawProgressClock(8, 4, 8);
        QCOMPARE(c.pixelColor(25, 70), QColor(Qt::white));
    }

    // N = 3: three settled at the start and c = 4; four ticks settle pieces 4 to 7; the fifth
    // (ten seconds after the start) begins the time-up ending with flashes.
    void n3Timing()
    {
        TestEnv env;
        prepare(env, 3, 1, 1);
        auto* g = new TF_Game3;
        RandomSeed(7);
        g->Rdo_Renshuu->click();
        g->Btn_StartClick();
        QCOMPARE(g->Bunkatsusu, 3);
        QCOMPARE(g->Pieces.settledCount(), 3);
        QCOMPARE(g->Pieces.Fixed_Count, 4);
        QVERIFY(g->Timer1->isActive());
        QCOMPARE(g->Timer1->interval(), 2000);
        int seconds = 0;
        for (int t = 1; t <= 4; ++t) {
            g->Timer1Timer();
            seconds += 2;
            QCOMPARE(g->Pieces.settledCount(), 3 + t);
            QCOMPARE(g->Kekka, 0);
            QCOMPARE(g->Timer1->interval(), 2000);
        }
        QCOMPARE(g->Pieces.Fixed_Count, 8);
        g->Timer1Timer();
        seconds += 2;
        QCOMPARE(seconds, 10);
        QCOMPARE(g->Kekka, 3);
        QCOMPARE(g->Pieces.settledCount(), 7);
        QVERIFY(g->Btn_Start->isHidden());
        QVERIFY(g->Img_Shinkou->isHidden());
        QCOMPARE(g->Image1->picture().pixelColor(180, 180), Bang2Color);
        QCOMPARE(g->Timer1->interval(), 100);
        g->Btn_CancelClick();
    }

    // N = 15: c runs from 112 to 201 over 90 ticks; at most 201 pieces settle.
    void n15Timing()
    {
        TestEnv env;
        prepare(env, 3, 3, 9);
        auto* g = new TF_Game3;
        g->Btn_StartClick();
        QCOMPARE(g->Bunkatsusu, 15);
        QCOMPARE(g->Pieces.Fixed_Count, 112);
        for (int t = 0; t < 90; ++t)
            g->Timer1Timer();
        QCOMPARE(g->Kekka, 0);
        QCOMPARE(g->Pieces.settledCount(), 201);
        g->Timer1Timer();
        QCOMPARE(g->Kekka, 3);
        QCOMPARE(g->Pieces.settledCount(), 201);
        g->Btn_CancelClick();
    }

    // Level 1 challenge: 21 at the start, 21 after the first tick, 20 after the second; the
    // clock stays blank until the first tick.
    void level1Scores()
    {
        TestEnv env;
        prepare(env, 3, 1, 1);
        auto* g = new TF_Game3;
        g->Btn_StartClick();
        QCOMPARE(g->Bunkatsusu, 5);
        QCOMPARE(g->Lbl_Tokuten->text(), QStringLiteral("今答えると21点です"));
        QCOMPARE(g->Lbl_Nokori->text(), QStringLiteral("あと5回答えられます"));
        QVERIFY(!g->Img_Shinkou->pixmap() || g->Img_Shinkou->pixmap().isNull());
        g->Timer1Timer();
        QCOMPARE(g->Lbl_Tokuten->text(), QStringLiteral("今答えると21点です"));
        QVERIFY(!g->Img_Shinkou->pixmap().isNull());
        g->Timer1Timer();
        QCOMPARE(g->Lbl_Tokuten->text(), QStringLiteral("今答えると20点です"));
        g->Btn_CancelClick();
    }

    // The board shows every piece; settled ones in their own places.
    void drawPieces()
    {
        TestEnv env;
        prepare(env, 3, 1, 1);
        auto* g = new TF_Game3;
        g->Btn_StartClick();
        for (const QPoint& f : g->Pieces.Fixed_List) {
            const QRect r = g->cellRect(f.x(), f.y());
            QCOMPARE(g->Image1->picture().copy(r), g->Kanji_Bmp.rules().copy(r));
        }
        g->Btn_CancelClick();
    }

    // Opening the answer box stops the shuffle; a wrong answer with attempts left restarts it.
    void pauseForAnswer()
    {
        TestEnv env;
        prepare(env, 3, 1, 1);
        auto* g = new TF_Game3;
        g->Btn_StartClick();
        g->Btn_kotaeClick();
        QVERIFY(!g->Timer1->isActive());
        g->Edt_Kotae->setText(kanjiOf(g->Mondai_Kanji == 1 ? 2 : 1));
        g->Btn_kotae_KinyuClick();
        QCOMPARE(g->Nokori_Kaisuu, 4);
        QVERIFY(g->Timer1->isActive());
        QCOMPARE(g->Timer1->interval(), 2000);
        g->Btn_CancelClick();
    }

    // A right answer keeps the pieces settling once a second until the end count, then
    // "当たり！", the reveal, the quiz, the credit for game 3 and the ranking with the score
    // computed before the answer.
    void rightAnswerSettlesFirst()
    {
        TestEnv env;
        prepare(env, 3, 1, 1);
        QuizPasser modal;
        modal.install();
        auto* g = new TF_Game3;
        QPointer<TF_Game3> alive(g);
        g->Btn_StartClick();
        g->Timer1Timer();
        g->Timer1Timer();  // c = 14 now, score 20
        const int score = g->Game_Score;
        QCOMPARE(score, 20);
        g->Btn_kotaeClick();
        g->Edt_Kotae->setText(kanjiOf(g->Mondai_Kanji));
        g->Btn_kotae_KinyuClick();
        QCOMPARE(g->Kekka, 1);
        QVERIFY(g->Btn_Start->isHidden());
        QCOMPARE(g->Timer1->interval(), 1000);
        MediaPlayers::log().clear();
        int settling = 0;
        while (g->Pieces.Fixed_Count < g->Pieces.End_Count) {
            g->Timer1Timer();
            ++settling;
            QCOMPARE(g->Timer1->interval(), 1000);
        }
        QCOMPARE(settling, 22 - 14);
        QCOMPARE(g->Game_Score, score);
        QVERIFY(!MediaPlayers::log().contains(QStringLiteral("play Seikai.wav")));
        g->Timer1Timer();  // the message
        QVERIFY(MediaPlayers::log().contains(QStringLiteral("play Seikai.wav")));
        QVERIFY(!MediaPlayers::log().contains(QStringLiteral("open Seikai.wav")));
        QCOMPARE(g->Timer1->interval(), 1500);
        int ticks = 0;
        while (alive && g->Timer1->isActive() && ticks < 100) {
            g->Timer1Timer();
            ++ticks;
        }
        QCOMPARE(ticks, 1 + 59 + 1);
        QCOMPARE(modal.opened, (QStringList{QStringLiteral("quiz"), QStringLiteral("answers"),
                                            QStringLiteral("ranking")}));
        QCOMPARE(Last_Score, score);
        QCOMPARE(Player_Tbl[1].Progress[3], 1);
        QCOMPARE(Player_Tbl[1].Progress[2], 0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!alive);
    }

    // A wrong answer with no attempt left also settles to the end count, then "はずれ";
    // no quiz and no ranking.
    void lastWrongAnswer()
    {
        TestEnv env;
        prepare(env, 3, 1, 1);
        QuizPasser modal;
        modal.install();
        auto* g = new TF_Game3;
        QPointer<TF_Game3> alive(g);
        g->Btn_StartClick();
        g->Nokori_Kaisuu = 1;
        g->Btn_kotaeClick();
        g->Edt_Kotae->setText(kanjiOf(g->Mondai_Kanji == 1 ? 2 : 1));
        g->Btn_kotae_KinyuClick();
        QCOMPARE(g->Kekka, 2);
        QVERIFY(g->Btn_Start->isHidden());
        while (g->Pieces.Fixed_Count < g->Pieces.End_Count)
            g->Timer1Timer();
        MediaPlayers::log().clear();
        g->Timer1Timer();
        QVERIFY(MediaPlayers::log().contains(QStringLiteral("play Hazure.wav")));
        while (alive && g->Timer1->isActive())
            g->Timer1Timer();
        QCOMPARE(modal.opened, QStringList{QStringLiteral("answers")});  // the answer, shown
        QCOMPARE(Player_Tbl[1].Progress[3], 0);
    }

    // Practice mode takes the question level from its box.
    void practiceLevel()
    {
        TestEnv env;
        prepare(env, 3, 1, 1);
        auto* g = new TF_Game3;
        g->Rdo_Renshuu->click();
        g->Edt_Kanji_Level->setText(QStringLiteral("4"));
        g->Btn_StartClick();
        QVERIFY(g->Mondai_Kanji >= 31 && g->Mondai_Kanji <= 40);
        g->Btn_CancelClick();
    }

    // Creation opens "Seikai.wav" (no "Atari.wav"), "Bang.wav" and "Hazure.wav"; music starts
    // with "game31.mid" and follows the shuffle's progress, in the reverse order of game 2.
    void mediaAndMusic()
    {
        TestEnv env;
        prepare(env, 3, 1, 1);
        Midi_Count = 1;
        MediaPlayers::log().clear();
        auto* g = new TF_Game3;
        QVERIFY(MediaPlayers::log().contains(QStringLiteral("open Seikai.wav")));
        QVERIFY(!MediaPlayers::log().join(' ').contains(QStringLiteral("Atari.wav")));
        g->Btn_StartClick();
        QVERIFY(MediaPlayers::log().contains(QStringLiteral("play Game31.mid")));
        MediaPlayers::finish(g->MP_Ate->player());  // p = 0
        QCOMPARE(g->MP_Ate->currentFile(), QStringLiteral("Game34.mid"));
        for (int t = 0; t < 3; ++t)
            g->Timer1Timer();  // c = 15: p = 30
        MediaPlayers::finish(g->MP_Ate->player());
        QCOMPARE(g->MP_Ate->currentFile(), QStringLiteral("Game32.mid"));
        g->Timer1Timer();
        g->Timer1Timer();  // c = 17 : p = 50
        MediaPlayers::finish(g->MP_Ate->player());
        QCOMPARE(g->MP_Ate->currentFile(), QStringLiteral("Game32.mid"));
        g->Timer1Timer();  // 60
        MediaPlayers::finish(g->MP_Ate->player());
        QCOMPARE(g->MP_Ate->currentFile(), QStringLiteral("Game33.mid"));
        g->Btn_CancelClick();
        QVERIFY(!g->MP_Ate->isOn());
    }

    // The picker copies into game 3's answer box too.
    void picker()
    {
        TestEnv env;
        prepare(env, 3, 1, 1);
        auto* g = new TF_Game3;
        g->Btn_StartClick();
        g->Btn_kotaeClick();
        g->Btn_KouhoClick();
        g->F_Kanji_Sel->Grd_KanjiSelectCell(0, 0);
        g->F_Kanji_Sel->Btn_EndClick();
        QCOMPARE(g->Edt_Kotae->text(), kanjiOf(1));
        g->Btn_CancelClick();
    }

    // Writing practice opened from the picker holds the game: no shuffling, no music while the
    // child writes; afterwards the game goes on as it was. The picker is reached with the answer
    // box open, where the shuffle already waits; a shuffle started by then (the test starts it)
    // waits too.
    void practiceFromPickerHoldsTheGame_data()
    {
        QTest::addColumn<bool>("shuffling");
        QTest::newRow("answer box open") << false;
        QTest::newRow("shuffle running") << true;
    }
    void practiceFromPickerHoldsTheGame()
    {
        QFETCH(bool, shuffling);
        TestEnv env;
        prepare(env, 3, 1, 1);
        env.writeFile(QStringLiteral("Kaku.wav"), QByteArray("RIFF"));
        Midi_Count = 1;
        QPointer<TF_Game3> g = new TF_Game3;
        g->show();
        g->Btn_StartClick();
        QVERIFY(g->MP_Ate->isOn());
        QTest::mouseClick(g->Btn_kotae, Qt::LeftButton);
        QTest::mouseClick(g->Btn_Kouho, Qt::LeftButton);
        if (shuffling)
            g->Timer1->start();
        const QString music = g->MP_Ate->currentFile();
        TF_Kanji_Sel* sel = g->F_Kanji_Sel;
        sel->Grd_KanjiSelectCell(0, 0);
        QVERIFY(sel->Btn_Kaite->isVisible());
        bool opened = false, timerDuring = true, musicDuring = true;
        const int fixed = g->Pieces.Fixed_Count;
        Modal::setHook([&](QDialog* d) {
            opened = qobject_cast<TF_Kaki_Renshuu*>(d) != nullptr;
            timerDuring = g->Timer1->isActive();
            musicDuring = g->MP_Ate->isOn();
            return 0;
        });
        QTest::mouseClick(sel->Btn_Kaite, Qt::LeftButton);
        Modal::setHook({});
        QVERIFY(opened);
        QVERIFY(!timerDuring);
        QVERIFY(!musicDuring);
        QCOMPARE(g->Pieces.Fixed_Count, fixed);
        // Back in the game: the music again, the shuffle as it was.
        QVERIFY(g->MP_Ate->isOn());
        QCOMPARE(g->MP_Ate->currentFile(), music);
        QCOMPARE(g->Timer1->isActive(), shuffling);
        g->Btn_CancelClick();
        delete g.data();
    }
};

QTEST_MAIN(TestGame3)
#include "test_game3.moc"
