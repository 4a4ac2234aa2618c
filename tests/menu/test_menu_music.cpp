// SPDX-License-Identifier: GPL-3.0-or-later
#include "MenuFixture.h"
#include "MenuTestSupport.h"
#include "menu/MenuMusic.h"
#include "platform/MediaPlayer.h"
#include "platform/MessageBoxes.h"

#include <QtTest>

namespace {
// Calls `paint` at every paint of the widget it watches.
class PaintWatch : public QObject {
  public:
    explicit PaintWatch(std::function<void()> paint) : paint_(std::move(paint)) {}

  protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint)
            paint_();
        return false;
    }

  private:
    std::function<void()> paint_;
};
} // namespace

class TestMenuMusic : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { qApp->setQuitOnLastWindowClosed(false); }

    // Showing plays "Menu1.mid" with all four tracks open; each end plays the next, 4 then 1.
    void cycle() {
        TestEnv env;
        WriteMenuFiles(env);
        MenuPtr menu = MakeMenu();
        MediaPlayers::log().clear();
        menu->show();
        QCOMPARE(MediaPlayers::log(),
                 (QStringList{"open Menu1.mid", "open Menu2.mid", "open Menu3.mid",
                              "open Menu4.mid", "play Menu1.mid"}));
        QVERIFY(menu->music()->isOn());
        QVERIFY(menu->MP_1->notifyRequested());
        MediaPlayer* order[] = {menu->MP_1, menu->MP_2, menu->MP_3, menu->MP_4};
        const QStringList next{"Menu2.mid", "Menu3.mid", "Menu4.mid", "Menu1.mid"};
        for (int i = 0; i < 4; ++i) {
            // One end report starts exactly one new track, and only that one waits for its end.
            MediaPlayers::log().clear();
            MediaPlayers::finish(order[i]);
            QCOMPARE(MediaPlayers::log(), QStringList{"play " + next[i]});
            QCOMPARE(menu->music()->track(), (i + 1) % 4 + 1);
            for (int n = 0; n < 4; ++n)
                QCOMPARE(order[n]->notifyRequested(), n == (i + 1) % 4);
        }
        QCOMPARE(menu->music()->track(), 1);
        QVERIFY(menu->MP_1->notifyRequested());
        QVERIFY(!menu->MP_4->notifyRequested());
        QVERIFY(MessageBoxes::shown().isEmpty());
    }

    // Hiding stops the track and closes all four; showing again starts over at "Menu1.mid".
    void hideAndShowRestarts() {
        TestEnv env;
        WriteMenuFiles(env);
        MenuPtr menu = MakeMenu();
        menu->show();
        MediaPlayers::finish(menu->MP_1);
        MediaPlayers::finish(menu->MP_2);
        MediaPlayers::log().clear();
        menu->hide();
        QCOMPARE(MediaPlayers::log(),
                 (QStringList{"stop Menu3.mid", "close Menu1.mid", "close Menu2.mid",
                              "close Menu3.mid", "close Menu4.mid"}));
        QVERIFY(!menu->music()->isOn());
        // A track that ends after the music stopped is not followed by another.
        MediaPlayers::log().clear();
        MediaPlayers::finish(menu->MP_3);
        QVERIFY(MediaPlayers::log().isEmpty());
        menu->show();
        QCOMPARE(MediaPlayers::log().last(), QStringLiteral("play Menu1.mid"));
        QCOMPARE(menu->music()->track(), 1);
    }

    // Without a MIDI device the menu is silent and never shows a media message.
    void noMidi() {
        TestEnv env;
        WriteMenuFiles(env, QStringLiteral("Menu2.mid"));
        MediaPlayers::setMidiAvailableForTests(false);
        MenuPtr menu = MakeMenu();
        MediaPlayers::log().clear();
        menu->show();
        menu->hide();
        menu->show();
        QCOMPARE(Midi_Count, 0);
        QVERIFY(MediaPlayers::log().isEmpty());
        QVERIFY(MessageBoxes::shown().isEmpty());
        QVERIFY(!menu->music()->isOn());
    }

    // A missing track is named in the report when the menu shows; the menu stays usable.
    void missingTrack() {
        TestEnv env;
        WriteMenuFiles(env, QStringLiteral("Menu2.mid"));
        MenuPtr menu = MakeMenu();
        MediaPlayers::log().clear();
        menu->show();
        QCOMPARE(MessageBoxes::shown(),
                 QStringList{QStringLiteral("Menu2.mid でエラーがおこりました。 ")});
        QVERIFY(!menu->music()->isOn());
        QVERIFY(!MediaPlayers::log().contains(QStringLiteral("play Menu1.mid")));
        QVERIFY(menu->created());
        menu->hide(); // nothing to stop, nothing more to report
        QCOMPARE(MessageBoxes::shown().size(), 1);
    }

    // At the program's start the menu is drawn before the first track's synthesizer loads; a
    // later show starts the music at once.
    void firstFrameBeforeMusic() {
        TestEnv env;
        WriteMenuFiles(env);
        MenuPtr menu = MakeMenu();
        MediaPlayers::log().clear();
        int logAtFirstPaint = -1;
        PaintWatch watch([&] {
            if (logAtFirstPaint < 0)
                logAtFirstPaint = int(MediaPlayers::log().size());
        });
        menu->installEventFilter(&watch);
        menu->musicAfterFirstFrame();
        menu->show();
        QTRY_VERIFY(logAtFirstPaint >= 0);
        QTRY_VERIFY(menu->music()->isOn());
        QCOMPARE(logAtFirstPaint, 0);
        QCOMPARE(MediaPlayers::log().last(), QStringLiteral("play Menu1.mid"));
        menu->hide();
        QVERIFY(!menu->music()->isOn());
        menu->show();
        QVERIFY(menu->music()->isOn());
    }

    // Hidden again before its first frame, the menu starts no music.
    void hiddenBeforeFirstFrame() {
        TestEnv env;
        WriteMenuFiles(env);
        MenuPtr menu = MakeMenu();
        MediaPlayers::log().clear();
        menu->musicAfterFirstFrame();
        menu->show();
        menu->hide();
        QTest::qWait(50);
        QVERIFY(!menu->music()->isOn());
        QVERIFY(!MediaPlayers::log().contains(QStringLiteral("play Menu1.mid")));
    }

    // Midi_Count is read anew at every show.
    void midiCountReadOnShow() {
        TestEnv env;
        WriteMenuFiles(env);
        MenuPtr menu = MakeMenu();
        QCOMPARE(Midi_Count, 1);
        menu->show();
        menu->hide();
        MediaPlayers::setMidiAvailableForTests(false);
        menu->show();
        QCOMPARE(Midi_Count, 0);
        QVERIFY(!menu->music()->isOn());
    }
};

QTEST_MAIN(TestMenuMusic)
#include "test_menu_music.moc"
