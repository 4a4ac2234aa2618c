// SPDX-License-Identifier: GPL-3.0-or-later
// The matching game's window: starting, the child's and the computer's turns, the end, leaving.
#include "aftergame/TF_Game_Kiroku.h"
#include "data/MainMenu.h"
#include "data/Rules.h"
#include "data/Tables.h"
#include "games/puzzle/CardPicture.h"
#include "games/puzzle/MatchingPoints.h"
#include "games/puzzle/TF_Game1.h"
#include "platform/CentredLayout.h"
#include "platform/Clock.h"
#include "platform/Cp932.h"
#include "platform/MediaPlayer.h"
#include "platform/MessageBoxes.h"
#include "platform/Modal.h"
#include "platform/ProgramEnd.h"
#include "support/SampleData.h"
#include "support/TestEnv.h"
#include "data/Music.h"

#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

namespace {
const QString Name = QStringLiteral("ゆうき");

// A year-1 player on a fresh program directory with sample kanji and media files present.
void prepare(TestEnv& env, int level = 1)
{
    WriteSampleKanjiData(env);
    for (const char* f : {"Game11.mid", "Game12.mid", "Game13.mid", "Game14.mid", "Seikai.wav", "Select.wav"})
        env.writeFile(QString::fromLatin1(f), QByteArray("x"));
    Midi_Count = 1;
    Player_Count = 1;
    Player_Tbl[1].No = 1;
    Player_Tbl[1].Name.setSjis(Cp932::fromUnicode(Name));
    Player_Tbl[1].Gakunen = 1;
    Player_Tbl[1].Level[1] = static_cast<std::int16_t>(level);
    Cur_Player = 1;
    StartGame(1);
}

// Another card with the same kanji as card a, still on the board (and not one of `except`).
int partner(const TF_Game1& w, int a, QSet<int> except = {})
{
    for (int c = 1; c <= CardCount; ++c)
        if (c != a && !except.contains(c) && w.Board.onBoard(c) &&
            w.Board.Card_Kanji[c] == w.Board.Card_Kanji[a])
            return c;
    return 0;
}

// A card on the board with a different kanji from card a.
int stranger(const TF_Game1& w, int a)
{
    for (int c = 1; c <= CardCount; ++c)
        if (w.Board.onBoard(c) && w.Board.Card_Kanji[c] != w.Board.Card_Kanji[a])
            return c;
    return 0;
}

void childTurn(TF_Game1& w)
{
    w.Man_Turn = true;
    w.Flip_Count = 0;
    w.Turn_Start = Clock::elapsedMs();
}

void click(TF_Game1& w, int card) { QTest::mouseClick(w.Cards[card], Qt::LeftButton); }

// Leaves one pair (cards a and b) on the board, the others taken.
std::pair<int, int> leaveOnePair(TF_Game1& w)
{
    const int a = w.Board.Nokori_List[1];
    const int b = partner(w, a);
    while (w.Board.Nokori_Count > 2) {
        int x = 0;
        for (int i = 1; i <= w.Board.Nokori_Count; ++i) {
            const int c = w.Board.Nokori_List[i];
            if (c != a && c != b) {
                x = c;
                break;
            }
        }
        const int y = partner(w, x, {a, b});
        w.Board.removePair(x, y);
        w.Cards[x]->hide();
        w.Cards[y]->hide();
    }
    return {a, b};
}
}  // namespace

class TestGame1 : public QObject {
    Q_OBJECT

private slots:
    // Before the start: ふつう chosen, no cards, the timer stopped, scores empty.
    void created()
    {
        TestEnv env;
        prepare(env);
        TF_Game1 w;
        QVERIFY(w.Grp_TsuyosaItems[1]->isChecked());
        QVERIFY(!w.Timer1->isActive());
        QVERIFY(w.Lbl_Man_ten->text().isEmpty());
        QVERIFY(!w.Cards[1]);
        QCOMPARE(w.Label_Title->text(), QStringLiteral("かんじあわせゲーム"));
        QCOMPARE(w.Btn_Start->text(), QStringLiteral("ゲームはじめ"));
        QCOMPARE(w.Grp_E->geometry(), QRect(16, 112, 353, 329));
    }

