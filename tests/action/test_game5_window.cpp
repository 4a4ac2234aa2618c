// SPDX-License-Identifier: GPL-3.0-or-later
// Game 5's window played through its handlers: start, ticks to the time-out, extension, verdict,
// level credit and ranking, quitting, keys, missing pictures and sentences.
#include "data/Rules.h"
#include "data/Tables.h"
#include "data/Music.h"
#include "games/action/ImageView.h"
#include "games/action/TF_Game5.h"
#include "games/action/TF_Game7.h"
#include "writing/RubyText.h"
#include "platform/Clock.h"
#include "platform/MediaPlayer.h"
#include "platform/MessageBoxes.h"
#include "platform/Modal.h"
#include "platform/ProgramEnd.h"
#include "support/SampleData.h"
#include "support/TestEnv.h"

#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QSet>
#include <QPushButton>
#include <QSlider>
#include <QtTest>
#include <memory>

namespace {
const QString Fail = QStringLiteral("GAME OVER! ざんねん！ 不合格です");
const QString Pass = QStringLiteral("GAME OVER! おめでとう！ 合格です");

void writeBitmap(const TestEnv& env, const QString& name, int w, int h, QRgb colour)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(colour);
    img.save(env.path(name), "BMP");
}

int rankings = 0;

// A year-2 player at the given level of game 5, sample kanji data and the game's pictures.
void prepare(const TestEnv& env, int level = 1, int progress = 0)
{
    WriteSampleKanjiData(env);
    writeBitmap(env, QStringLiteral("Tama.bmp"), 16, 32, qRgb(255, 200, 0));
    writeBitmap(env, QStringLiteral("Bang.bmp"), 8, 8, qRgb(255, 0, 255));
    for (const char* name : {"Atari.wav", "Hazure.wav", "Bang.wav", "Hassha1.wav", "Hassha2.wav",
                              "Mondai.wav", "Game51.mid", "Game52.mid", "Game53.mid"})
        env.writeFile(QString::fromLatin1(name), "x");
    Player_Count = 1;
    TPlayerRec& p = Player_Tbl[1];
    p.No = 1;
    p.Name.setSjis("taro");
    p.Gakunen = 2;
    p.Level[5] = static_cast<std::int16_t>(level);
    p.Progress[5] = static_cast<std::int16_t>(progress);
    Cur_Player = 1;
    Midi_Count = 1;
    StartGame(5);
    rankings = 0;
    Modal::setHook([](QDialog*) {
        ++rankings;
        return 0;
    });
}

// One 30 ms tick with no bombs in the air, so the launcher cannot end the game.
void safeTick(TF_Game5* w)
{
    w->game().p.bombLimit = 0;
    w->game().bombs.fill(BombSlot{});
    w->game().bombsFalling = 0;
    Clock::advanceMs(30);
    w->Timer1Timer();
}

// Ticks until the clock shows at most `ms` left.
void tickUntilRemaining(TF_Game5* w, qint64 ms)
{
    while (w->running() && w->game().clock.remainingMs(Clock::elapsedMs()) > ms)
        safeTick(w);
}

// Ticks every 30 ms until the window ends the game or `limit` ticks have passed.
int tickUntilOver(TF_Game5* w, int limit = 10000)
{
    QPointer<TF_Game5> alive(w);
    int n = 0;
    while (alive && alive->running() && n < limit) {
        Clock::advanceMs(30);
        alive->Timer1Timer();
        ++n;
    }
    return n;
}
}  // namespace

