// SPDX-License-Identifier: GPL-3.0-or-later
// The media player on SDL2_mixer (dummy audio driver): WAV and MIDI open, play and report their
// end on the UI thread; missing or broken files fail to open; the recording double logs calls.
#include "data/Music.h"
#include "data/ProgramDir.h"
#include "data/Tables.h"
#include "platform/MediaPlayer.h"
#include "platform/MessageBoxes.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <dlfcn.h>

namespace {
// A mono 16-bit WAV of `ms` milliseconds of a quiet tone.
QByteArray wav(int ms)
{
    const int rate = 22050;
    const int samples = rate * ms / 1000;
    QByteArray data;
    for (int i = 0; i < samples; ++i) {
        const qint16 v = static_cast<qint16>((i / 25 % 2) ? 3000 : -3000);
        data.append(static_cast<char>(v & 0xff)).append(static_cast<char>((v >> 8) & 0xff));
    }
    auto le32 = [](quint32 v) {
        QByteArray b(4, '\0');
        for (int i = 0; i < 4; ++i)
            b[i] = static_cast<char>((v >> (8 * i)) & 0xff);
        return b;
    };
    auto le16 = [](quint16 v) { return QByteArray(1, static_cast<char>(v & 0xff)) + QByteArray(1, static_cast<char>(v >> 8)); };
    QByteArray out = "RIFF" + le32(36 + data.size()) + "WAVEfmt " + le32(16) + le16(1) + le16(1) +
                     le32(rate) + le32(rate * 2) + le16(2) + le16(16) + "data" + le32(data.size());
    return out + data;
}

// A one-note General MIDI file of about a quarter of a second.
QByteArray midi()
{
    const QByteArray track = QByteArray::fromHex("00c000" "00903c64" "60803c40" "00ff2f00");
    QByteArray out = QByteArray::fromHex("4d546864000000060000000100c0");
    out += "MTrk";
    out += QByteArray::fromHex("000000") + QByteArray(1, static_cast<char>(track.size()));
    return out + track;
}

void write(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
}  // namespace

class TestMediaPlayer : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

private slots:
    void initTestCase()
    {
        write(dir.filePath("Atari.wav"), wav(150));
        write(dir.filePath("Menu1.mid"), midi());
        write(dir.filePath("Menu2.mid"), midi());
        write(dir.filePath("Broken.wav"), "RIFF\x10\0\0\0WAVEjunk");
        write(dir.filePath("Broken.mid"), "MThd\0\0");
    }

    // With a working device, soundfont and MIDI decoder, MIDI counts as available.
    void midiAvailable()
    {
        MediaPlayers::setRecording(false);
        QCOMPARE(MidiDeviceCount(), 1);
    }

    // A WAV plays and its end arrives once, on the UI thread, only when asked for.
    void wavEndReported()
    {
        MediaPlayers::setRecording(false);
        MediaPlayer p;
        p.setFileName(dir.filePath("Atari.wav"));
        QVERIFY(p.open());
        QSignalSpy spy(&p, &MediaPlayer::notify);
        QThread* reportedOn = nullptr;
        connect(&p, &MediaPlayer::notify, this, [&] { reportedOn = QThread::currentThread(); });
        p.setNotify(true);
        QVERIFY(p.play());
        QVERIFY(spy.wait(5000));
        QCOMPARE(reportedOn, QThread::currentThread());
        QVERIFY(!p.notifyRequested());

        QVERIFY(p.rewind());
        QVERIFY(p.play());  // no report asked for this time
        QTest::qWait(400);
        QCOMPARE(spy.count(), 1);
    }

