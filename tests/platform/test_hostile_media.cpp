// SPDX-License-Identifier: GPL-3.0-or-later
// Every media input kept beside the fuzz targets, replayed through the program's own players:
// the seeds (well-formed files that must open) and each input that once crashed or hung a reader
// (fuzz/regressions/<reader>/, which must now be refused or shown without harm).
#include "platform/AnimateControl.h"
#include "platform/MediaPlayer.h"
#include "platform/WmfPicture.h"
#include "support/KeptInputs.h"
#include "support/TestEnv.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QtTest>

namespace {

// A copy under the name the program would give the file, so players that go by the suffix agree.
QString copyAs(const TestEnv& env, const QString& path, const QString& name)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    env.writeFile(name, f.readAll());
    return env.path(name);
}
}  // namespace

class TestHostileMedia : public QObject {
    Q_OBJECT
private slots:
    // Metafiles: a loaded picture draws at any size, including off the surface's edge.
    void metafile_data() { KeptInputs(QStringLiteral("wmf")); }
    void metafile()
    {
        QFETCH(QString, path);
        QFETCH(bool, seed);
        WmfPicture picture;
        const bool loaded = picture.load(path);
        if (seed)
            QVERIFY(loaded);
        QCOMPARE(picture.isNull(), !loaded);
        const QImage image = picture.render(QSize(48, 32));
        QCOMPARE(image.size(), QSize(48, 32));
        QImage small(20, 20, QImage::Format_ARGB32_Premultiplied);
        small.fill(Qt::white);
        QPainter painter(&small);
        picture.draw(painter, QRectF(-5, 3, 17.5, 9));
        painter.end();
        if (!loaded)
            QCOMPARE(picture.shapeCount(), 0);
    }

    // Animations: an opened clip loops through all its frames; a refused one leaves the control
    // closed.
    void animation_data() { KeptInputs(QStringLiteral("avi")); }
    void animation()
    {
        QFETCH(QString, path);
        QFETCH(bool, seed);
        TestEnv env;
        AnimateControl control;
        control.resize(40, 30);
        const bool opened = control.open(copyAs(env, path, QStringLiteral("Game1.AVI")));
        if (seed)
            QVERIFY(opened);
        QCOMPARE(control.isOpen(), opened);
        if (!opened) {
            QCOMPARE(control.frameCount(), 0);
            return;
        }
        QVERIFY(control.frameRate() > 0);
        // A clip that opened plays round and round: every frame, in order, of one size.
        control.play();
        for (int i = 1; i <= 2 * control.frameCount() + 1; ++i) {
            control.advance();
            QVERIFY(control.isPlaying());
            QCOMPARE(control.currentFrame(), i % control.frameCount());
            QCOMPARE(control.currentImage().size(), control.frameSize());
        }
        QVERIFY(!control.grab().isNull());
    }

    // MIDI files on the real player (dummy audio): a damaged one fails to open, a seed opens
    // and plays when music can play at all.
    void midi_data() { KeptInputs(QStringLiteral("midi")); }
    void midi()
    {
        QFETCH(QString, path);
        QFETCH(bool, seed);
        TestEnv env;
        MediaPlayers::setRecording(false);
        MediaPlayer player;
        player.setFileName(copyAs(env, path, QStringLiteral("Menu1.mid")));
        const bool opened = player.open();
        if (seed && MidiDeviceCount() == 1) {
            QVERIFY(opened);
            QVERIFY(player.play());
            QVERIFY(player.stop());
        }
        player.close();
        QVERIFY(!player.isOpen());
        MediaPlayers::setRecording(true);
    }
};

QTEST_MAIN(TestHostileMedia)
#include "test_hostile_media.moc"
