// SPDX-License-Identifier: GPL-3.0-or-later
// Game 2's window on the shared picture-game frame: start values, opening cells, bombs and the
// warning, answers, the ending with its flashes and reveal, quiz, level credit, ranking, music.
#include "aftergame/TF_Game_Shutsudai.h"
#include "aftergame/UpDown.h"
#include "data/Music.h"
#include "data/Tables.h"
#include "games/guess/BoardView.h"
#include "games/guess/TF_Game2.h"
#include "games/guess/TF_Kanji_Sel.h"
#include "guess/GuessTestFiles.h"
#include "platform/Cp932.h"
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
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

using namespace GuessTest;

namespace {
// Clears every bomb so cells can be opened freely, then sets the given ones.
void arrangeBombs(TF_Game2& g, const QList<QPoint>& bombs)
{
    for (int i = 1; i <= g.Bunkatsusu; ++i)
        for (int j = 1; j <= g.Bunkatsusu; ++j)
            g.Board.setBomb(i, j, false);
    for (const QPoint& b : bombs)
        g.Board.setBomb(b.x(), b.y(), true);
}

QPoint cellCentre(const TF_Game2& g, int i, int j) { return g.cellRect(i, j).center(); }

void clickCell(TF_Game2& g, int i, int j)
{
    const QPoint p = cellCentre(g, i, j);
    g.Image1MouseDown(Qt::LeftButton, p.x(), p.y());
}

// The share of the picture's pixels in exactly this colour.
double colourShare(const QImage& image, const QColor& colour)
{
    int hits = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            hits += image.pixelColor(x, y) == colour ? 1 : 0;
    return double(hits) / (image.width() * image.height());
}

QString kanjiOf(int k) { return Kanji_Tbl[k].text(); }

// Runs the timer until the game is left; returns the number of ticks.
int runEnding(TF_Game2& g, QList<int>* intervals = nullptr)
{
    QPointer<TF_Game2> alive(&g);
    int ticks = 0;
    while (alive && g.Timer1->isActive() && ticks < 1000) {
        if (intervals)
            intervals->append(g.Timer1->interval());
        g.Timer1Timer();
        ++ticks;
    }
    return ticks;
}

// Answers the quiz right (or leaves it) and closes the ranking, recording what was opened.
struct ModalDriver {
    QStringList opened;
    bool passQuiz = true;
    void install()
    {
        Modal::setHook([this](QDialog* d) {
            if (auto* quiz = qobject_cast<TF_Game_Shutsudai*>(d)) {
                opened << QStringLiteral("quiz");
                if (passQuiz) {
                    const int k = Quiz_Kanji;
                    for (int i = 0; i < quiz->Edt_Kaitou.size(); ++i)
                        quiz->Edt_Kaitou[i]->setText(SampleReading(k, i + 1));
                    quiz->Edt_Kakusuu->setText(QString::number(Kanji_Tbl[k].Kakusuu));
                    quiz->Btn_kotae_KinyuClick();
                } else {
                    MessageBoxes::queueAnswer(MsgAnswer::Yes);
                    quiz->Btn_CloseClick();
                }
                return quiz->result();
            }
            opened << QString::fromLatin1(d->metaObject()->className());
            d->accept();
            return int(QDialog::Accepted);
        });
    }
};
}  // namespace

class TestGame2 : public QObject {
    Q_OBJECT
private slots:
    void init() { Midi_Count = 0; }

    // Creation: challenge selected, settings and progress hidden, the practice list for L.
    void creation()
    {
        TestEnv env;
        prepare(env, 2, 1, 3);
        TF_Game2 g;
        QVERIFY(g.picturesLoaded());
        QVERIFY(g.Rdo_Challenge->isChecked());
        QVERIFY(g.Grp_Level->isHidden());
        QVERIFY(g.Grp_Tokuten->isHidden());
        QVERIFY(g.Btn_kotae->isHidden());
        QVERIFY(g.Edt_Kotae->isHidden());
        QVERIFY(!g.Timer1->isActive());
        QCOMPARE(g.Cmb_Bunkatsusu->count(), 4);
        QCOMPARE(g.Cmb_Bunkatsusu->currentText(), QStringLiteral("3"));
        QCOMPARE(g.Label1->text(), QStringLiteral("かんじ当てゲーム"));
        QVERIFY(g.F_Kanji_Sel);
        QVERIFY(g.F_Kanji_Sel->isHidden());
        QVERIFY(MessageBoxes::shown().isEmpty());
        g.Grp_shuruiClick(0);
        QVERIFY(!g.Grp_Level->isHidden());
        QCOMPARE(g.Lbl_Mode->text(), QStringLiteral("練習モードでゲーム中"));
        g.Grp_shuruiClick(1);
        QVERIFY(g.Grp_Level->isHidden());
        QCOMPARE(g.Lbl_Mode->text(), QStringLiteral("チャレンジモードでゲーム中"));
    }

