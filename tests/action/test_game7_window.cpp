// SPDX-License-Identifier: GPL-3.0-or-later
// Game 7's window played through its handlers: start, ticks to the time-out, extension, verdict,
// level credit and ranking, quitting, keys and a missing star picture.
#include "data/Music.h"
#include "data/Rules.h"
#include "data/Tables.h"
#include "games/action/ImageView.h"
#include "games/action/TF_Game7.h"
#include "platform/Clock.h"
#include "platform/MediaPlayer.h"
#include "platform/MessageBoxes.h"
#include "platform/Modal.h"
#include "support/SampleData.h"
#include "support/TestEnv.h"

#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSlider>
#include <QtTest>

namespace {
const QString Fail = QStringLiteral("ざんねん！ 不合格です");
const QString Pass = QStringLiteral("おめでとう！ 合格です");
int rankings = 0;

void prepare(const TestEnv& env, int level = 1, int progress = 0)
{
    WriteSampleKanjiData(env);
    QImage stars(48, 24, QImage::Format_RGB32);
    stars.fill(qRgb(255, 255, 255));
    for (int y = 4; y < 20; ++y)
        for (int x = 4; x < 20; ++x)
            stars.setPixel(x, y, qRgb(255, 255, 0));
    stars.save(env.path(QStringLiteral("STARS2.bmp")), "BMP");
    for (const char* name : {"Atari.wav", "Hazure.wav", "Mondai.wav", "Game71.mid", "Game72.mid"})
        env.writeFile(QString::fromLatin1(name), "x");
    Player_Count = 1;
    TPlayerRec& p = Player_Tbl[1];
    p.No = 1;
    p.Name.setSjis("hana");
    p.Gakunen = 2;
    p.Level[7] = static_cast<std::int16_t>(level);
    p.Progress[7] = static_cast<std::int16_t>(progress);
    Cur_Player = 1;
    Midi_Count = 1;
    StartGame(7);
    rankings = 0;
    Modal::setHook([](QDialog*) {
        ++rankings;
        return 0;
    });
}

void tick(TF_Game7* w)
{
    Clock::advanceMs(30);
    w->Timer1Timer();
}

void tickUntilRemaining(TF_Game7* w, qint64 ms)
{
    while (w->running() && w->game().clock.remainingMs(Clock::elapsedMs()) > ms)
        tick(w);
}
}  // namespace

class TestGame7Window : public QObject {
    Q_OBJECT

private slots:
    // Start shows the question and the catcher buttons; the opening music plays.
    void start()
    {
        TestEnv env;
        prepare(env);
        auto* w = new TF_Game7();
        QVERIFY(w->Btn_Left->isHidden());
        w->Btn_StartClick();
        QVERIFY(w->running());
        QCOMPARE(w->Btn_Start->text(), QStringLiteral("ゲームおわり"));
        QVERIFY(!w->Btn_Left->isHidden() && !w->Btn_Right->isHidden());
        QVERIFY(!w->TBar_Speed->isEnabled());
        QVERIFY(!w->questions->label(2)->text().isEmpty());
        QVERIFY(MediaPlayers::log().contains(QStringLiteral("play game71.mid")) ||
                MediaPlayers::log().contains(QStringLiteral("play Game71.mid")));
        w->Cancel();
        QVERIFY(MessageBoxes::shown().isEmpty());
        QCOMPARE(rankings, 0);
    }

    // Without an extension the first time-out fails: one verdict, one ranking.
    void timeOutFails()
    {
        TestEnv env;
        prepare(env);
        QPointer<TF_Game7> w = new TF_Game7();
        w->Btn_StartClick();
        w->game().held = CatcherControl::Left;
        int n = 0;
        while (w && w->running() && n < 5000) {
            tick(w);
            ++n;
        }
        QVERIFY(n >= 3000 && n < 3010);
        QCOMPARE(MessageBoxes::shown(), QStringList{Fail});
        QCOMPARE(rankings, 1);
        QVERIFY(!w || w->questions->label(1)->isHidden());
    }

