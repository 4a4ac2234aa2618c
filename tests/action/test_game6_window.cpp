// SPDX-License-Identifier: GPL-3.0-or-later
// Game 6's window played through its handlers: start with the progress display, clicks on the
// board, the end after 50 right characters with verdict, level credit and ranking.
#include "data/Music.h"
#include "data/Rules.h"
#include "data/Tables.h"
#include "games/action/ImageView.h"
#include "games/action/TF_Game6.h"
#include "platform/MediaPlayer.h"
#include "platform/MessageBoxes.h"
#include "platform/Modal.h"
#include "support/SampleData.h"
#include "support/TestEnv.h"

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QtTest>

namespace {
int rankings = 0;

void writeHolePicture(const TestEnv& env, const QString& name, QRgb mound)
{
    QImage img(64, 64, QImage::Format_RGB32);
    img.fill(qRgb(0, 0, 0));
    for (int y = 36; y < 60; ++y)
        for (int x = 4; x < 60; ++x)
            img.setPixel(x, y, mound);
    img.save(env.path(name), "BMP");
}

void prepare(const TestEnv& env, int level = 1, int progress = 0)
{
    WriteSampleKanjiData(env);
    writeHolePicture(env, QStringLiteral("Mogura.bmp"), qRgb(140, 90, 45));
    writeHolePicture(env, QStringLiteral("Atari.bmp"), qRgb(255, 128, 0));
    for (const char* name : {"Atari.wav", "Hazure.wav", "Mondai.wav", "Game61.mid", "Game62.mid"})
        env.writeFile(QString::fromLatin1(name), "x");
    Player_Count = 1;
    TPlayerRec& p = Player_Tbl[1];
    p.No = 1;
    p.Name.setSjis("jiro");
    p.Gakunen = 2;
    p.Level[6] = static_cast<std::int16_t>(level);
    p.Progress[6] = static_cast<std::int16_t>(progress);
    Cur_Player = 1;
    Midi_Count = 1;
    StartGame(6);
    rankings = 0;
    Modal::setHook([](QDialog*) {
        ++rankings;
        return 0;
    });
}

// Clicks every right character on the board in its fullest state.
int hitAll(TF_Game6* w)
{
    int hits = 0;
    MoleBoard& b = w->board();
    for (int c = 1; c <= 5; ++c)
        for (int r = 1; r <= 5; ++r)
            if (b.holes[c][r].state == 3 && b.holes[c][r].kanji == b.currentKanji()) {
                w->Img1MouseDown(72 * (c - 1) + 36, 72 * (r - 1) + 40);
                ++hits;
            }
    return hits;
}
}  // namespace

class TestGame6Window : public QObject {
    Q_OBJECT

private slots:
    // Start: the tick follows the speed, the progress bar replaces the speed control.
    void start()
    {
        TestEnv env;
        prepare(env);
        auto* w = new TF_Game6();
        QCOMPARE(w->TBar_Speed->value(), 7);
        w->TBar_Speed->setValue(15);
        w->Btn_StartClick();
        QVERIFY(w->running());
        QCOMPARE(w->Timer1->interval(), 500);
        QCOMPARE(w->GroupBox2->title(), QStringLiteral("すすみぐあい"));
        QVERIFY(w->TBar_Speed->isHidden() && w->Label5->isHidden() && w->Label6->isHidden());
        QVERIFY(!w->Shp_Shinkou1->isHidden());
        QCOMPARE(w->Shp_Shinkou2->width(), 0);
        QCOMPARE(w->Btn_Start->text(), QStringLiteral("ゲームおわり"));
        QCOMPARE(w->questions->label(2)->text().isEmpty(), false);
        for (int i = 0; i < 20; ++i)
            w->Timer1Timer();
        QCOMPARE(w->Shp_Shinkou2->width(),
                 w->Shp_Shinkou1->width() * w->board().rightInGame / MoleBoard::RightPerGame);
        w->Cancel();
        QVERIFY(MessageBoxes::shown().isEmpty());
    }