    // Level 1 challenge: N = 5, five attempts, 36 points at the start.
    void level1ChallengeStart()
    {
        TestEnv env;
        prepare(env, 2, 1, 1);
        TF_Game2 g;
        g.Btn_StartClick();
        QCOMPARE(g.Bunkatsusu, 5);
        QCOMPARE(g.Board.cellSize(), 72);
        QCOMPARE(g.Nokori_Kaisuu, 5);
        QCOMPARE(g.Lbl_Nokori->text(), QStringLiteral("あと5回答えられます"));
        QCOMPARE(g.Lbl_Tokuten->text(), QStringLiteral("今答えると36点です"));
        QCOMPARE(g.Lbl_Bunkatsu->text(), QStringLiteral("25"));
        QCOMPARE(g.Lbl_Bang->text(), QString::number(g.Board.Bang_Count));
        QVERIFY(g.Mondai_Kanji >= 1 && g.Mondai_Kanji <= 10);
        QVERIFY(g.Grp_shurui->isHidden());
        QVERIFY(!g.Grp_Tokuten->isHidden());
        QVERIFY(!g.Btn_kotae->isHidden());
        QVERIFY(!g.Lbl_Msg1->isHidden());
        QVERIFY(!g.Lbl_Mode->isHidden());
        QCOMPARE(g.Btn_Start->text(), QStringLiteral("ゲームおわり"));
        QCOMPARE(g.Kekka, 0);
    }

    // Level 9 challenge: 15 by 15 cells of 24 pixels.
    void level9Challenge()
    {
        TestEnv env;
        prepare(env, 2, 3, 9);
        TF_Game2 g;
        g.Btn_StartClick();
        QCOMPARE(g.Bunkatsusu, 15);
        QCOMPARE(g.Board.cellSize(), 24);
        QCOMPARE(g.Lbl_Bunkatsu->text(), QStringLiteral("225"));
    }

    // Level 8 challenge (N = 12): with 66 cells open and 12 attempts the box shows 233 points,
    // the score in extended precision (exactly 90 x 2.6 would be 234).
    void level8ScoreInExtendedPrecision()
    {
        TestEnv env;
        prepare(env, 2, 3, 8);
        TF_Game2 g;
        g.Btn_StartClick();
        QCOMPARE(g.Bunkatsusu, 12);
        QCOMPARE(g.Nokori_Kaisuu, 12);
        QCOMPARE(g.Lbl_Tokuten->text(), QStringLiteral("今答えると405点です"));  // 156 x 2.6 = 405.6
        arrangeBombs(g, {});
        int opened = 0;
        for (int j = 1; j <= 12 && opened < 66; ++j)
            for (int i = 1; i <= 12 && opened < 66; ++i, ++opened)
                clickCell(g, i, j);
        QCOMPARE(g.Board.Open_Count, 66);
        QCOMPARE(g.Game_Score, 233);
        QCOMPARE(g.Lbl_Tokuten->text(), QStringLiteral("今答えると233点です"));
    }

    // Practice mode takes N from the list and the kanji level from its box.
    void practiceSettings()
    {
        TestEnv env;
        prepare(env, 2, 1, 1);
        TF_Game2 g;
        g.Rdo_Renshuu->click();
        g.Cmb_Bunkatsusu->setCurrentIndex(1);
        g.UD_Kanji_Levelown1->stepUp();
        g.UD_Kanji_Levelown1->stepUp();
        QCOMPARE(g.Edt_Kanji_Level->text(), QStringLiteral("3"));
        g.Btn_StartClick();
        QCOMPARE(g.Bunkatsusu, 4);
        QVERIFY(g.Mondai_Kanji >= 21 && g.Mondai_Kanji <= 30);
        QCOMPARE(g.Lbl_Mode->text(), QStringLiteral("練習モードでゲーム中"));
    }