    // A good share extends the game; the next time-out passes and earns a level credit.
    void extensionThenPass()
    {
        TestEnv env;
        prepare(env, 1, 4);
        auto* w = new TF_Game7();
        w->Btn_StartClick();
        tickUntilRemaining(w, 200);
        w->game().score = 9;
        w->game().possiblePoints = 10;
        for (int i = 0; i < 10; ++i)
            tick(w);
        QCOMPARE(w->game().clock.extensions(), 1);
        QVERIFY(!w->Lbl_Enchou->isHidden());
        MediaPlayers::finish(w->MP_MO_1->player());
        QCOMPARE(w->MP_MO_1->currentFile(), QStringLiteral("Game71.mid"));
        tickUntilRemaining(w, 200);
        w->game().score = 7;
        w->game().possiblePoints = 10;
        for (int i = 0; i < 10 && w->running(); ++i)
            tick(w);
        QCOMPARE(MessageBoxes::shown(), QStringList{Pass});
        QCOMPARE(rankings, 1);
        QCOMPARE(Last_Score, 7);
        QCOMPARE(Player_Tbl[1].Level[7], 2);
        QCOMPARE(Player_Tbl[1].Progress[7], 0);
    }

    // Left and Right move the catcher, Up and Down both stop it; Space is not a game key.
    void keys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("held");
        QTest::newRow("left") << int(Qt::Key_Left) << int(CatcherControl::Left);
        QTest::newRow("right") << int(Qt::Key_Right) << int(CatcherControl::Right);
        QTest::newRow("up") << int(Qt::Key_Up) << int(CatcherControl::None);
        QTest::newRow("down") << int(Qt::Key_Down) << int(CatcherControl::None);
    }
    void keys()
    {
        TestEnv env;
        prepare(env);
        QFETCH(int, key);
        QFETCH(int, held);
        auto* w = new TF_Game7();
        for (QWidget* target : {static_cast<QWidget*>(w), static_cast<QWidget*>(w->TBar_Speed)}) {
            w->game().held = key == Qt::Key_Left ? CatcherControl::Right : CatcherControl::Left;
            QTest::keyClick(target, static_cast<Qt::Key>(key));
            QCOMPARE(int(w->game().held), held);
        }
        QCOMPARE(w->TBar_Speed->value(), 3);
        QVERIFY(!w->ChildKey(Qt::Key_Space));
        w->close();
    }

    // Quitting records nothing.
    void quit()
    {
        TestEnv env;
        prepare(env);
        auto* w = new TF_Game7();
        w->Btn_StartClick();
        for (int i = 0; i < 100; ++i)
            tick(w);
        w->Btn_Start->click();
        QVERIFY(MessageBoxes::shown().isEmpty());
        QCOMPARE(rankings, 0);
    }

    // A missing star picture is reported and the game cannot start.
    void missingStars()
    {
        TestEnv env;
        prepare(env);
        env.removeFile(QStringLiteral("STARS2.bmp"));
        auto* w = new TF_Game7();
        QVERIFY(w->setUpFailed());
        QCOMPARE(MessageBoxes::shown(),
                 QStringList{QStringLiteral("STARS2.bmpでエラーがおこりました。 ")});
        w->Btn_StartClick();
        QVERIFY(!w->running());
    }

    // Mid-game the playfield shows stars, characters and the catcher.
    void playfieldPicture()
    {
        TestEnv env;
        prepare(env, 6);
        auto* w = new TF_Game7();
        w->TBar_Speed->setValue(5);
        w->Btn_StartClick();
        bool star = false, character = false;
        for (int i = 0; i < 2000 && !(star && character); ++i) {
            tick(w);
            if (w->game().ticker.tickCounter != 1)
                continue;
            const QImage& s = w->picture().screen();
            star = character = false;
            for (int y = 0; y < s.height() - 24; ++y)
                for (int x = 0; x < s.width(); ++x) {
                    const QRgb px = s.pixel(x, y);
                    star = star || px == qRgb(255, 255, 0);
                    character = character || px == qRgb(0, 255, 255);
                }
        }
        QVERIFY(star && character);
        const QImage& s = w->picture().screen();
        QCOMPARE(s.pixel(w->game().catcherX + 3, 320 - 5), qRgb(255, 0, 0));
        const QByteArray out = qgetenv("MOJI_SHOT7");
        if (!out.isEmpty())
            w->grab().save(QString::fromLocal8Bit(out));
        w->Cancel();
    }
};

QTEST_MAIN(TestGame7Window)
#include "test_game7_window.moc"