    // A MIDI track plays through FluidSynth and reports its end; stopping it reports nothing.
    void midiEndReported()
    {
        MediaPlayers::setRecording(false);
        MediaPlayer p;
        p.setFileName(dir.filePath("Menu1.mid"));
        QVERIFY(p.open());
        QSignalSpy spy(&p, &MediaPlayer::notify);
        p.setNotify(true);
        QVERIFY(p.play());
        QVERIFY(p.isPlaying());
        QVERIFY(spy.wait(5000));

        p.setNotify(true);
        QVERIFY(p.play());
        QVERIFY(p.stop());
        QTest::qWait(300);
        QCOMPARE(spy.count(), 1);
        p.close();
        QVERIFY(!p.isOpen());
    }

    // One track at a time: a track cut off by another player's track reports no end and
    // releases its synthesizer at once; a track that plays out releases its own.
    void cutOffTrackReleased()
    {
        MediaPlayers::setRecording(false);
        MediaPlayer first;
        MediaPlayer second;
        first.setFileName(dir.filePath("Menu1.mid"));
        second.setFileName(dir.filePath("Menu2.mid"));
        QVERIFY(first.open());
        QVERIFY(second.open());
        QSignalSpy firstEnd(&first, &MediaPlayer::notify);
        QSignalSpy secondEnd(&second, &MediaPlayer::notify);
        first.setNotify(true);
        QVERIFY(first.play());
        QVERIFY(first.trackLoaded());
        second.setNotify(true);
        QVERIFY(second.play());
        QVERIFY(!first.trackLoaded());
        QVERIFY(!first.isPlaying());
        QVERIFY(second.trackLoaded());
        QVERIFY(secondEnd.wait(5000));
        QVERIFY(!second.trackLoaded());
        QCOMPARE(firstEnd.count(), 0);
        QVERIFY(first.isOpen());
        QVERIFY(first.play());  // a cut-off track can play again
        QVERIFY(first.trackLoaded());
        QVERIFY(first.stop());
    }

    // However many tracks play, from however many players, the run has one synthesizer with
    // one soundfont loaded into it; the library's own functions are the ones called.
    void oneSynthesizerForTheRun()
    {
        MediaPlayers::setRecording(false);
        MediaPlayer first;
        MediaPlayer second;
        first.setFileName(dir.filePath("Menu1.mid"));
        second.setFileName(dir.filePath("Menu2.mid"));
        QVERIFY(first.open());
        QVERIFY(second.open());
        QSignalSpy secondEnd(&second, &MediaPlayer::notify);
        QVERIFY(first.play());
        second.setNotify(true);
        QVERIFY(second.play());
        QVERIFY(secondEnd.wait(5000));
        QVERIFY(first.play());
        QVERIFY(first.stop());
        QVERIFY(second.play());
        QCOMPARE(MediaPlayers::synthesizersMade(), 1);
        QCOMPARE(MediaPlayers::soundFontsLoaded(), 1);

        Dl_info where{};
        QVERIFY(dladdr(dlsym(RTLD_DEFAULT, "new_fluid_settings"), &where) != 0);
        QVERIFY2(QByteArray(where.dli_fname).contains("libfluidsynth"), where.dli_fname);
    }

