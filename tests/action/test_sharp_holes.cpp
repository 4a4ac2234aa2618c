// SPDX-License-Identifier: GPL-3.0-or-later
// Game 6's holes and game 5's shell on a screen of more device pixels than layout pixels: drawn
// from the larger master the asset tool writes beside the small files, so their edges are as
// smooth as the text around them, while the small files the rules read keep their size.
#include "data/KanjiFiles.h"
#include "data/Rules.h"
#include "data/Tables.h"
#include "games/action/ActionSprites.h"
#include "games/action/MoleBoard.h"
#include "games/action/MolePicture.h"
#include "games/action/ShootDown.h"
#include "games/action/ShootDownPicture.h"
#include "platform/PictureMasters.h"
#include "support/SampleData.h"
#include "support/TestEnv.h"

#include <QPainter>
#include <QtMath>
#include <QtTest>

namespace {
// Share of the pixels of two pictures of one size that differ by more than a faint shade.
double differing(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            if (qAbs(qRed(p) - qRed(q)) > 32 || qAbs(qGreen(p) - qGreen(q)) > 32 ||
                qAbs(qBlue(p) - qBlue(q)) > 32)
                ++count;
        }
    return double(count) / (a.width() * a.height());
}
} // namespace

class TestSharpPictures : public QObject {
    Q_OBJECT
  private slots:
    void fromTheMaster_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("hole at 2") << QStringLiteral("Mogura.bmp") << qreal(2);
        QTest::newRow("hole at 4.5 (3840 x 2160)") << QStringLiteral("Mogura.bmp") << qreal(4.5);
        QTest::newRow("hit at 2") << QStringLiteral("Atari.bmp") << qreal(2);
        QTest::newRow("shell at 2") << QStringLiteral("Tama.bmp") << qreal(2);
        QTest::newRow("shell at 4.5") << QStringLiteral("Tama.bmp") << qreal(4.5);
    }
    void fromTheMaster() {
        QFETCH(QString, file);
        QFETCH(qreal, ratio);
        TestEnv env(true);
        const bool shell = file == QLatin1String("Tama.bmp");
        QVERIFY(StartSampleGame(env, shell ? 5 : 6));

        // The rules' file keeps its size; the master is the same picture, larger.
        const QImage small(env.dir() + file);
        const QImage master(env.dir() + MasterName(file));
        QCOMPARE(small.size(), shell ? QSize(16, 32) : QSize(64, 64));
        QVERIFY2(!master.isNull(), qPrintable(MasterName(file)));
        QCOMPARE(master.size(), small.size() * MasterScale);

        QImage screen(qCeil(450 * ratio), qCeil(450 * ratio), QImage::Format_RGB32);
        screen.fill(Qt::black);
        screen.setDevicePixelRatio(ratio);
        QPainter p(&screen);
        QRect place; // where the picture stands, in layout pixels
        QString failed;
        ShootDown game;
        ShootDownPicture shells;
        MoleBoard board;
        MolePicture holes;
        if (shell) {
            // The first shell of the store, at its top left; the store shows its top rows.
            game.setUp(360, 320, 1, nullptr);
            game.start(3, 0);
            QVERIFY2(shells.setUp(360, 320, SpriteBase(1), failed, ratio), qPrintable(failed));
            shells.paintStore(p, game);
            place = QRect(0, 0, 16, ShootDownPicture::StoreHeight);
        } else {
            // The first hole stands at (8, 8), 72 x 64, the picture stretched to it.
            board.setUp(1, SpriteBase(1), Cur_PerLevel, nullptr);
            board.start(3);
            QVERIFY2(holes.setUp(450, board, 1, failed, ratio), qPrintable(failed));
            holes.drawBoard(board);
            if (file == QLatin1String("Atari.bmp"))
                holes.drawHit(1, 1);
            holes.paint(p, 0);
            place = QRect(8, 8, 72, 64);
        }
        p.end();

        const QRect device(qCeil(place.x() * ratio), qCeil(place.y() * ratio),
                           int(place.width() * ratio), int(place.height() * ratio));
        // The whole picture at its layout size (a hole's stretched to 72 wide) over navy.
        const QSize shown = shell ? QSize(16, 32) : QSize(72, 64);
        QImage expected(qCeil(shown.width() * ratio), qCeil(shown.height() * ratio),
                        QImage::Format_RGB32);
        expected.fill(QColor(0, 0, 128));
        QPainter e(&expected);
        e.setRenderHint(QPainter::SmoothPixmapTransform);
        e.drawImage(QRectF(0, 0, expected.width(), expected.height()), master);
        e.end();
        const double off = differing(screen.copy(device), expected.copy(0, 0, device.width(),
                                                                       device.height()));
        QVERIFY2(off < 0.01, qPrintable(QStringLiteral("%1 % of the picture's pixels differ "
                                                       "from the master's")
                                            .arg(off * 100, 0, 'f', 1)));
    }
};

QTEST_MAIN(TestSharpPictures)
#include "test_sharp_holes.moc"