    // Opening a cell shows its piece, counts it, lowers the score and hides the invitation;
    // clicking it again changes nothing.
    void openCell()
    {
        TestEnv env;
        prepare(env, 2, 1, 1);
        TF_Game2 g;
        g.Btn_StartClick();
        arrangeBombs(g, {QPoint(5, 5)});
        MediaPlayers::log().clear();
        clickCell(g, 3, 3);
        QCOMPARE(g.Board.Open_Count, 1);
        QCOMPARE(g.Lbl_Open->text(), QStringLiteral("1"));
        QCOMPARE(g.Lbl_Tokuten->text(), QStringLiteral("今答えると34点です"));  // 29 x 1.2
        QVERIFY(g.Lbl_Msg1->isHidden());
        QVERIFY(g.Lbl_Bang_Alarm->isHidden());
        QVERIFY(MediaPlayers::log().contains(QStringLiteral("play Atari.wav")));
        // the board shows the kanji picture in the opened cell
        const QRect r = g.cellRect(3, 3);
        QCOMPARE(g.Image1->picture().copy(r), g.Kanji_Bmp.rules().copy(r));
        const QImage before = g.Image1->picture();
        clickCell(g, 3, 3);
        QCOMPARE(g.Board.Open_Count, 1);
        QCOMPARE(g.Image1->picture(), before);
    }

    // The warning shows next to a bomb, also at a corner, and hides away from one.
    void bombWarning()
    {
        TestEnv env;
        prepare(env, 2, 1, 1);
        TF_Game2 g;
        g.Btn_StartClick();
        arrangeBombs(g, {QPoint(2, 2)});
        clickCell(g, 1, 1);
        QVERIFY(!g.Lbl_Bang_Alarm->isHidden());
        clickCell(g, 5, 1);
        QVERIFY(g.Lbl_Bang_Alarm->isHidden());
        clickCell(g, 3, 3);
        QVERIFY(!g.Lbl_Bang_Alarm->isHidden());
    }