class TestGame5Window : public QObject {
    Q_OBJECT

private slots:
    // Start shows the question with its reading part in red and the controls of play.
    void startShowsQuestion()
    {
        TestEnv env;
        prepare(env);
        auto* w = new TF_Game5();
        QVERIFY(!w->setUpFailed());
        QVERIFY(w->Btn_Left->isHidden());
        w->Btn_StartClick();
        QVERIFY(w->running());
        QCOMPARE(w->Btn_Start->text(), QStringLiteral("ゲームおわり"));
        QVERIFY(!w->TBar_Speed->isEnabled());
        QVERIFY(!w->Btn_Left->isHidden() && !w->Btn_Right->isHidden() && !w->Btn_utsu->isHidden());
        const QLabel* l2 = w->questions->label(2);
        QVERIFY(!l2->text().isEmpty());
        QVERIFY(l2->styleSheet().contains(QStringLiteral("#ff0000")));
        QVERIFY(w->questions->label(1)->styleSheet().contains(QStringLiteral("#ffffff")));
        QCOMPARE(w->questions->label(2)->x(),
                 w->questions->label(1)->x() + w->questions->label(1)->width());
        QCOMPARE(w->Img1->size(), QSize(360, 320));
        QVERIFY(MediaPlayers::log().contains(QStringLiteral("play game51.mid")) ||
                MediaPlayers::log().contains(QStringLiteral("play Game51.mid")));
        w->Cancel();
        QVERIFY(MessageBoxes::shown().isEmpty());
    }