    // Starting deals nine kanji four times, shows the board and whose turn it is, and plays music.
    void start_data()
    {
        QTest::addColumn<int>("strength");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<float>("factor");
        QTest::newRow("つよい") << 0 << QStringLiteral("強い") << 2.0f;
        QTest::newRow("ふつう") << 1 << QStringLiteral("ふつう") << 1.5f;
        QTest::newRow("よわい") << 2 << QStringLiteral("弱い") << 1.0f;
    }
    void start()
    {
        TestEnv env;
        QFETCH(int, strength);
        QFETCH(QString, shown);
        QFETCH(float, factor);
        prepare(env, 3);
        TF_Game1 w;
        w.Grp_TsuyosaItems[strength]->setChecked(true);
        QTest::mouseClick(w.Btn_Start, Qt::LeftButton);
        QCOMPARE(w.Tsuyosa, strength + 1);
        QCOMPARE(w.Tsuyosa_Factor, factor);
        QVERIFY(qAbs(w.Level_Factor - 1.6f) < 1e-6f);
        QCOMPARE(w.Lbl_Tsuyosa->text(), shown);
        QVERIFY(!w.Grp_Tsuyosa->isEnabled());
        QVERIFY(w.Btn_Start->isHidden());
        QVERIFY(!w.Btn_End->isHidden());
        QVERIFY(w.Timer1->isActive());
        QCOMPARE(w.Lbl_Man_ten->text(), QStringLiteral("0"));
        QCOMPARE(w.Board.Nokori_Count, 36);
        QMap<int, int> count;
        for (int c = 1; c <= CardCount; ++c) {
            QVERIFY(!w.Cards[c]->isHidden());
            QVERIFY(w.Board.Card_Kanji[c] >= 21 && w.Board.Card_Kanji[c] <= 30);  // level 3 of year 1
            ++count[w.Board.Card_Kanji[c]];
        }
        QCOMPARE(count.size(), 9);
        if (w.Man_Turn) {
            QCOMPARE(w.Lbl_Junban->text(), Name + QStringLiteral("のばん"));
            QVERIFY(w.boardHintOn());
        } else {
            QCOMPARE(w.Lbl_Junban->text(), QStringLiteral("コンピュータのばん"));
            QVERIFY(!w.boardHintOn());
        }
        QVERIFY(MediaPlayers::log().contains(QStringLiteral("play Game11.mid")));
    }