    // A live bomb: the bomb picture in the cell, attempts gone, the ending starts a second later
    // with nine flashes (Img_Bang2 first), "Bang!" with its sound, then the reveal; no quiz.
    void liveBomb()
    {
        TestEnv env;
        prepare(env, 2, 1, 1);
        ModalDriver modal;
        modal.install();
        auto* g = new TF_Game2;
        g->Btn_StartClick();
        arrangeBombs(*g, {QPoint(4, 2)});
        clickCell(*g, 4, 2);
        QCOMPARE(g->Kekka, 3);
        QCOMPARE(g->Nokori_Kaisuu, 0);
        QVERIFY(g->Btn_Start->isHidden());
        QVERIFY(g->Btn_kotae->isHidden());
        QVERIFY(g->Lbl_Tokuten->isHidden());
        QCOMPARE(g->Image1->picture().pixelColor(g->cellRect(4, 2).center()), BangColor);
        QVERIFY(g->Timer1->isActive());
        QCOMPARE(g->Timer1->interval(), 1000);
        // clicks during the ending do nothing
        clickCell(*g, 1, 1);
        QCOMPARE(g->Board.Open_Count, 0);

        for (int t = 1; t <= 9; ++t) {
            g->Timer1Timer();
            QCOMPARE(g->Image1->picture().pixelColor(180, 180),
                     t % 2 == 1 ? Bang2Color : Bang1Color);
            QCOMPARE(g->Timer1->interval(), 100);
        }
        MediaPlayers::log().clear();
        g->Timer1Timer();
        QVERIFY(MediaPlayers::log().contains(QStringLiteral("play Bang.wav")));
        QCOMPARE(g->Timer1->interval(), 1500);
        QCOMPARE(g->Image1->picture().pixelColor(5, 5), TPictureGameFrame::Navy);
        QList<int> intervals;
        QPointer<TF_Game2> alive(g);
        const int ticks = runEnding(*g, &intervals);
        QCOMPARE(ticks, 1 + 59 + 1);  // clear, reveal, end
        QCOMPARE(intervals.count(50), 59);
        QCOMPARE(intervals.last(), 500);
        QCOMPARE(modal.opened, QStringList{QStringLiteral("TF_Game_Kotae")});  // the answer, shown
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!alive);
    }

    // With one attempt left a bomb cell opens like any cell.
    void bombWithOneAttemptOpens()
    {
        TestEnv env;
        prepare(env, 2, 1, 1);
        TF_Game2 g;
        g.Btn_StartClick();
        arrangeBombs(g, {QPoint(2, 3)});
        g.Nokori_Kaisuu = 1;
        clickCell(g, 2, 3);
        QCOMPARE(g.Kekka, 0);
        QCOMPARE(g.Board.Open_Count, 1);
        QVERIFY(g.Board.opened(2, 3));
        QVERIFY(!g.Timer1->isActive());
    }

    // Answers that are not one double-byte character are refused without cost; two letters
    // are a wrong answer; a character Shift-JIS cannot hold is refused, never a crash.
    void answerLength_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("costs");
        QTest::newRow("one letter") << "a" << false;
        QTest::newRow("three bytes") << "abc" << false;
        QTest::newRow("two letters") << "ab" << true;
        QTest::newRow("not in cp932") << QString::fromUtf8("\xF0\xA0\xAE\xB7") << false;
    }
    void answerLength()
    {
        QFETCH(QString, typed);
        QFETCH(bool, costs);
        TestEnv env;
        prepare(env, 2, 1, 1);
        TF_Game2 g;
        g.Btn_StartClick();
        g.Btn_kotaeClick();
        g.Edt_Kotae->setText(typed);
        QVERIFY(!g.Btn_kotae_Kinyu->isHidden());
        g.Btn_kotae_KinyuClick();
        if (costs) {
            QCOMPARE(MessageBoxes::shown(), QStringList{QStringLiteral("ざんねん！ まちがいです")});
            QCOMPARE(g.Nokori_Kaisuu, 4);
            QCOMPARE(g.Lbl_Nokori->text(), QStringLiteral("あと4回答えられます"));
            QVERIFY(!g.Btn_kotae->isHidden());
            QVERIFY(g.Edt_Kotae->isHidden());
        } else {
            QCOMPARE(MessageBoxes::shown(), QStringList{QStringLiteral("かんじ１文字で答えよう！")});
            QCOMPARE(g.Nokori_Kaisuu, 5);
            QCOMPARE(g.Edt_Kotae->text(), QString());
            QVERIFY(!g.Edt_Kotae->isHidden());
        }
        QCOMPARE(g.Kekka, 0);
    }

    // The answer button shows once the box holds text.
    void answerEntry()
    {
        TestEnv env;
        prepare(env, 2, 1, 1);
        TF_Game2 g;
        g.Btn_StartClick();
        g.Btn_kotaeClick();
        QVERIFY(g.Btn_kotae->isHidden());
        QVERIFY(!g.Edt_Kotae->isHidden());
        QVERIFY(!g.Btn_Kouho->isHidden());
        QVERIFY(!g.Lbl_Kotae->isHidden());
        QVERIFY(g.Btn_kotae_Kinyu->isHidden());
        g.Edt_Kotae->setText(QStringLiteral(" "));
        QVERIFY(g.Btn_kotae_Kinyu->isHidden());
        g.Edt_Kotae->setText(QStringLiteral("山"));
        QVERIFY(!g.Btn_kotae_Kinyu->isHidden());
        g.Edt_Kotae->clear();
        QVERIFY(!g.Btn_kotae_Kinyu->isHidden());
    }

    // The picker's copy button writes the choice into the game's answer box.
    void pickerCopiesIntoAnswer()
    {
        TestEnv env;
        prepare(env, 2, 1, 1);
        TF_Game2 g;
        g.Btn_StartClick();
        g.Btn_kotaeClick();
        g.Btn_KouhoClick();
        QVERIFY(g.F_Kanji_Sel->isVisible());
        g.F_Kanji_Sel->Grd_KanjiSelectCell(1, 2);  // kanji 11
        QCOMPARE(g.F_Kanji_Sel->lbl_Kotae->text(), kanjiOf(11));
        g.F_Kanji_Sel->Btn_EndClick();
        QVERIFY(g.F_Kanji_Sel->isHidden());
        QCOMPARE(g.Edt_Kotae->text(), kanjiOf(11));
        QVERIFY(!g.Btn_kotae_Kinyu->isHidden());
    }

    // A right answer in challenge mode: "当たり！" with "Seikai.wav", the reveal, the quiz; when
    // passed a level credit, the score in Last_Score and the ranking; then the window closes.
    void rightAnswerChallenge()
    {
        TestEnv env;
        prepare(env, 2, 1, 1);
        ModalDriver modal;
        modal.install();
        auto* g = new TF_Game2;
        QPointer<TF_Game2> alive(g);
        g->Btn_StartClick();
        arrangeBombs(*g, {QPoint(5, 5)});
        clickCell(*g, 1, 1);
        clickCell(*g, 2, 1);
        const int score = g->Game_Score;
        QCOMPARE(score, 33);  // (25 - 2 + 5) x 1.2
        g->Btn_kotaeClick();
        g->Edt_Kotae->setText(kanjiOf(g->Mondai_Kanji));
        g->Btn_kotae_KinyuClick();
        QCOMPARE(g->Kekka, 1);
        QVERIFY(g->Edt_Kotae->isHidden());
        QVERIFY(g->Lbl_Tokuten->isHidden());
        QVERIFY(g->Lbl_Nokori->isHidden());
        QVERIFY(!g->Btn_Start->isHidden());  // usable until the first tick
        QCOMPARE(g->Timer1->interval(), 1000);
        MediaPlayers::log().clear();
        g->Timer1Timer();
        QVERIFY(g->Btn_Start->isHidden());
        QVERIFY(MediaPlayers::log().contains(QStringLiteral("open Seikai.wav")));
        QVERIFY(MediaPlayers::log().contains(QStringLiteral("play Seikai.wav")));
        QVERIFY(colourShare(g->Image1->picture(), Qt::yellow) > 0.02);
        const int mondai = g->Mondai_Kanji;
        runEnding(*g);
        QCOMPARE(modal.opened, (QStringList{QStringLiteral("quiz"), QStringLiteral("TF_Game_Kotae"),
                                            QStringLiteral("TF_Game_Kiroku")}));
        QCOMPARE(Quiz_Kanji, mondai);
        QVERIFY(Quiz_Passed);
        QCOMPARE(Last_Score, score);
        QCOMPARE(Player_Tbl[1].Progress[2], 1);
        QCOMPARE(Kiroku_Tbl[2][1].Tokuten, score);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!alive);
    }

    // Ten passed challenges raise the level.
    void tenCreditsRaiseLevel()
    {
        TestEnv env;
        prepare(env, 2, 1, 1);
        Player_Tbl[1].Progress[2] = 9;
        ModalDriver modal;
        modal.install();
        auto* g = new TF_Game2;
        g->Btn_StartClick();
        g->Btn_kotaeClick();
        g->Edt_Kotae->setText(kanjiOf(g->Mondai_Kanji));
        g->Btn_kotae_KinyuClick();
        runEnding(*g);
        QCOMPARE(Player_Tbl[1].Level[2], 2);
        QCOMPARE(Player_Tbl[1].Progress[2], 0);
    }

    // Practice mode leads to quiz and ranking but never to a level credit.
    void rightAnswerPractice()
    {
        TestEnv env;
        prepare(env, 2, 1, 1);
        ModalDriver modal;
        modal.install();
        auto* g = new TF_Game2;
        g->Rdo_Renshuu->click();
        g->Btn_StartClick();
        g->Btn_kotaeClick();
        g->Edt_Kotae->setText(kanjiOf(g->Mondai_Kanji));
        g->Btn_kotae_KinyuClick();
        runEnding(*g);
        QCOMPARE(modal.opened.size(), 3);  // quiz, answers, ranking
        QCOMPARE(Player_Tbl[1].Progress[2], 0);
        QCOMPARE(Player_Tbl[1].Level[2], 1);
        QCOMPARE(Last_Score, 14);  // practice N = 3: (9 + 3) x 1.2
    }

    // A quiz that is not passed records nothing.
    void quizNotPassed()
    {
        TestEnv env;
        prepare(env, 2, 1, 1);
        ModalDriver modal;
        modal.passQuiz = false;
        modal.install();
        Last_Score = -1;
        auto* g = new TF_Game2;
        g->Btn_StartClick();
        g->Btn_kotaeClick();
        g->Edt_Kotae->setText(kanjiOf(g->Mondai_Kanji));
        g->Btn_kotae_KinyuClick();
        runEnding(*g);
        QCOMPARE(modal.opened, QStringList{QStringLiteral("quiz")});
        QCOMPARE(Player_Tbl[1].Progress[2], 0);
        QCOMPARE(Last_Score, -1);
        QCOMPARE(Kiroku_Tbl[2][1].Game, std::int16_t(0));
    }

    // A wrong answer with one attempt left ends with "はずれ": no quiz, credit or ranking.
    void lastWrongAnswer()
    {
        TestEnv env;
        prepare(env, 2, 1, 1);
        ModalDriver modal;
        modal.install();
        auto* g = new TF_Game2;
        g->Btn_StartClick();
        g->Nokori_Kaisuu = 1;
        const QString wrong = kanjiOf(g->Mondai_Kanji == 1 ? 2 : 1);
        g->Btn_kotaeClick();
        g->Edt_Kotae->setText(wrong);
        g->Btn_kotae_KinyuClick();
        QCOMPARE(g->Kekka, 2);
        QVERIFY(g->Btn_Start->isHidden());
        QVERIFY(g->Btn_kotae->isHidden());
        MediaPlayers::log().clear();
        g->Timer1Timer();
        QVERIFY(MediaPlayers::log().contains(QStringLiteral("play Hazure.wav")));
        QVERIFY(colourShare(g->Image1->picture(), Qt::red) > 0.01);
        runEnding(*g);
        QCOMPARE(modal.opened, QStringList{QStringLiteral("TF_Game_Kotae")});  // the answer, shown
        QCOMPARE(Player_Tbl[1].Progress[2], 0);
    }

    // Pressing the end button right after a right answer leaves without quiz or ranking.
    void leaveBeforeFirstTick()
    {
        TestEnv env;
        prepare(env, 2, 1, 1);
        ModalDriver modal;
        modal.install();
        auto* g = new TF_Game2;
        QPointer<TF_Game2> alive(g);
        g->Btn_StartClick();
        g->Btn_kotaeClick();
        g->Edt_Kotae->setText(kanjiOf(g->Mondai_Kanji));
        g->Btn_kotae_KinyuClick();
        g->Btn_Start->click();
        QVERIFY(!g->Timer1->isActive());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!alive);
        QVERIFY(modal.opened.isEmpty());
    }

    // Music: "game21.mid" at the start; at each end of a track the variant follows the share of
    // opened cells; leaving stops it.
    void music()
    {
        TestEnv env;
        prepare(env, 2, 1, 1);
        Midi_Count = 1;
        auto* g = new TF_Game2;
        MediaPlayers::log().clear();
        g->Btn_StartClick();
        QVERIFY(MediaPlayers::log().contains(QStringLiteral("play Game21.mid")));
        arrangeBombs(*g, {QPoint(5, 5)});
        MediaPlayers::finish(g->MP_Ate->player());
        QCOMPARE(g->MP_Ate->currentFile(), QStringLiteral("Game21.mid"));  // p = 0
        for (int i = 1; i <= 5; ++i)
            clickCell(*g, i, 1);  // 20 %
        MediaPlayers::finish(g->MP_Ate->player());
        QCOMPARE(g->MP_Ate->currentFile(), QStringLiteral("Game24.mid"));
        for (int i = 1; i <= 5; ++i)
            clickCell(*g, i, 2);  // 40 %
        MediaPlayers::finish(g->MP_Ate->player());
        QCOMPARE(g->MP_Ate->currentFile(), QStringLiteral("Game23.mid"));
        for (int i = 1; i <= 5; ++i)
            for (int j = 3; j <= 4; ++j)
                clickCell(*g, i, j);  // 80 %
        MediaPlayers::finish(g->MP_Ate->player());
        QCOMPARE(g->MP_Ate->currentFile(), QStringLiteral("Game21.mid"));
        g->Btn_CancelClick();
        QVERIFY(!g->MP_Ate->isOn());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Without a bomb picture the window reports it and offers no game.
    void missingBombPicture()
    {
        TestEnv env;
        prepare(env, 2, 1, 1);
        env.removeFile(QStringLiteral("Bang1.wmf"));
        TF_Game2 g;
        QVERIFY(!g.picturesLoaded());
        QCOMPARE(MessageBoxes::shown(), QStringList{QStringLiteral("Bang1.wmfでエラーがおこりました。 ")});
        QVERIFY(!g.Btn_Start->isEnabled());
        g.Btn_StartClick();
        QVERIFY(!g.started());
    }
};

QTEST_MAIN(TestGame2)
#include "test_game2.moc"
