// SPDX-License-Identifier: GPL-3.0-or-later
// The animation control: opens the menu clips with FFmpeg, loops them at their own rate, paints
// the current frame centred, and refuses missing or damaged files without crashing.
#include "platform/AnimateControl.h"
#include "platform/DisplayModes.h"
#include "platform/PictureMasters.h"
#include "support/TestEnv.h"
#include "tools/assets/AssetList.h"

#include <QFile>
#include <QRandomGenerator>
#include <QtTest>

namespace {

QString builtClip(int game)
{
    return TestEnv::builtProgramDir() + QLatin1Char('/') + QString::fromLatin1(AssetList::Animations[game - 1].name);
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

}  // namespace

class TestAnimateControl : public QObject {
    Q_OBJECT
private slots:
    // Every menu clip opens with its size, frame count and the file's own frame rate.
    void opensEveryClip_data()
    {
        QTest::addColumn<int>("game");
        for (int g = 1; g <= 7; ++g)
            QTest::newRow(AssetList::Animations[g - 1].name) << g;
    }
    void opensEveryClip()
    {
        QFETCH(int, game);
        AnimateControl control;
        QVERIFY(control.open(builtClip(game)));
        QVERIFY(control.isOpen());
        QCOMPARE(control.frameSize(), AssetList::AnimationSize);
        QCOMPARE(control.frameCount(), AssetList::Animations[game - 1].frames);
        QCOMPARE(control.frameRate(), double(AssetList::AnimationRate));
        const double seconds = control.frameCount() / control.frameRate();
        QVERIFY(seconds >= 2.0 && seconds <= 4.0);
        QCOMPARE(control.currentImage().size(), AssetList::AnimationSize);
        // It moves: the middle frame differs from the first.
        const AviClip clip = AviClip::decode(builtClip(game));
        QCOMPARE(int(clip.frames.size()), control.frameCount());
        QVERIFY(clip.frames.front() != clip.frames[clip.frames.size() / 2]);
    }

    // On a screen of three or more device pixels a layout pixel (4K) a clip plays its larger
    // master: the same place and frames in the layout, painted with the master's detail instead
    // of the small clip enlarged.
    void largeScreenPlaysTheMaster_data()
    {
        QTest::addColumn<int>("game");
        for (int g = 1; g <= 7; ++g)
            QTest::newRow(AssetList::Animations[g - 1].name) << g;
    }
    void largeScreenPlaysTheMaster()
    {
        QFETCH(int, game);
        const QString master = TestEnv::builtProgramDir() + QLatin1Char('/') +
                               ClipMasterName(QString::fromLatin1(AssetList::Animations[game - 1].name));
        QVERIFY2(QFile::exists(master), qPrintable(master));
        struct Ratio {
            Ratio() { ApplyGlobalScaleFactor(ClipMasterFromRatio); }
            ~Ratio() { ApplyGlobalScaleFactor(1); }
        } ratio;
        AnimateControl control;
        QVERIFY(control.open(builtClip(game)));
        QCOMPARE(control.frameSize(), AssetList::AnimationSize);
        QCOMPARE(control.frameCount(), AssetList::Animations[game - 1].frames);
        QCOMPARE(control.currentImage().devicePixelRatio(), qreal(ClipMasterScale));
        QCOMPARE(control.currentImage().size(), AssetList::AnimationSize * ClipMasterScale);

        control.resize(AssetList::AnimationSize);
        const QImage shot = control.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shot.size(), AssetList::AnimationSize * ClipMasterFromRatio);
        const AviClip clip = AviClip::decode(master);
        QVERIFY(!clip.frames.empty());
        const QImage expected = clip.frames.front()
                                    .scaled(shot.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                    .convertToFormat(QImage::Format_RGB32);
        int off = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x) {
                const QRgb a = shot.pixel(x, y), b = expected.pixel(x, y);
                off += qAbs(qRed(a) - qRed(b)) > 32 || qAbs(qGreen(a) - qGreen(b)) > 32 ||
                       qAbs(qBlue(a) - qBlue(b)) > 32;
            }
        QVERIFY2(off < shot.width() * shot.height() / 50, qPrintable(QString::number(off)));
    }

    // Playing reads the clip a frame at a time: round after round, each tick shows the same
    // picture as the whole clip decoded at once.
    void playbackMatchesWholeClip()
    {
        AnimateControl control;
        QVERIFY(control.open(builtClip(1)));
        const AviClip clip = AviClip::decode(builtClip(1));
        const int n = control.frameCount();
        QCOMPARE(control.currentImage(), clip.frames[0]);
        for (int tick = 1; tick <= 2 * n + 3; ++tick) {
            control.advance();
            QCOMPARE(control.currentFrame(), tick % n);
            QCOMPARE(control.currentImage(), clip.frames[size_t(tick % n)]);
        }
    }

    // A clip cut short on disk while it plays stops on the frame it shows; nothing crashes.
    void fileCutWhilePlaying()
    {
        TestEnv env;
        const QByteArray good = readAll(builtClip(3));
        env.writeFile(QStringLiteral("Cut.AVI"), good);
        AnimateControl control;
        QVERIFY(control.open(env.path(QStringLiteral("Cut.AVI"))));
        control.play();
        QFile::resize(env.path(QStringLiteral("Cut.AVI")), good.size() / 3);
        for (int i = 0; i < 3 * control.frameCount() && control.isPlaying(); ++i)
            control.advance();
        QVERIFY(!control.isPlaying());
        QVERIFY(control.isOpen());
        QCOMPARE(control.currentImage().size(), control.frameSize());
        QVERIFY(!control.grab().isNull());
    }