    // Cards lie down the columns at 50-pixel steps; the large layout uses 70 and a 420 board.
    void layouts_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QRect>("card8");
        QTest::addColumn<QSize>("board");
        QTest::newRow("normal") << 2 << QRect(60, 70, 50, 50) << QSize(353, 329);
        QTest::newRow("large") << 1 << QRect(70, 70, 70, 70) << QSize(420, 420);
    }
    void layouts()
    {
        TestEnv env;
        QFETCH(int, mode);
        QFETCH(QRect, card8);
        QFETCH(QSize, board);
        prepare(env);
        Disp_Mode = static_cast<std::int16_t>(mode);
        Disp_Scale = mode == 1 ? 1.25 : 1;
        TF_Game1 w;
        w.Btn_StartClick();
        QCOMPARE(w.Cards[8]->geometry(), card8);
        QCOMPARE(w.Grp_E->size(), board);
        QCOMPARE(w.cardSide(), card8.width());
        Disp_Mode = 2;
        Disp_Scale = 1;
    }

    // The child's pair: points shown and added, the turn kept, the kanji shown until the next tick.
    void childPair()
    {
        TestEnv env;
        prepare(env, 3);
        TF_Game1 w;
        w.Btn_StartClick();
        childTurn(w);
        const int a = w.Board.Nokori_List[1];
        const int b = partner(w, a);
        w.Board.Turn_No = 6;
        w.Board.Seen_Turn[a] = 3;
        w.Board.Seen_Turn[b] = 4;
        MediaPlayers::log().clear();
        click(w, a);
        QVERIFY(MediaPlayers::log().contains(QStringLiteral("play Select.wav")));
        QVERIFY(!w.Timer1->isActive());
        QVERIFY(w.Cards[a]->isHidden());
        QLabel* k1 = w.KanjiLabels[1];
        QVERIFY(!k1->isHidden());
        QCOMPARE(k1->text(), Kanji_Tbl[w.Board.Card_Kanji[a]].text());
        const QRect card = w.Cards[a]->geometry();
        QCOMPARE(k1->x(), card.x() + (50 - k1->width()) / 2);
        QCOMPARE(k1->y(), card.y() + (50 - k1->height()) / 2);
        QVERIFY(!w.WordLabels[1]->text().isEmpty() || !w.WordLabels[2]->text().isEmpty());

        Clock::advanceMs(6000);
        click(w, b);
        QCOMPARE(w.Man_Score, 6);  // ふつう, level 3, 6 s, d = 7
        QCOMPARE(w.lbl_ten->text(), QStringLiteral("6点"));
        QVERIFY(!w.lbl_ten->isHidden());
        QCOMPARE(w.Lbl_Man_ten->text(), QStringLiteral("6"));
        QCOMPARE(w.Board.Nokori_Count, 34);
        QVERIFY(!w.Board.onBoard(a));
        QCOMPARE(w.Man_Pick[1], NoCard);
        QVERIFY(!w.Man_Turn);
        QCOMPARE(w.Lbl_Junban->text(), Name + QStringLiteral("のばん"));
        QVERIFY(!w.KanjiLabels[2]->isHidden());

        Clock::advanceMs(2000);
        w.Timer1Timer();
        QVERIFY(w.Man_Turn);
        QVERIFY(w.boardHintOn());
        QVERIFY(w.KanjiLabels[1]->isHidden());
        QVERIFY(w.KanjiLabels[2]->isHidden());
        QVERIFY(w.lbl_ten->isHidden());
        QCOMPARE(w.Turn_Start, Clock::elapsedMs());
        QVERIFY(w.WordLabels[1]->text().isEmpty());
        QVERIFY(w.Cards[a]->isHidden());
        QVERIFY(w.Cards[b]->isHidden());
    }

    // A pair found 62 seconds into the turn counts 2 seconds.
    void childPairPastAMinute()
    {
        TestEnv env;
        prepare(env, 3);
        TF_Game1 w;
        w.Btn_StartClick();
        childTurn(w);
        const int a = w.Board.Nokori_List[1];
        const int b = partner(w, a);
        w.Board.Turn_No = 6;
        w.Board.Seen_Turn[a] = 3;
        w.Board.Seen_Turn[b] = 4;
        Clock::advanceMs(62000);
        click(w, a);
        click(w, b);
        QCOMPARE(w.Time_Factor, 2.0f);
        QCOMPARE(w.Man_Score, 7);
    }

    // A miss hands the turn over; the computer turns two different cards in three ticks.
    void missThenComputer()
    {
        TestEnv env;
        prepare(env);
        TF_Game1 w;
        w.Btn_StartClick();
        childTurn(w);
        const int a = w.Board.Nokori_List[1];
        const int b = stranger(w, a);
        click(w, a);
        click(w, b);
        QVERIFY(!w.Man_Turn);
        QCOMPARE(w.Lbl_Junban->text(), QStringLiteral("コンピュータのばん"));
        QCOMPARE(w.Board.Turn_No, 1);
        QCOMPARE(w.Board.Seen_Turn[a], 1);
        QVERIFY(w.Timer1->isActive());
        // Clicks while the child's cards are still shown are ignored.
        int other = 0;
        for (int c = 1; c <= CardCount && !other; ++c)
            if (c != a && c != b)
                other = c;
        click(w, other);
        QVERIFY(!w.Cards[other]->isHidden());

        w.Timer1Timer();
        QVERIFY(!w.Cards[a]->isHidden());
        QVERIFY(!w.Cards[b]->isHidden());
        const int c1 = w.Com_Pick[1];
        const int c2 = w.Com_Pick[2];
        QVERIFY(c1 != c2);
        QVERIFY(w.Cards[c1]->isHidden());
        QVERIFY(!w.KanjiLabels[1]->isHidden());
        QCOMPARE(w.KanjiLabels[1]->text(), Kanji_Tbl[w.Board.Card_Kanji[c1]].text());

        w.Timer1Timer();
        QVERIFY(w.Cards[c2]->isHidden());
        QCOMPARE(w.Board.Turn_No, 2);
        const bool pair = w.Board.Card_Kanji[c1] == w.Board.Card_Kanji[c2];

        w.Timer1Timer();
        QCOMPARE(w.Flip_Count, 0);
        QVERIFY(w.KanjiLabels[1]->isHidden());
        if (!pair) {
            QVERIFY(w.Man_Turn);
            QVERIFY(!w.Cards[c1]->isHidden());
            QVERIFY(!w.Cards[c2]->isHidden());
            QCOMPARE(w.Lbl_Junban->text(), Name + QStringLiteral("のばん"));
            QVERIFY(w.boardHintOn());
        } else {
            QVERIFY(!w.Man_Turn);
        }
    }

    // A remembered pair is taken on the computer's next turn and scores with time factor 1.5.
    void computerTakesKnownPair()
    {
        TestEnv env;
        prepare(env);
        TF_Game1 w;
        w.Btn_StartClick();
        w.Man_Turn = false;
        w.Flip_Count = 0;
        w.Man_Pick = {0, 0, 0};
        const int a = w.Board.Nokori_List[20];
        const int b = partner(w, a);
        w.Board.Com_Kioku[a] = w.Board.Card_Kanji[a];
        w.Board.Com_Kioku[b] = w.Board.Card_Kanji[b];
        w.Timer1Timer();
        QCOMPARE(w.Com_Pick[1], std::min(a, b));
        QCOMPARE(w.Com_Pick[2], std::max(a, b));
        w.Timer1Timer();
        // ふつう 1.5 x time 1.5 x memory (d = 2: 1.0) x level 1 1.2 = 2.7
        QCOMPARE(w.Com_Score, 2);
        QCOMPARE(w.Lbl_Com_ten->text(), QStringLiteral("2"));
        QCOMPARE(w.lbl_ten->text(), QStringLiteral("2点"));
        QCOMPARE(w.Board.Nokori_Count, 34);
        QCOMPARE(w.Com_Pick[1], NoCard);
        w.Timer1Timer();
        QVERIFY(!w.Man_Turn);  // the computer plays again
        QVERIFY(w.Cards[a]->isHidden());
        QVERIFY(w.Cards[b]->isHidden());
        QVERIFY(w.lbl_ten->isHidden());
    }

    // A card the child turned and the computer then took stays off the board.
    void takenCardStaysOff()
    {
        TestEnv env;
        prepare(env);
        TF_Game1 w;
        w.Btn_StartClick();
        childTurn(w);
        const int a = w.Board.Nokori_List[1];
        const int b = stranger(w, a);
        click(w, a);
        click(w, b);
        const int a2 = partner(w, a);
        w.Board.Com_Kioku[a] = w.Board.Card_Kanji[a];
        w.Board.Com_Kioku[a2] = w.Board.Card_Kanji[a2];
        w.Timer1Timer();  // the child's cards go back; the computer takes a and its partner
        QCOMPARE(QSet<int>({w.Com_Pick[1], w.Com_Pick[2]}), QSet<int>({a, a2}));
        w.Timer1Timer();
        w.Timer1Timer();
        QVERIFY(!w.Man_Turn);
        w.Timer1Timer();  // the computer's next turn begins
        QVERIFY(w.Cards[a]->isHidden());
        QVERIFY(!w.Board.onBoard(a));
        QVERIFY(w.Com_Pick[1] != a && w.Com_Pick[2] != a);
    }

    // The end: messages in order, the level credit, the ranking with the child's score, the menu.
    void ending_data()
    {
        QTest::addColumn<int>("strength");
        QTest::addColumn<bool>("computerLast");
        QTest::addColumn<int>("manBefore");
        QTest::addColumn<int>("comBefore");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("progress");
        const QString win = Name + QStringLiteral("のかち");
        const QString lose = QStringLiteral("コンピュータのかち");
        const QString draw = QStringLiteral("ひきわけ");
        const QString fail = QStringLiteral("ざんねん！ ふごうかくです");
        // The last pair scores 3 for the child at ふつう (1.5 x 2.0 x 1.0 x 1.2), 4 at つよい, 2 at
        // よわい, and 2 for the computer (1.5 x 1.5 x 1.0 x 1.2).
        QTest::newRow("child wins on its pair") << 1 << false << 20 << 10 << QStringList{win} << 1;
        QTest::newRow("child wins at つよい") << 0 << false << 20 << 10 << QStringList{win} << 1;
        QTest::newRow("child wins at よわい") << 2 << false << 20 << 10 << QStringList{win} << 0;
        QTest::newRow("draw on the child's pair") << 1 << false << 10 << 13 << QStringList{draw} << 0;
        QTest::newRow("loss on the child's pair") << 1 << false << 5 << 30 << QStringList{lose} << 0;
        QTest::newRow("draw on the computer's pair") << 1 << true << 12 << 10 << QStringList{draw, fail} << 0;
        QTest::newRow("loss on the computer's pair") << 1 << true << 5 << 30 << QStringList{lose, fail} << 0;
        QTest::newRow("win despite the computer's pair") << 1 << true << 30 << 5 << QStringList{win} << 1;
    }
    void ending()
    {
        TestEnv env;
        QFETCH(int, strength);
        QFETCH(bool, computerLast);
        QFETCH(int, manBefore);
        QFETCH(int, comBefore);
        QFETCH(QStringList, messages);
        QFETCH(int, progress);
        prepare(env);
        QWidget menu;
        SetMainMenu(&menu);
        int rankingScore = -1;
        int rankingRank = -1;
        QStringList messagesAtRanking;
        QPointer<TF_Game1> w;
        QString turnAtRanking = QStringLiteral("(not seen)");
        Modal::setHook([&](QDialog* d) {
            if (auto* k = qobject_cast<TF_Game_Kiroku*>(d)) {
                if (w)
                    turnAtRanking = w->Lbl_Junban->text();
                rankingScore = Last_Score;
                rankingRank = k->ranking().newRank;
                messagesAtRanking = MessageBoxes::shown();
            }
            return 1;
        });
        w = new TF_Game1;
        w->Grp_TsuyosaItems[strength]->setChecked(true);
        w->show();
        w->Btn_StartClick();
        const auto [a, b] = leaveOnePair(*w);
        w->Board.Turn_No = 20;
        w->Board.Seen_Turn[a] = w->Board.Seen_Turn[b] = 20;  // d = 2
        w->Man_Score = manBefore;
        w->Com_Score = comBefore;
        MessageBoxes::shown().clear();
        MediaPlayers::log().clear();
        // While an end message is up, the last pair stays in sight: the box stands over the
        // board's free band above or below it.
        int coveredPairs = -1;
        MessageBoxes::setWhileShown([&] {
            const QWidget* picture = MessagePicture(w);
            if (!picture || !picture->isVisible())
                return;
            const QRect target(picture->mapToGlobal(QPoint(0, 0)), picture->size());
            int covered = 0;
            for (int c : {a, b})
                covered += target.intersects(
                    QRect(w->Cards[c]->mapToGlobal(QPoint(0, 0)), w->Cards[c]->size()));
            coveredPairs = std::max(coveredPairs, covered);
        });
        if (computerLast) {
            w->Man_Turn = false;
            w->Flip_Count = 0;
            w->Man_Pick = {0, 0, 0};
            w->Timer1Timer();
            w->Timer1Timer();
        } else {
            childTurn(*w);
            click(*w, a);
            click(*w, b);
        }
        MessageBoxes::setWhileShown({});
        QCOMPARE(coveredPairs, 0);
        QCOMPARE(MessageBoxes::shown(), messages);
        QCOMPARE(messagesAtRanking, messages);
        QCOMPARE(turnAtRanking, QString()); // nobody's turn once the game is over
        QCOMPARE(Player_Tbl[1].Progress[1], progress);
        const int finalMan = computerLast ? manBefore : manBefore + (strength == 0 ? 4 : strength == 2 ? 2 : 3);
        QCOMPARE(rankingScore, finalMan);
        QCOMPARE(rankingRank, 1);
        QCOMPARE(Kiroku_Tbl[1][1].Tokuten, finalMan);
        QCOMPARE(Player_Tbl[1].Best[1], finalMan);
        QCOMPARE(MediaPlayers::log().contains(QStringLiteral("play Seikai.wav")),
                 messages.first().endsWith(QStringLiteral("のかち")) && messages.first() != QStringLiteral("コンピュータのかち"));
        QVERIFY(MediaPlayers::log().contains(QStringLiteral("stop Game11.mid")));
        QVERIFY(menu.isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(w.isNull());
        SetMainMenu(nullptr);
    }

    // Two wins at the last level lead to all clear; more wins only add progress.
    void allClear()
    {
        TestEnv env;
        prepare(env, 8);  // year 1 has 8 levels
        Player_Tbl[1].Progress[1] = 1;
        Modal::setHook([](QDialog*) { return 1; });
        for (int round = 0; round < 2; ++round) {
            auto* w = new TF_Game1;
            w->Btn_StartClick();
            const auto [a, b] = leaveOnePair(*w);
            w->Man_Score = 50;
            childTurn(*w);
            click(*w, a);
            click(*w, b);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        QCOMPARE(Player_Tbl[1].Level[1], 9);
        QCOMPARE(Player_Tbl[1].Progress[1], 1);
        QVERIFY(IsAllClear(1, Player_Tbl[1].Level[1]));
    }

    // "ゲームおわり" during a game records nothing and brings the menu back.
    void leaveEarly()
    {
        TestEnv env;
        prepare(env);
        QWidget menu;
        SetMainMenu(&menu);
        bool rankingOpened = false;
        Modal::setHook([&](QDialog*) {
            rankingOpened = true;
            return 1;
        });
        QPointer<TF_Game1> w = new TF_Game1;
        w->show();
        w->Btn_StartClick();
        childTurn(*w);
        const int a = w->Board.Nokori_List[1];
        click(*w, a);
        click(*w, partner(*w, a));
        QVERIFY(w->Man_Score > 0);
        QCOMPARE(w->Btn_End->text(), QStringLiteral("ゲームおわり"));
        QTest::mouseClick(w->Btn_End, Qt::LeftButton);
        QVERIFY(!rankingOpened);
        QCOMPARE(Kiroku_Tbl[1][1].Game, 0);
        QCOMPARE(Player_Tbl[1].Best[1], 0);
        QCOMPARE(Player_Tbl[1].Progress[1], 0);
        QVERIFY(MediaPlayers::log().contains(QStringLiteral("stop Game11.mid")));
        QVERIFY(menu.isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(w.isNull());
        SetMainMenu(nullptr);
    }

    // At each end of a track the next follows the cards left.
    void musicFollowsCardsLeft_data()
    {
        QTest::addColumn<int>("left");
        QTest::addColumn<QString>("file");
        QTest::newRow("36") << 36 << QStringLiteral("Game11.mid");
        QTest::newRow("27") << 27 << QStringLiteral("Game12.mid");
        QTest::newRow("18") << 18 << QStringLiteral("Game13.mid");
        QTest::newRow("2") << 2 << QStringLiteral("Game14.mid");
    }
    void musicFollowsCardsLeft()
    {
        TestEnv env;
        QFETCH(int, left);
        QFETCH(QString, file);
        prepare(env);
        TF_Game1 w;
        w.Btn_StartClick();
        w.Board.Nokori_Count = left;
        MediaPlayers::log().clear();
        MediaPlayers::finish(w.MP_Eawase->player());
        QVERIFY(MediaPlayers::log().contains(QStringLiteral("play ") + file));
        QCOMPARE(w.Music_No, MusicVariant(1, left));
    }

    // The media open at creation: "Game11.mid", "Seikai.wav", "Select.wav"; the start plays the
    // music opened then. A track that cannot be opened at a change is named by its own file,
    // and the game goes on silent.
    void musicOpenedAtCreation()
    {
        TestEnv env;
        prepare(env);
        MediaPlayers::log().clear();
        TF_Game1 w;
        QCOMPARE(MediaPlayers::log().filter(QStringLiteral("open ")),
                 (QStringList{"open Game11.mid", "open Seikai.wav", "open Select.wav"}));
        MediaPlayers::log().clear();
        w.Btn_StartClick();
        QVERIFY(MediaPlayers::log().filter(QStringLiteral("open ")).isEmpty());
        QVERIFY(MediaPlayers::log().contains(QStringLiteral("play Game11.mid")));
        QVERIFY(w.MP_Eawase->isOn());
    }
    void trackChangeErrorNamesTheTrack()
    {
        TestEnv env;
        prepare(env);
        env.removeFile(QStringLiteral("Game12.mid"));
        TF_Game1 w;
        w.Btn_StartClick();
        QVERIFY(MessageBoxes::shown().isEmpty());
        w.Board.Nokori_Count = 27;
        MediaPlayers::finish(w.MP_Eawase->player());
        QCOMPARE(MessageBoxes::shown(),
                 QStringList{QStringLiteral("Game12.mid でエラーがおこりました。 ")});
        QVERIFY(!w.MP_Eawase->isOn());
        MediaPlayers::finish(w.MP_Eawase->player());
        QCOMPARE(MessageBoxes::shown().size(), 1);
    }
    // Game11.mid missing: named "Eawase.mid" at creation, where it stops the opening of the
    // sounds, and again at the start.
    void musicMissingAtCreation()
    {
        TestEnv env;
        prepare(env);
        env.removeFile(QStringLiteral("Game11.mid"));
        MediaPlayers::log().clear();
        TF_Game1 w;
        QCOMPARE(MediaPlayers::log().filter(QStringLiteral("open ")),
                 QStringList{"open Game11.mid"});
        QCOMPARE(MessageBoxes::shown(),
                 QStringList{QStringLiteral("Eawase.mid でエラーがおこりました。 ")});
        w.Btn_StartClick();
        QCOMPARE(MessageBoxes::shown().size(), 2);
        QVERIFY(!w.MP_Eawase->isOn());
    }

    // Without MIDI no music starts, and the game still plays its sounds.
    void noMidi()
    {
        TestEnv env;
        prepare(env);
        Midi_Count = 0;
        TF_Game1 w;
        w.Btn_StartClick();
        childTurn(w);
        click(w, w.Board.Nokori_List[1]);
        QVERIFY(!MediaPlayers::log().join(' ').contains(QStringLiteral("Game11.mid")));
        QVERIFY(MediaPlayers::log().contains(QStringLiteral("play Select.wav")));
        Midi_Count = 1;
    }

    // The example word: three parts side by side from the left, the reading part in red.
    void exampleWord()
    {
        TestEnv env;
        prepare(env);
        TF_Game1 w;
        w.Btn_StartClick();
        childTurn(w);
        const int a = w.Board.Nokori_List[1];
        click(w, a);
        int red = 0;
        for (int i = 1; i <= 3; ++i) {
            QLabel* l = w.WordLabels[i];
            if (l->palette().color(QPalette::WindowText) == QColor(255, 0, 0) && !l->text().isEmpty())
                ++red;
            if (i > 1)
                QCOMPARE(l->x(), w.WordLabels[i - 1]->x() + w.WordLabels[i - 1]->width());
            QCOMPARE(l->y(), w.Label_Title->y() + w.Label_Title->height() + 10);
        }
        QCOMPARE(w.WordLabels[1]->x(), 10);
        QCOMPARE(red, 1);
    }

    // A sentence file that cannot be read ends the program after its message.
    void sentenceFileMissing()
    {
        TestEnv env;
        prepare(env);
        env.removeFile(QStringLiteral("Mondai1.dat"));
        QWidget menu;
        menu.show();
        SetMainMenu(&menu);
        QPointer<TF_Game1> w = new TF_Game1;
        w->show();
        w->Btn_StartClick();
        childTurn(*w);
        click(*w, w->Board.Nokori_List[1]);
        QCOMPARE(MessageBoxes::shown(), QStringList{QStringLiteral("Mondai1.datでエラーがおこりました。 ")});
        QVERIFY(ProgramEnd::requested());
        QVERIFY(!menu.isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(w.isNull());
        SetMainMenu(nullptr);
    }
};

QTEST_MAIN(TestGame1)
#include "test_game1.moc"
