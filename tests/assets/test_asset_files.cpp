// SPDX-License-Identifier: GPL-3.0-or-later
// Every media file the build lays out exists and opens with the program's own players: tunes in
// the media player with their intended length, effects as short unclipped PCM, metafiles drawing
// inside their rectangle, bitmaps of the exact sizes, and the help file's topics.
#include "platform/HelpFile.h"
#include "platform/MediaPlayer.h"
#include "platform/WmfPicture.h"
#include "support/TestEnv.h"
#include "tools/assets/AssetList.h"
#include "tools/assets/SmfReader.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QtTest>
#include <set>

namespace {

QString built(const QString& name) { return TestEnv::builtProgramDir() + QLatin1Char('/') + name; }

QByteArray readAll(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

quint32 le32(const QByteArray& b, int at)
{
    return quint32(uchar(b[at])) | (quint32(uchar(b[at + 1])) << 8) | (quint32(uchar(b[at + 2])) << 16) |
           (quint32(uchar(b[at + 3])) << 24);
}
quint16 le16(const QByteArray& b, int at) { return quint16(uchar(b[at]) | (uchar(b[at + 1]) << 8)); }

// The fraction of pixels of img inside r that differ from white.
double inkInside(const QImage& img, const QRect& r)
{
    int ink = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if ((img.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF)
                ++ink;
    return double(ink) / (r.width() * r.height());
}

}  // namespace

class TestAssetFiles : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY2(QFile::exists(built(QStringLiteral("Menu1.mid"))), "build the assets target first"); }