    // Missing and broken files fail to open instead of crashing.
    void badFiles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("missing wav") << "None.wav";
        QTest::newRow("missing mid") << "None.mid";
        QTest::newRow("broken wav") << "Broken.wav";
        QTest::newRow("broken mid") << "Broken.mid";
    }
    void badFiles()
    {
        MediaPlayers::setRecording(false);
        QFETCH(QString, name);
        MediaPlayer p;
        p.setFileName(dir.filePath(name));
        QVERIFY(!p.open());
        QVERIFY(!p.play());
    }

    // The recording double logs each call by file name and ends tracks on request.
    void recordingDouble()
    {
        MediaPlayers::setRecording(true);
        MediaPlayer p;
        p.setFileName(dir.filePath("Menu1.mid"));
        QVERIFY(p.open());
        QSignalSpy spy(&p, &MediaPlayer::notify);
        p.setNotify(true);
        p.play();
        MediaPlayers::finish(&p);
        MediaPlayers::finish(&p);  // a second end without a new request is not reported
        QCOMPARE(spy.count(), 1);
        p.stop();
        p.close();
        QCOMPARE(MediaPlayers::log(), (QStringList{"open Menu1.mid", "play Menu1.mid",
                                                   "stop Menu1.mid", "close Menu1.mid"}));
        p.setFileName(dir.filePath("None.mid"));
        QVERIFY(!p.open());
        MediaPlayers::setMidiAvailableForTests(false);
        QCOMPARE(MidiDeviceCount(), 0);
        MediaPlayers::setRecording(false);
    }

    // Window music loops with the chooser's next file, stays silent without MIDI, reports a
    // missing track by the window's music name, and is not restarted once stopped.
    void windowMusic()
    {
        MediaPlayers::setRecording(true);
        MessageBoxes::setRecording(true);
        SetProgramDir(dir.path());
        write(dir.filePath("Game12.mid"), midi());
        QWidget window;
        WindowMusic music(&window, QStringLiteral("Mogu.mid"));
        int measure = 20;
        music.nextFile = [&] { return GameMusicFile(1, MusicVariant(1, measure)); };

        Midi_Count = 0;
        music.start(QStringLiteral("Game11.mid"));
        QVERIFY(!music.isOn());
        QVERIFY(MediaPlayers::log().isEmpty());

        Midi_Count = 1;
        music.start(QStringLiteral("menu1.MID"));  // letter case does not matter
        QVERIFY(music.isOn());
        QCOMPARE(MediaPlayers::log().mid(0, 2), (QStringList{"open Menu1.mid", "play Menu1.mid"}));
        MediaPlayers::finish(music.player());
        QCOMPARE(music.currentFile(), QStringLiteral("Game12.mid"));
        QVERIFY(MediaPlayers::log().contains("play Game12.mid"));

        measure = 5;  // Game14.mid does not exist
        MediaPlayers::finish(music.player());
        QCOMPARE(MessageBoxes::shown(), QStringList{QStringLiteral("Mogu.mid でエラーがおこりました。 ")});
        QVERIFY(!music.isOn());

        music.start(QStringLiteral("Game12.mid"));
        music.stop();
        MediaPlayers::log().clear();
        MediaPlayers::finish(music.player());
        QVERIFY(MediaPlayers::log().isEmpty());
        MediaPlayers::setRecording(false);
    }

    // Which variant each game's measure calls for, at the ends of every range.
    void variants_data()
    {
        QTest::addColumn<int>("game");
        QTest::addColumn<int>("measure");
        QTest::addColumn<int>("variant");
        const int rows[][3] = {{1, 0, 1}, {1, 1, 4}, {1, 9, 4}, {1, 10, 3}, {1, 18, 3}, {1, 19, 2},
                               {1, 27, 2}, {1, 28, 1}, {2, 0, 1}, {2, 25, 4}, {2, 26, 3}, {2, 51, 2},
                               {2, 75, 2}, {2, 76, 1}, {3, 0, 4}, {3, 1, 1}, {3, 26, 2}, {3, 51, 3},
                               {3, 76, 4}, {4, 100, 4}, {5, 0, 1}, {5, 1, 1}, {5, 2, 2}, {5, 3, 2},
                               {5, 4, 3}, {5, 5, 4}, {6, 12, 1}, {6, 13, 2}, {6, 25, 2}, {6, 26, 3},
                               {6, 37, 3}, {6, 38, 4}, {7, 6, 4}};
        for (const auto& r : rows)
            QTest::addRow("game %d measure %d", r[0], r[1]) << r[0] << r[1] << r[2];
    }
    void variants()
    {
        QFETCH(int, game);
        QFETCH(int, measure);
        QFETCH(int, variant);
        QCOMPARE(MusicVariant(game, measure), variant);
    }
};

QTEST_MAIN(TestMediaPlayer)
#include "test_mediaplayer.moc"