    // The red progress bar stays on its white track: it grows with the right characters
    // released and fills the track only when the last of them has come up.
    void progressStaysOnItsTrack()
    {
        TestEnv env;
        prepare(env);
        QPointer<TF_Game6> w = new TF_Game6();
        w->Btn_StartClick();
        const QRect track = w->Shp_Shinkou1->geometry();
        int widest = 0, ticks = 0;
        while (w && w->running() && ticks < 5000) {
            w->Timer1Timer();
            if (!w || !w->running())
                break;
            const QRect bar = w->Shp_Shinkou2->geometry();
            QVERIFY2(track.contains(bar) || bar.width() == 0,
                     qPrintable(QStringLiteral("%1 right: bar %2 wide")
                                    .arg(w->board().rightInGame)
                                    .arg(bar.width())));
            if (w->board().rightInGame < MoleBoard::RightPerGame)
                QVERIFY(bar.width() < track.width());
            else
                QCOMPARE(bar.width(), track.width());
            widest = std::max(widest, bar.width());
            ++ticks;
        }
        QVERIFY(widest > track.width() / 2);
        if (w)
            w->Cancel();
    }

    // Hitting the right characters to the end passes, earns a credit and ranks the score.
    void playToPass()
    {
        TestEnv env;
        prepare(env, 1, 4);
        QPointer<TF_Game6> w = new TF_Game6();
        w->Btn_StartClick();
        int hits = 0, ticks = 0;
        while (w && w->running() && ticks < 3000) {
            w->Timer1Timer();
            if (w && w->running())
                hits += hitAll(w);
            ++ticks;
        }
        QVERIFY(hits > 20);
        QCOMPARE(MessageBoxes::shown(), QStringList{QStringLiteral("おめでとう！ ごうかくです")});
        QCOMPARE(rankings, 1);
        QVERIFY(Last_Score > 35);
        QCOMPARE(Player_Tbl[1].Level[6], 2);
        QCOMPARE(Player_Tbl[1].Progress[6], 0);
    }

    // Never hitting fails with score 0; a click before the start does nothing.
    void playToFail()
    {
        TestEnv env;
        prepare(env);
        QPointer<TF_Game6> w = new TF_Game6();
        w->Img1MouseDown(40, 40);
        QVERIFY(MediaPlayers::log().filter(QStringLiteral("play Hazure")).isEmpty());
        w->Btn_StartClick();
        int ticks = 0;
        while (w && w->running() && ticks < 3000) {
            w->Timer1Timer();
            ++ticks;
        }
        QCOMPARE(MessageBoxes::shown(), QStringList{QStringLiteral("ざんねん！ ふごうかくです")});
        QCOMPARE(rankings, 1);
        QCOMPARE(Last_Score, 0);
        QCOMPARE(Player_Tbl[1].Progress[6], 0);
    }

    // A hit shows the hit picture at once and plays the hit sound; a miss plays the miss sound.
    void hitAndMiss()
    {
        TestEnv env;
        prepare(env);
        auto* w = new TF_Game6();
        w->Btn_StartClick();
        MoleBoard& b = w->board();
        b.holes[2][2] = {3, b.currentKanji()};
        MediaPlayers::log().clear();
        w->Img1MouseDown(72 + 36, 72 + 40);
        QVERIFY(MediaPlayers::log().contains(QStringLiteral("play Atari.wav")));
        QCOMPARE(w->Lbl_Seikai->text(), QString::number(b.pointsFor(3)));
        QCOMPARE(w->picture().board().pixel(72 + 8 + 30, 72 + 50), qRgb(255, 128, 0));
        MediaPlayers::log().clear();
        w->Img1MouseDown(5, 5);
        QVERIFY(MediaPlayers::log().contains(QStringLiteral("play Hazure.wav")));
        w->Cancel();
    }