    // Each tune is a whole MIDI file of 30 to 90 seconds that ends on a bar line, so it loops
    // on the beat, and the program's media player opens it.
    void tunes_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString& n : AssetList::tunes())
            QTest::newRow(qPrintable(n)) << n;
    }
    void tunes()
    {
        QFETCH(QString, name);
        TestEnv env;
        const QByteArray bytes = readAll(built(name));
        const auto info = SmfReader::read(bytes);
        QVERIFY(info.has_value());
        QVERIFY2(info->seconds >= 30 && info->seconds <= 90, qPrintable(QString::number(info->seconds)));
        QCOMPARE(info->lengthTicks % SmfReader::barTicks(*info), 0);
        QVERIFY(info->notes > 150);
        QVERIFY(info->programs[0] >= 0);  // the tune names its lead instrument

        // It loops cleanly: sound from the first beat to the last bar, no silence at either end.
        QVERIFY(info->firstNoteTick >= 0 && info->firstNoteTick < info->division / 4);
        QVERIFY(info->lastNoteTick >= info->lengthTicks - SmfReader::barTicks(*info));

        MediaPlayers::setRecording(false);
        MediaPlayer player;
        player.setFileName(built(name));
        const bool opened = player.open();
        player.close();
        MediaPlayers::setRecording(true);
        QVERIFY(opened);
    }

    // A game's four variants are different arrangements: tempo, lead instrument and key differ.
    void gameVariantsDiffer_data()
    {
        QTest::addColumn<int>("game");
        for (int g = 1; g <= 7; ++g)
            QTest::newRow(qPrintable(QStringLiteral("game %1").arg(g))) << g;
    }
    void gameVariantsDiffer()
    {
        QFETCH(int, game);
        std::set<quint32> tempos;
        std::set<int> leads;
        std::set<QByteArray> contents;
        for (int k = 1; k <= 4; ++k) {
            const QByteArray bytes = readAll(built(QStringLiteral("Game%1%2.mid").arg(game).arg(k)));
            const auto info = SmfReader::read(bytes);
            QVERIFY(info.has_value());
            tempos.insert(info->firstTempo);
            leads.insert(info->programs[0]);
            contents.insert(bytes);
        }
        QCOMPARE(contents.size(), size_t(4));
        QVERIFY(tempos.size() >= 3);
        QCOMPARE(leads.size(), size_t(4));
    }

    // Effects are 16-bit PCM, short, loud enough and never clipped, and the media player opens them.
    void sounds_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("maxSeconds");
        for (const auto& s : AssetList::Sounds)
            QTest::newRow(s.name) << QString::fromLatin1(s.name) << s.maxSeconds;
    }
    void sounds()
    {
        QFETCH(QString, name);
        QFETCH(double, maxSeconds);
        const QByteArray b = readAll(built(name));
        QVERIFY(b.size() > 44);
        QVERIFY(b.startsWith("RIFF") && b.mid(8, 8) == "WAVEfmt ");
        QCOMPARE(le16(b, 20), quint16(1));   // PCM
        QCOMPARE(le16(b, 34), quint16(16));  // bits
        QCOMPARE(b.mid(36, 4), QByteArray("data"));
        const quint32 dataBytes = le32(b, 40);
        QCOMPARE(qsizetype(44 + dataBytes), b.size());
        const double seconds = double(dataBytes) / le32(b, 28);
        QVERIFY2(seconds > 0.05 && seconds <= maxSeconds, qPrintable(QString::number(seconds)));
        int peak = 0;
        for (int at = 44; at + 1 < b.size(); at += 2)
            peak = std::max(peak, std::abs(int(qint16(le16(b, at)))));
        QVERIFY2(peak > 0.7 * 32767 && peak < 32767, qPrintable(QString::number(peak)));

        TestEnv env;
        MediaPlayers::setRecording(false);
        MediaPlayer player;
        player.setFileName(built(name));
        const bool opened = player.open();
        player.close();
        MediaPlayers::setRecording(true);
        QVERIFY(opened);
    }

    // Metafiles load and draw something substantial inside the card rectangle and nothing outside.
    void metafiles_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString& n : AssetList::metafiles())
            QTest::newRow(qPrintable(n)) << n;
    }
    void metafiles()
    {
        QFETCH(QString, name);
        WmfPicture pic;
        QVERIFY(pic.load(built(name)));
        for (int side : {48, 70}) {
            QImage img(side + 40, side + 40, QImage::Format_RGB32);
            img.fill(Qt::white);
            {
                QPainter p(&img);
                pic.draw(p, QRectF(20, 20, side, side));
            }
            const QRect target(20, 20, side, side);
            QVERIFY2(inkInside(img, target) > 0.2, qPrintable(QString::number(inkInside(img, target))));
            QCOMPARE(inkInside(img, QRect(0, 0, side + 40, 19)), 0.0);
            QCOMPARE(inkInside(img, QRect(0, side + 21, side + 40, 19)), 0.0);
            QCOMPARE(inkInside(img, QRect(0, 0, 19, side + 40)), 0.0);
            QCOMPARE(inkInside(img, QRect(side + 21, 0, 19, side + 40)), 0.0);
        }
    }

    // The ten card pictures are ten different pictures.
    void cardPicturesDiffer()
    {
        std::set<QByteArray> seen;
        for (int i = 1; i <= 10; ++i) {
            WmfPicture pic;
            QVERIFY(pic.load(built(QStringLiteral("Pop%1.wmf").arg(i))));
            const QImage img = pic.render(QSize(48, 48));
            seen.insert(QByteArray(reinterpret_cast<const char*>(img.constBits()), int(img.sizeInBytes())));
        }
        QCOMPARE(seen.size(), size_t(10));
    }

    // Bitmaps have their exact sizes; hole pictures have the black background the game floods,
    // the sprites a white (transparent) one.
    void bitmaps_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("blackBackground");
        for (const auto& b : AssetList::Bitmaps)
            QTest::newRow(b.name) << QString::fromLatin1(b.name) << QSize(b.width, b.height) << b.blackBackground;
    }
    void bitmaps()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QFETCH(bool, blackBackground);
        const QImage img = QImage(built(name)).convertToFormat(QImage::Format_RGB32);
        QVERIFY(!img.isNull());
        QCOMPARE(img.size(), size);
        if (blackBackground) {
            QCOMPARE(img.pixel(1, 1) & 0xFFFFFF, 0u);
            // The flood fill from (1, 1) reaches all four corners and most of the top half.
            QImage filled = img;
            std::vector<QPoint> todo{QPoint(1, 1)};
            int count = 0;
            while (!todo.empty()) {
                const QPoint p = todo.back();
                todo.pop_back();
                if (!filled.rect().contains(p) || (filled.pixel(p) & 0xFFFFFF) != 0)
                    continue;
                filled.setPixel(p, qRgb(0, 0, 128));
                ++count;
                todo.insert(todo.end(), {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)});
            }
            for (QPoint c : {QPoint(0, 0), QPoint(63, 0), QPoint(0, 63), QPoint(63, 63)})
                QCOMPARE(filled.pixel(c) & 0xFFFFFF, 0x000080u);
            QVERIFY(count > 64 * 64 / 4);
            QVERIFY(count < 64 * 64 * 9 / 10);
        } else {
            QCOMPARE(img.pixel(0, 0) & 0xFFFFFF, 0xFFFFFFu);
            QVERIFY(inkInside(img, QRect(0, 0, qMin(size.width(), size.height()), size.height())) > 0.15);
        }
    }

    // The help file is UTF-8 with the main-menu and grades topics and one per game.
    void helpFile()
    {
        const QByteArray bytes = readAll(built(QString::fromLatin1(AssetList::HelpFile)));
        QStringDecoder decode(QStringDecoder::Utf8);
        const QString text = decode(bytes);
        QVERIFY(!decode.hasError());
        QMap<int, QString> topics;
        int current = 0;
        static const QRegularExpression topic(QStringLiteral("^@topic (\\d+) (.+)$"));
        for (const QString& line : text.split(QLatin1Char('\n'))) {
            if (line.startsWith(QLatin1Char('#')))
                continue;
            const auto m = topic.match(line);
            if (m.hasMatch()) {
                current = m.captured(1).toInt();
                QVERIFY(!topics.contains(current));
                topics[current] = QString();
                continue;
            }
            if (current)
                topics[current] += line + QLatin1Char('\n');
        }
        QList<int> expected{31, 33, 41, 42, 43, 44, 45, 46, 47};
        QCOMPARE(topics.keys(), expected);
        for (int t : expected)
            QVERIFY(topics[t].trimmed().size() > 100);
        // (the text carries readings: 名前《なまえ》の登録《とうろく》)
        QVERIFY(topics[31].contains(QStringLiteral("名前《なまえ》の登録《とうろく》")));
        QVERIFY(topics[31].contains(QStringLiteral("終《お》わり")));
        QVERIFY(topics[33].contains(QStringLiteral("全員《ぜんいん》の記録《きろく》")));

        // The program's own reader finds the same topics, each with a title and text.
        const QMap<int, HelpTopic> parsed = ParseHelpFile(bytes);
        QCOMPARE(parsed.keys(), expected);
        for (const HelpTopic& t : parsed) {
            QVERIFY(!t.title.isEmpty());
            QVERIFY(t.html.size() > 100);
            QVERIFY(!t.html.contains(QChar(0x300A)));  // readings never show as text
        }
    }
};

QTEST_MAIN(TestAssetFiles)
#include "test_asset_files.moc"