    // Without shooting, the first time-out fails; one verdict, one ranking, score 0, and the
    // window is gone.
    void timeOutFails()
    {
        TestEnv env;
        prepare(env);
        QPointer<TF_Game5> w = new TF_Game5();
        w->Btn_StartClick();
        w->game().p.bombLimit = 0;
        const int ticks = tickUntilOver(w);
        QVERIFY(ticks >= 90000 / 30 && ticks < 90000 / 30 + 10);
        QCOMPARE(MessageBoxes::shown(), QStringList{Fail});
        QCOMPARE(rankings, 1);
        QCOMPARE(Last_Score, 0);
        QCOMPARE(Player_Tbl[1].Progress[5], 0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(w.isNull());
    }

    // A good share at the time-out extends the game by 30 seconds and shows the notice; the
    // next time-out with a share above half passes and earns a level credit.
    void extensionThenPass()
    {
        TestEnv env;
        prepare(env, 1, 4);
        auto* w = new TF_Game5();
        w->Btn_StartClick();
        tickUntilRemaining(w, 200);
        w->game().score = 80;
        w->game().possiblePoints = 100;
        for (int i = 0; i < 20; ++i)
            safeTick(w);
        QCOMPARE(w->game().clock.extensions(), 1);
        QVERIFY(w->running());
        QVERIFY(!w->Lbl_Enchou->isHidden());
        QVERIFY(w->Lbl_Nokori_Time->text().startsWith(QStringLiteral("のこり")));
        QVERIFY(MessageBoxes::shown().isEmpty());
        tickUntilRemaining(w, 200);
        w->game().score = 60;
        w->game().possiblePoints = 100;
        const int more = tickUntilOver(w);
        QVERIFY(more < 20);
        QCOMPARE(MessageBoxes::shown(), QStringList{Pass});
        QCOMPARE(rankings, 1);
        QCOMPARE(Last_Score, 60);
        // The fifth credit raises the level.
        QCOMPARE(Player_Tbl[1].Level[5], 2);
        QCOMPARE(Player_Tbl[1].Progress[5], 0);
    }

    // After every level is cleared a pass adds no credit.
    void allClearAddsNothing()
    {
        TestEnv env;
        prepare(env, 9, 2);
        QCOMPARE(Cur_Levels, 8);
        auto* w = new TF_Game5();
        w->Btn_StartClick();
        w->game().clock.setExtensions(2);
        tickUntilRemaining(w, 200);
        w->game().score = 80;
        w->game().possiblePoints = 100;
        tickUntilOver(w);
        QCOMPARE(MessageBoxes::shown().last(), Pass);
        QCOMPARE(Player_Tbl[1].Level[5], 9);
        QCOMPARE(Player_Tbl[1].Progress[5], 2);
    }

    // From the fourth extension the shot sound is Hassha2.wav; the music follows the extensions.
    void fourthExtensionChangesShotSound()
    {
        TestEnv env;
        prepare(env);
        auto* w = new TF_Game5();
        w->Btn_StartClick();
        for (int i = 0; i < 4; ++i) {
            QVERIFY(!MediaPlayers::log().contains(QStringLiteral("open Hassha2.wav")));
            tickUntilRemaining(w, 200);
            w->game().score = 100;
            w->game().possiblePoints = 100;
            for (int t = 0; t < 20; ++t)
                safeTick(w);
            QVERIFY(w->running());
            QCOMPARE(w->game().clock.extensions(), i + 1);
        }
        QVERIFY(MediaPlayers::log().contains(QStringLiteral("open Hassha2.wav")));
        MediaPlayers::log().clear();
        w->game().setHeld(HeldControl::Fire);
        for (int i = 0; i < 40; ++i)
            safeTick(w);
        QVERIFY(MediaPlayers::log().contains(QStringLiteral("play Hassha2.wav")));
        QVERIFY(!MediaPlayers::log().contains(QStringLiteral("play Hassha1.wav")));
        MediaPlayers::finish(w->MP_MO_1->player());
        QCOMPARE(w->MP_MO_1->currentFile(), QStringLiteral("Game53.mid"));
        w->Cancel();
    }

    // A missing "Hassha2.wav" at the fourth extension: while its error box is up (and its loop
    // runs the game's ticks) the window holds only live players, the shots go on silently, and
    // the game carries on after the box.
    void fourthExtensionWithoutHassha2()
    {
        TestEnv env;
        prepare(env);
        env.removeFile(QStringLiteral("Hassha2.wav"));
        QPointer<TF_Game5> w = new TF_Game5();
        QSet<const QObject*> freed;
        QObject watching;  // ends the watch with the test, before the window goes
        for (SoundEffect* e : w->findChildren<SoundEffect*>())
            connect(e, &QObject::destroyed, &watching, [&freed, e] { freed.insert(e); });
        w->Btn_StartClick();
        for (int i = 0; i < 3; ++i) {
            tickUntilRemaining(w, 200);
            w->game().score = 100;
            w->game().possiblePoints = 100;
            for (int t = 0; t < 20; ++t)
                safeTick(w);
        }
        QCOMPARE(w->game().clock.extensions(), 3);
        QVERIFY(MessageBoxes::shown().isEmpty());
        int boxTicks = 0;
        MessageBoxes::setWhileShown([&] {
            QVERIFY(w);
            QVERIFY(!freed.contains(w->MP_Hassha));
            QVERIFY(!w->MP_Hassha || w->findChildren<SoundEffect*>().contains(w->MP_Hassha));
            w->game().setHeld(HeldControl::Fire);
            for (int t = 0; t < 40 && w->running(); ++t, ++boxTicks) {
                safeTick(w);
                QVERIFY(!freed.contains(w->MP_Hassha));
            }
        });
        tickUntilRemaining(w, 200);
        w->game().score = 100;
        w->game().possiblePoints = 100;
        for (int t = 0; t < 20 && !QTest::currentTestFailed(); ++t)
            safeTick(w);
        MessageBoxes::setWhileShown(nullptr);
        QVERIFY(!QTest::currentTestFailed());
        QCOMPARE(MessageBoxes::shown(),
                 QStringList{QStringLiteral("Hassha2.wav でエラーがおこりました。 ")});
        QCOMPARE(boxTicks, 40);
        QVERIFY(w->running());
        QCOMPARE(w->game().clock.extensions(), 4);
        QVERIFY(freed.isEmpty());
        MediaPlayers::log().clear();
        w->game().setHeld(HeldControl::Fire);
        for (int i = 0; i < 40; ++i)
            safeTick(w);
        QVERIFY(!MediaPlayers::log().contains(QStringLiteral("play Hassha1.wav")));
        QCOMPARE(MessageBoxes::shown().size(), 1);
        w->Cancel();
    }

    // Quitting with the button records nothing and shows no verdict or ranking.
    void quitRecordsNothing()
    {
        TestEnv env;
        prepare(env);
        QPointer<TF_Game5> w = new TF_Game5();
        w->Btn_StartClick();
        for (int i = 0; i < 50; ++i) {
            Clock::advanceMs(30);
            w->Timer1Timer();
        }
        w->Btn_Start->click();
        QVERIFY(!w || !w->running());
        QVERIFY(MessageBoxes::shown().isEmpty());
        QCOMPARE(rankings, 0);
        QVERIFY(MediaPlayers::log().contains(QStringLiteral("stop game51.mid")) ||
                MediaPlayers::log().contains(QStringLiteral("stop Game51.mid")));
    }

    // Space fires, Left and Right move, Down stops; each is consumed by any control, so Space
    // never presses a button.
    void keys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("held");
        QTest::newRow("space") << int(Qt::Key_Space) << int(HeldControl::Fire);
        QTest::newRow("left") << int(Qt::Key_Left) << int(HeldControl::Left);
        QTest::newRow("right") << int(Qt::Key_Right) << int(HeldControl::Right);
        QTest::newRow("down") << int(Qt::Key_Down) << int(HeldControl::None);
    }
    void keys()
    {
        TestEnv env;
        prepare(env);
        QFETCH(int, key);
        QFETCH(int, held);
        auto* w = new TF_Game5();
        w->game().setHeld(HeldControl::Right);
        if (key == Qt::Key_Right)
            w->game().setHeld(HeldControl::Fire);
        for (QWidget* target : {static_cast<QWidget*>(w), static_cast<QWidget*>(w->Btn_Start),
                                static_cast<QWidget*>(w->TBar_Speed)}) {
            QTest::keyClick(target, static_cast<Qt::Key>(key));
            QCOMPARE(int(w->game().held), held);
        }
        QVERIFY(!w->running());
        QCOMPARE(w->TBar_Speed->value(), 3);
        w->close();
    }