    // Fast presses on the board: the second press of a double-click counts as a press, whether
    // the toolkit makes the double-click (through the window) or it arrives at the board itself.
    void fastPressesAllCount_data()
    {
        QTest::addColumn<bool>("throughWindow");
        QTest::newRow("window") << true;
        QTest::newRow("board") << false;
    }
    void fastPressesAllCount()
    {
        QFETCH(bool, throughWindow);
        TestEnv env;
        prepare(env);
        QPointer<TF_Game6> w = new TF_Game6();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        w->Btn_StartClick();
        MoleBoard& b = w->board();
        const QPoint hole(72 + 36, 72 + 40);  // hole (2, 2)
        b.holes[2][2] = {3, b.currentKanji()};
        MediaPlayers::log().clear();
        if (throughWindow) {
            QWindow* win = w->windowHandle();
            const QPoint at = w->Img1->mapTo(w, hole);
            QTest::mouseClick(win, Qt::LeftButton, {}, at);
            QCOMPARE(b.score, b.pointsFor(3));
            b.holes[2][2] = {3, b.currentKanji()};
            // press, release, press: the last comes within the double-click time of the first
            QTest::mouseDClick(win, Qt::LeftButton, {}, at);
        } else {
            QTest::mouseClick(w->Img1, Qt::LeftButton, {}, hole);
            QCOMPARE(b.score, b.pointsFor(3));
            b.holes[2][2] = {3, b.currentKanji()};
            QTest::mouseDClick(w->Img1, Qt::LeftButton, {}, hole);
        }
        QCOMPARE(b.score, 2 * b.pointsFor(3));
        QCOMPARE(MediaPlayers::log().count(QStringLiteral("play Atari.wav")), 2);
        // a fast second press on an empty hole is a miss, with its sound
        MediaPlayers::log().clear();
        if (throughWindow)
            QTest::mouseDClick(w->windowHandle(), Qt::LeftButton, {}, w->Img1->mapTo(w, QPoint(5, 5)));
        else
            QTest::mouseDClick(w->Img1, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(MediaPlayers::log().count(QStringLiteral("play Hazure.wav")),
                 throughWindow ? 2 : 1);
        w->Cancel();
    }

    // The board shows holes with their backgrounds filled navy and characters rising.
    void boardPicture()
    {
        TestEnv env;
        prepare(env);
        auto* w = new TF_Game6();
        w->Btn_StartClick();
        for (int i = 0; i < 6; ++i)
            w->Timer1Timer();
        const QImage& img = w->picture().board();
        QCOMPARE(img.size(), QSize(450, 450));
        QCOMPARE(img.pixel(8 + 2, 8 + 2), qRgb(0, 0, 128));   // flood-filled background
        for (int c = 1; c <= 5; ++c)
            for (int r = 1; r <= 5; ++r)
                if (w->board().holes[c][r].kanji == 0)  // the mound shows in an empty hole
                    QCOMPARE(img.pixel(72 * (c - 1) + 8 + 36, 72 * (r - 1) + 8 + 45),
                             qRgb(140, 90, 45));
        bool character = false;
        for (int y = 0; y < 360 && !character; ++y)
            for (int x = 0; x < 360; ++x)
                character = character || img.pixel(x, y) == qRgb(0, 255, 255);
        QVERIFY(character);
        const QByteArray out = qgetenv("MOJI_SHOT6");
        if (!out.isEmpty())
            w->grab().save(QString::fromLocal8Bit(out));
        w->Cancel();
    }

    // A missing hole picture is reported and the game cannot start.
    void missingPicture()
    {
        TestEnv env;
        prepare(env);
        env.removeFile(QStringLiteral("Mogura.bmp"));
        auto* w = new TF_Game6();
        QVERIFY(w->setUpFailed());
        QCOMPARE(MessageBoxes::shown(),
                 QStringList{QStringLiteral("Mogura.bmpでエラーがおこりました。 ")});
        w->Btn_StartClick();
        QVERIFY(!w->running());
    }

    // Quitting records nothing; the music follows the right characters released.
    void quitAndMusic()
    {
        TestEnv env;
        prepare(env);
        auto* w = new TF_Game6();
        w->Btn_StartClick();
        while (w->board().rightInGame < 13)
            w->Timer1Timer();
        MediaPlayers::finish(w->MP_MO_1->player());
        QCOMPARE(w->MP_MO_1->currentFile(), QStringLiteral("Game62.mid"));
        w->Btn_Start->click();
        QVERIFY(MessageBoxes::shown().isEmpty());
        QCOMPARE(rankings, 0);
    }
};

QTEST_MAIN(TestGame6Window)
#include "test_game6_window.moc"