    // The timer's tick steps through the frames and wraps to the first after the last.
    void advanceLoops()
    {
        AnimateControl control;
        QVERIFY(control.open(builtClip(5)));
        QCOMPARE(control.currentFrame(), 0);
        control.advance();
        QCOMPARE(control.currentFrame(), 1);
        for (int i = 1; i < control.frameCount(); ++i)
            control.advance();
        QCOMPARE(control.currentFrame(), 0);
    }

    // Play runs the timer at the clip's frame interval; stop and close end it.
    void playStopClose()
    {
        AnimateControl control;
        control.play();  // nothing open: nothing runs
        QVERIFY(!control.isPlaying());
        QVERIFY(control.open(builtClip(1)));
        control.play();
        QVERIFY(control.isPlaying());
        control.stop();
        QVERIFY(!control.isPlaying());
        control.play();
        control.close();
        QVERIFY(!control.isPlaying());
        QVERIFY(!control.isOpen());
        QCOMPARE(control.frameCount(), 0);
    }

    // The current frame is painted centred in a larger control.
    void paintsFrameCentred()
    {
        AnimateControl control;
        QVERIFY(control.open(builtClip(2)));
        control.resize(205, 140);
        control.advance();
        const QImage shot = control.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage frame = AviClip::decode(builtClip(2)).frames[1];
        for (QPoint p : {QPoint(0, 0), QPoint(92, 60), QPoint(184, 119), QPoint(40, 100)})
            QCOMPARE(shot.pixel(p + QPoint(10, 10)), frame.pixel(p));
    }

    // Around a frame smaller than the control the parent shows through; a control the frame
    // covers is opaque, so the parent is not painted beneath every frame.
    void parentShowsOnlyAroundTheFrame()
    {
        QWidget parent;
        parent.resize(300, 200);
        QPalette red = parent.palette();
        red.setColor(QPalette::Window, Qt::red);
        parent.setPalette(red);
        parent.setAutoFillBackground(true);
        auto* control = new AnimateControl(&parent);
        QVERIFY(control->open(builtClip(2)));
        control->setGeometry(0, 0, 205, 140);
        const QImage shot = parent.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QVERIFY(!control->testAttribute(Qt::WA_OpaquePaintEvent));
        QCOMPARE(QColor(shot.pixel(2, 2)), QColor(Qt::red));
        QCOMPARE(QColor(shot.pixel(200, 135)), QColor(Qt::red));
        QCOMPARE(shot.pixel(10, 10), control->currentImage().pixel(0, 0));

        control->setGeometry(0, 0, 185, 120);
        parent.grab();
        QVERIFY(control->testAttribute(Qt::WA_OpaquePaintEvent));
        control->close();
        QVERIFY(!control->testAttribute(Qt::WA_OpaquePaintEvent));
    }

    // Missing, cut or damaged files are refused and leave the control closed.
    void refusesDamagedFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = readAll(builtClip(3));
        QVERIFY(good.size() > 10000);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("header only") << good.left(200);
        QTest::newRow("half") << good.left(good.size() / 2);
        QTest::newRow("all but the index") << good.left(good.size() - 30 * 16 - 8 - 3000);
        QTest::newRow("text") << QByteArray("RIFF....AVI LIST this is not a video");
        QByteArray noise(50000, '\0');
        QRandomGenerator rng(12345);
        for (char& c : noise)
            c = char(rng.bounded(256));
        QTest::newRow("noise") << noise;
        QTest::newRow("riff header then noise") << good.left(64) + noise;
    }
    void refusesDamagedFiles()
    {
        QFETCH(QByteArray, bytes);
        TestEnv env;
        env.writeFile(QStringLiteral("Bad.AVI"), bytes);
        AnimateControl control;
        QVERIFY(control.open(builtClip(1)));
        QVERIFY(!control.open(env.path(QStringLiteral("Bad.AVI"))));
        QVERIFY(!control.isOpen());
        QCOMPARE(control.frameCount(), 0);
        control.play();
        QVERIFY(!control.isPlaying());
    }

    // Random damage inside a clip never crashes the decoder.
    void survivesMutations()
    {
        TestEnv env;
        const QByteArray good = readAll(builtClip(4));
        QRandomGenerator rng(777);
        for (int i = 0; i < 40; ++i) {
            QByteArray bad = good;
            for (int k = 0; k < 8; ++k)
                bad[int(rng.bounded(qMin<qsizetype>(bad.size(), 2048)))] = char(rng.bounded(256));
            env.writeFile(QStringLiteral("Bad.AVI"), bad);
            AnimateControl control;
            if (control.open(env.path(QStringLiteral("Bad.AVI"))))
                QVERIFY(control.frameCount() > 0);
        }
    }

    // A file that does not exist is refused.
    void missingFile()
    {
        AnimateControl control;
        QVERIFY(!control.open(QStringLiteral("/nonexistent/Game1.AVI")));
    }
};

QTEST_MAIN(TestAnimateControl)
#include "test_animate_control.moc"