    // The buttons hold a control while pressed and release it on mouse-up.
    void buttonsHold()
    {
        TestEnv env;
        prepare(env);
        auto* w = new TF_Game5();
        w->Btn_StartClick();
        w->Btn_Left->pressed();
        QCOMPARE(w->game().held, HeldControl::Left);
        w->Btn_Left->released();
        QCOMPARE(w->game().held, HeldControl::None);
        w->Btn_utsu->pressed();
        QCOMPARE(w->game().held, HeldControl::Fire);
        w->Btn_Right->pressed();
        QCOMPARE(w->game().held, HeldControl::Right);
        w->Cancel();
    }

    // A missing picture is reported and the game cannot start.
    void missingPicture()
    {
        TestEnv env;
        prepare(env);
        env.removeFile(QStringLiteral("Bang.bmp"));
        QPointer<TF_Game5> w = new TF_Game5();
        QVERIFY(w->setUpFailed());
        QCOMPARE(MessageBoxes::shown(),
                 QStringList{QStringLiteral("Bang.bmpでエラーがおこりました。 ")});
        w->Btn_StartClick();
        QVERIFY(!w->running());
        QTest::qWait(0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(w.isNull());
    }

    // A sound that cannot be opened is reported once and the later ones stay closed.
    void missingSound()
    {
        TestEnv env;
        prepare(env);
        env.removeFile(QStringLiteral("Hazure.wav"));
        auto* w = new TF_Game5();
        QCOMPARE(MessageBoxes::shown(),
                 QStringList{QStringLiteral("Hazure.wav でエラーがおこりました。 ")});
        QVERIFY(!MediaPlayers::log().contains(QStringLiteral("open Bang.wav")));
        w->Btn_StartClick();
        QVERIFY(w->running());
        w->game().setHeld(HeldControl::Fire);
        for (int i = 0; i < 100; ++i) {
            Clock::advanceMs(30);
            w->Timer1Timer();
        }
        QVERIFY(w->running());
        w->Cancel();
    }

    // A sentence file that cannot be read ends the program after its message.
    void missingSentences()
    {
        TestEnv env;
        prepare(env);
        env.removeFile(QStringLiteral("Mondai1.dat"));
        QPointer<TF_Game5> w = new TF_Game5();
        w->Btn_StartClick();
        QCOMPARE(MessageBoxes::shown(),
                 QStringList{QStringLiteral("Mondai1.datでエラーがおこりました。 ")});
        QVERIFY(ProgramEnd::requested());
        QVERIFY(!w || !w->running());
    }

    // With large fonts the playfield grows only up to its designed size.
    void largeFontsPlayfield()
    {
        TestEnv env;
        prepare(env);
        Disp_Scale = 1.25;
        auto* w = new TF_Game5();
        QCOMPARE(w->Img1->size(), QSize(417, 342));
        QCOMPARE(w->game().W, 417);
        QCOMPARE(w->game().H, 342);
        Disp_Scale = 1;
        w->close();
    }

    // Mid-game the playfield shows characters, bullets, bombs and the launcher.
    void playfieldPicture()
    {
        TestEnv env;
        prepare(env, 6);
        auto* w = new TF_Game5();
        w->TBar_Speed->setValue(5);
        w->Btn_StartClick();
        w->game().setHeld(HeldControl::Fire);
        bool character = false, bullet = false, bomb = false;
        for (int i = 0; i < 1500 && !(character && bullet && bomb); ++i) {
            Clock::advanceMs(30);
            w->Timer1Timer();
            if (w->game().ticker.tickCounter != 1)
                continue;  // look right after a frame step
            const QImage& s = w->picture().screen();
            character = bullet = bomb = false;
            for (int y = 0; y < s.height() - 24; ++y)
                for (int x = 0; x < s.width(); ++x) {
                    const QRgb px = s.pixel(x, y);
                    character = character || px == qRgb(0, 255, 255);
                    bullet = bullet || px == qRgb(255, 200, 0);
                    bomb = bomb || px == qRgb(255, 0, 255);
                }
        }
        QVERIFY(character && bullet && bomb);
        const QImage& s = w->picture().screen();
        const ShootDown& g = w->game();
        QCOMPARE(s.pixel(g.launcherX + 5, 320 - 10), qRgb(255, 0, 0));
        QCOMPARE(s.pixel(g.launcherX - 2 > 0 ? g.launcherX - 2 : g.launcherX + 80, 320 - 10),
                 qRgb(0, 0, 128));
        const QByteArray out = qgetenv("MOJI_SHOT");
        if (!out.isEmpty())
            w->grab().save(QString::fromLocal8Bit(out));
        w->Cancel();
    }

    // The score's furigana ("てん" over 点) need room above it: the caption "とくてん" stands
    // clear of them, in game 5 and in game 7, which share the panel.
    void scoreCaptionClearOfFurigana_data()
    {
        QTest::addColumn<int>("game");
        QTest::newRow("shoot-down") << 5;
        QTest::newRow("catcher") << 7;
    }
    void scoreCaptionClearOfFurigana()
    {
        QFETCH(int, game);
        TestEnv env;
        prepare(env);
        std::unique_ptr<PaddleGameWindow> w;
        if (game == 5)
            w.reset(new TF_Game5());
        else
            w.reset(new TF_Game7());
        const QRect caption = w->Label4->geometry();
        const QRect score = w->Lbl_Tokuten->geometry();
        const QRect furigana(score.left(), score.top() - RubyHeight(w->Lbl_Tokuten->font()),
                             score.width(), RubyHeight(w->Lbl_Tokuten->font()));
        QVERIFY(!caption.intersects(furigana));
        QVERIFY(!caption.intersects(score));
        QVERIFY(w->Lbl_Tokuten->parentWidget()->contentsRect().contains(w->Lbl_Seikai->geometry()));
        QVERIFY(!w->Lbl_Seikai->geometry().intersects(score));
    }
};

QTEST_MAIN(TestGame5Window)
#include "test_game5_window.moc"
