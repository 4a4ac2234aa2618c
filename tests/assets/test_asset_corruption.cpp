// SPDX-License-Identifier: GPL-3.0-or-later
// Damaged copies of every kind of media file are refused by the player that reads them: an
// error, never a crash or a hang. Two gaps in players outside the media code are marked as
// expected failures until they are closed.
#include "platform/AnimateControl.h"
#include "platform/BitmapFile.h"
#include "platform/MediaPlayer.h"
#include "platform/WmfPicture.h"
#include "support/TestEnv.h"
#include "tools/assets/SmfReader.h"

#include <QFile>
#include <QImage>
#include <QRandomGenerator>
#include <QtTest>

namespace {

QByteArray builtFile(const QString& name)
{
    QFile f(TestEnv::builtProgramDir() + QLatin1Char('/') + name);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

QByteArray noise(int size, quint32 seed)
{
    QByteArray b(size, '\0');
    QRandomGenerator rng(seed);
    for (char& c : b)
        c = char(rng.bounded(256));
    return b;
}

// Damaged versions of a good file: empty, cut at several places, and overwritten with noise.
// tail: how many bytes the last cut removes (it must reach into data the file needs).
void addDamaged(const QString& name, int tail = 3)
{
    const QByteArray good = builtFile(name);
    QVERIFY(!good.isEmpty());
    QTest::newRow(qPrintable(name + QStringLiteral(" empty"))) << name << QByteArray();
    QTest::newRow(qPrintable(name + QStringLiteral(" first bytes"))) << name << good.left(10);
    QTest::newRow(qPrintable(name + QStringLiteral(" half"))) << name << good.left(good.size() / 2);
    QTest::newRow(qPrintable(name + QStringLiteral(" all but the last bytes"))) << name << good.left(good.size() - tail);
    QTest::newRow(qPrintable(name + QStringLiteral(" noise"))) << name << noise(4000, 99);
}

bool playerOpens(const QString& path)
{
    MediaPlayers::setRecording(false);
    MediaPlayer player;
    player.setFileName(path);
    const bool opened = player.open();
    player.close();
    MediaPlayers::setRecording(true);
    return opened;
}

}  // namespace

class TestAssetCorruption : public QObject {
    Q_OBJECT
private slots:
    // A damaged tune fails to open in the media player and in our own reader.
    void tunes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        addDamaged(QStringLiteral("Menu1.mid"));
        addDamaged(QStringLiteral("Game54.mid"));
    }
    void tunes()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        TestEnv env;
        env.writeFile(name, bytes);
        QVERIFY(!SmfReader::read(bytes).has_value());
        QVERIFY(!playerOpens(env.path(name)));
    }

    // A damaged effect fails to open.
    void sounds_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        addDamaged(QStringLiteral("Seikai.wav"));
        addDamaged(QStringLiteral("Select.wav"));
    }
    void sounds()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        TestEnv env;
        env.writeFile(name, bytes);
        QVERIFY(!playerOpens(env.path(name)));
    }

    // A damaged metafile fails to load.
    void metafiles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        addDamaged(QStringLiteral("Pop3.wmf"));
        addDamaged(QStringLiteral("Bang1.wmf"));
    }
    void metafiles()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        TestEnv env;
        env.writeFile(name, bytes);
        WmfPicture pic;
        QVERIFY(!pic.load(env.path(name)));
        QVERIFY(pic.isNull());
    }

    // A damaged bitmap fails to load.
    void bitmaps_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        addDamaged(QStringLiteral("Mogura.bmp"));
        addDamaged(QStringLiteral("Tama.bmp"));
    }
    void bitmaps()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        TestEnv env;
        env.writeFile(name, bytes);
        QImage img;
        QVERIFY(!LoadBitmapFile(env.path(name), img));
    }

    // A damaged animation fails to open.
    void animations_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        // The last cut reaches into the last frame, not only the index after it.
        addDamaged(QStringLiteral("Game6.AVI"), 30 * 16 + 8 + 1000);
    }
    void animations()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        TestEnv env;
        env.writeFile(name, bytes);
        AnimateControl control;
        QVERIFY(!control.open(env.path(name)));
    }
};

QTEST_MAIN(TestAssetCorruption)
#include "test_asset_corruption.moc"
