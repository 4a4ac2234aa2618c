// SPDX-License-Identifier: GPL-3.0-or-later
// The metafile player on small hand-made record streams, the writer's files, and damaged input.
#include "platform/WmfPicture.h"
#include "platform/WmfWriter.h"

#include <QPainter>
#include <QRandomGenerator>
#include <QtTest>

namespace {

// A metafile assembled record by record.
class Records {
public:
    void rec(quint16 function, const QList<int>& params)
    {
        put32(body_, quint32(3 + params.size()));
        put16(body_, function);
        for (int p : params)
            put16(body_, quint16(qint16(p)));
    }
    void brush(QRgb c) { rec(0x02FC, {0, int(qRed(c) | (qGreen(c) << 8)), int(qBlue(c)), 0}); }
    void pen(QRgb c, int width, int style = 0) { rec(0x02FA, {style, width, 0, int(qRed(c) | (qGreen(c) << 8)), int(qBlue(c))}); }
    void select(int slot) { rec(0x012D, {slot}); }
    void remove(int slot) { rec(0x01F0, {slot}); }
    void rectangle(int l, int t, int r, int b) { rec(0x041B, {b, r, t, l}); }
    void end() { rec(0x0000, {}); }

    QByteArray plain(int objects = 8) const
    {
        QByteArray out;
        put16(out, 1);
        put16(out, 9);
        put16(out, 0x0300);
        put32(out, quint32(9 + body_.size() / 2));
        put16(out, quint16(objects));
        put32(out, 16);
        put16(out, 0);
        return out + body_;
    }
    QByteArray placeable(int l, int t, int r, int b, int objects = 8) const
    {
        QByteArray out;
        put32(out, 0x9AC6CDD7u);
        put16(out, 0);
        for (int v : {l, t, r, b})
            put16(out, quint16(qint16(v)));
        put16(out, 1440);
        put32(out, 0);
        put16(out, 0);
        return out + plain(objects);
    }

private:
    static void put16(QByteArray& o, quint16 v)
    {
        o.append(char(v & 0xFF));
        o.append(char(v >> 8));
    }
    static void put32(QByteArray& o, quint32 v)
    {
        put16(o, quint16(v & 0xFFFF));
        put16(o, quint16(v >> 16));
    }
    QByteArray body_;
};

const QRgb Red = qRgb(255, 0, 0);
const QRgb Blue = qRgb(0, 0, 255);
const QRgb Green = qRgb(0, 160, 0);
const QRgb White = qRgb(255, 255, 255);

// A red filled shape without an outline, in a 0..100 frame.
Records redShape()
{
    Records r;
    r.brush(Red);
    r.select(0);
    r.pen(0, 0, 5);  // null pen
    r.select(1);
    return r;
}

QRgb at(const QImage& img, int x, int y) { return img.pixel(x, y) | 0xFF000000u; }

}  // namespace

class TestWmfPicture : public QObject {
    Q_OBJECT
private slots:
    // A rectangle over the whole placeable frame fills every pixel of the target.
    void rectangleFillsFrame()
    {
        Records r = redShape();
        r.rectangle(0, 0, 100, 100);
        r.end();
        WmfPicture pic;
        QVERIFY(pic.loadFromData(r.placeable(0, 0, 100, 100)));
        QVERIFY(!pic.isNull());
        const QImage img = pic.render(QSize(20, 20));
        for (QPoint p : {QPoint(1, 1), QPoint(10, 10), QPoint(18, 18), QPoint(18, 1)})
            QCOMPARE(at(img, p.x(), p.y()), Red);
    }

    // The frame is stretched into the target: half the frame is half the picture, in each size.
    void stretchesIntoTarget_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("48") << QSize(48, 48);
        QTest::newRow("wide") << QSize(80, 20);
        QTest::newRow("tall") << QSize(20, 90);
    }
    void stretchesIntoTarget()
    {
        QFETCH(QSize, size);
        Records r = redShape();
        r.rectangle(0, 0, 50, 100);
        r.end();
        WmfPicture pic;
        QVERIFY(pic.loadFromData(r.placeable(0, 0, 100, 100)));
        const QImage img = pic.render(size);
        QCOMPARE(at(img, size.width() / 4, size.height() / 2), Red);
        QCOMPARE(at(img, size.width() * 3 / 4, size.height() / 2), White);
    }

    // A plain metafile maps its window origin and extent onto the target.
    void windowOriginAndExtent()
    {
        Records r = redShape();
        r.rec(0x020B, {200, 100});  // origin (100, 200)
        r.rec(0x020C, {50, 50});    // extent 50 x 50
        r.rectangle(100, 200, 125, 250);
        r.end();
        WmfPicture pic;
        QVERIFY(pic.loadFromData(r.plain()));
        QCOMPARE(pic.frame(), QRectF(100, 200, 50, 50));
        const QImage img = pic.render(QSize(40, 40));
        QCOMPARE(at(img, 10, 20), Red);
        QCOMPARE(at(img, 30, 20), White);
    }

    // Without a window or placeable bounds the shapes themselves give the frame.
    void plainWithoutWindowUsesShapes()
    {
        Records r = redShape();
        r.rectangle(10, 10, 30, 30);
        r.end();
        WmfPicture pic;
        QVERIFY(pic.loadFromData(r.plain()));
        QCOMPARE(at(pic.render(QSize(10, 10)), 5, 5), Red);
    }

    // Each filled shape record paints where it should and leaves the rest white.
    void shapes_data()
    {
        QTest::addColumn<quint16>("function");
        QTest::addColumn<QList<int>>("params");
        QTest::addColumn<QPoint>("inside");
        QTest::addColumn<QPoint>("outside");
        QTest::newRow("ellipse") << quint16(0x0418) << QList<int>{100, 100, 0, 0} << QPoint(50, 50) << QPoint(3, 3);
        QTest::newRow("round rectangle") << quint16(0x061C) << QList<int>{60, 60, 100, 100, 0, 0} << QPoint(50, 50)
                                         << QPoint(2, 2);
        QTest::newRow("polygon") << quint16(0x0324) << QList<int>{3, 0, 0, 100, 0, 0, 100} << QPoint(20, 20)
                                 << QPoint(80, 80);
        QTest::newRow("poly-polygon with a hole")
            << quint16(0x0538) << QList<int>{2, 4, 4, 0, 0, 100, 0, 100, 100, 0, 100, 40, 40, 60, 40, 60, 60, 40, 60}
            << QPoint(10, 10) << QPoint(50, 50);
        // Pie from three o'clock counter-clockwise to twelve: the top-right quarter.
        QTest::newRow("pie") << quint16(0x081A) << QList<int>{0, 50, 50, 100, 100, 100, 0, 0} << QPoint(70, 30)
                             << QPoint(30, 70);
        // Chord from twelve o'clock counter-clockwise to six: the left half.
        QTest::newRow("chord") << quint16(0x0830) << QList<int>{100, 50, 0, 50, 100, 100, 0, 0} << QPoint(20, 50)
                               << QPoint(80, 50);
    }
    void shapes()
    {
        QFETCH(quint16, function);
        QFETCH(QList<int>, params);
        QFETCH(QPoint, inside);
        QFETCH(QPoint, outside);
        Records r = redShape();
        r.rec(0x0106, {1});  // alternate fill
        r.rec(function, params);
        r.end();
        WmfPicture pic;
        QVERIFY(pic.loadFromData(r.placeable(0, 0, 100, 100)));
        const QImage img = pic.render(QSize(100, 100));
        QCOMPARE(at(img, inside.x(), inside.y()), Red);
        QCOMPARE(at(img, outside.x(), outside.y()), White);
    }

    // Pens draw lines: a polyline and move/line-to in the pen's colour and width.
    void linesUseThePen()
    {
        Records r;
        r.pen(Green, 10);
        r.select(0);
        r.rec(0x0325, {2, 0, 50, 100, 50});  // polyline across the middle
        r.rec(0x0214, {0, 50});             // move to (50, 0)
        r.rec(0x0213, {100, 50});           // line to (50, 100)
        r.end();
        WmfPicture pic;
        QVERIFY(pic.loadFromData(r.placeable(0, 0, 100, 100)));
        const QImage img = pic.render(QSize(100, 100));
        QCOMPARE(at(img, 20, 50), Green);
        QCOMPARE(at(img, 50, 20), Green);
        QCOMPARE(at(img, 20, 20), White);
    }

    // A deleted object's slot is reused by the next object, as GDI numbers them.
    void objectSlotsAreReused()
    {
        Records r;
        r.brush(Blue);   // slot 0
        r.brush(Green);  // slot 1
        r.remove(0);
        r.brush(Red);    // takes slot 0 again
        r.select(0);
        r.pen(0, 0, 5);
        r.select(2);
        r.rectangle(0, 0, 100, 100);
        r.end();
        WmfPicture pic;
        QVERIFY(pic.loadFromData(r.placeable(0, 0, 100, 100)));
        QCOMPARE(at(pic.render(QSize(10, 10)), 5, 5), Red);
    }

    // Restoring the drawing state brings back the brush selected before saving.
    void saveAndRestore()
    {
        Records r = redShape();
        r.brush(Blue);
        r.rec(0x001E, {});  // save
        r.select(2);
        r.rec(0x0127, {-1});  // restore
        r.rectangle(0, 0, 100, 100);
        r.end();
        WmfPicture pic;
        QVERIFY(pic.loadFromData(r.placeable(0, 0, 100, 100)));
        QCOMPARE(at(pic.render(QSize(10, 10)), 5, 5), Red);
    }

    // A null brush leaves the inside unpainted while the pen still draws the edge.
    void nullBrushKeepsOutline()
    {
        Records r;
        r.rec(0x02FC, {1, 0, 0, 0});  // null brush
        r.select(0);
        r.pen(Blue, 8);
        r.select(1);
        r.rectangle(10, 10, 90, 90);
        r.end();
        WmfPicture pic;
        QVERIFY(pic.loadFromData(r.placeable(0, 0, 100, 100)));
        const QImage img = pic.render(QSize(100, 100));
        QCOMPARE(at(img, 50, 50), White);
        QCOMPARE(at(img, 10, 50), Blue);
    }

    // Drawing stays inside the target rectangle; the rest of the surface is untouched.
    void drawStaysInsideTarget()
    {
        Records r = redShape();
        r.rectangle(-50, -50, 150, 150);  // larger than the frame
        r.end();
        WmfPicture pic;
        QVERIFY(pic.loadFromData(r.placeable(0, 0, 100, 100)));
        QImage img(100, 100, QImage::Format_RGB32);
        img.fill(Blue);
        {
            QPainter p(&img);
            pic.draw(p, QRectF(25, 25, 50, 50));
        }
        QCOMPARE(at(img, 50, 50), Red);
        QCOMPARE(at(img, 20, 50), Blue);
        QCOMPARE(at(img, 80, 80), Blue);
    }

    // The writer's files load back with the same frame and shapes.
    void writerRoundTrip()
    {
        WmfWriter w(QRect(0, 0, 200, 100));
        w.setBrush(QColor(Red));
        w.setNullPen();
        w.rectangle(QRect(0, 0, 100, 100));
        w.setBrush(QColor(Blue));
        w.ellipse(QRect(100, 0, 100, 100));
        w.setPen(QColor(Green), 6);
        w.setNullBrush();
        w.polyline({QPoint(0, 95), QPoint(200, 95)});
        WmfPicture pic;
        QVERIFY(pic.loadFromData(w.bytes()));
        QCOMPARE(pic.frame(), QRectF(0, 0, 200, 100));
        QCOMPARE(pic.shapeCount(), 3);
        const QImage img = pic.render(QSize(200, 100));
        QCOMPARE(at(img, 50, 50), Red);
        QCOMPARE(at(img, 150, 50), Blue);
        QCOMPARE(at(img, 102, 4), White);
        QCOMPARE(at(img, 50, 96), Green);
    }

    // Damaged input fails to load and leaves an empty picture.
    void damaged_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        Records ok = redShape();
        ok.rectangle(0, 0, 100, 100);
        ok.end();
        const QByteArray good = ok.placeable(0, 0, 100, 100);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("placeable header only") << good.left(22);
        QTest::newRow("no end record") << good.left(good.size() - 6);
        QTest::newRow("cut in a record") << good.left(good.size() - 9);
        QTest::newRow("text") << QByteArray("this is not a metafile at all, just some words");
        QByteArray badType = good;
        badType[22] = 7;
        QTest::newRow("unknown header type") << badType;
        QByteArray zeroSize = good;
        zeroSize[22 + 18] = 0;  // first record's size
        QTest::newRow("record of size 0") << zeroSize;
        QByteArray huge = good;
        huge[22 + 18 + 3] = char(0x40);
        QTest::newRow("record larger than the file") << huge;
        QTest::newRow("flat placeable bounds") << ok.placeable(0, 0, 0, 100);

        Records shortPoly;
        shortPoly.rec(0x0324, {50, 0, 0, 10, 10});
        shortPoly.end();
        QTest::newRow("polygon count beyond its record") << shortPoly.placeable(0, 0, 100, 100);
        Records overflow;
        overflow.brush(Red);
        overflow.brush(Blue);
        overflow.end();
        QTest::newRow("more objects than the table") << overflow.placeable(0, 0, 100, 100, 1);
        Records missing;
        missing.select(3);
        missing.end();
        QTest::newRow("selecting an empty slot") << missing.placeable(0, 0, 100, 100);
        Records endless;
        for (int i = 0; i <= WmfPicture::MaxRecords; ++i)
            endless.rec(0x0102, {1});
        endless.end();
        QTest::newRow("too many records") << endless.placeable(0, 0, 100, 100);
    }
    void damaged()
    {
        QFETCH(QByteArray, bytes);
        WmfPicture pic;
        QVERIFY(!pic.loadFromData(bytes));
        QVERIFY(pic.isNull());
        QCOMPARE(pic.shapeCount(), 0);
        QVERIFY(!pic.render(QSize(10, 10)).isNull());  // drawing an empty picture is harmless
    }

    // Every cut of a real file fails, and random damage never crashes the loader or drawing.
    void truncationsAndMutations()
    {
        WmfWriter w(QRect(0, 0, 300, 300));
        w.setBrush(QColor(Red));
        w.setPen(QColor(Blue), 5);
        w.ellipse(QRect(10, 10, 200, 200));
        w.polyPolygon({{QPoint(0, 0), QPoint(100, 0), QPoint(50, 80)}, {QPoint(200, 200), QPoint(290, 250), QPoint(210, 290)}});
        w.pieAngles(QRect(50, 50, 200, 200), 30, 200);
        const QByteArray good = w.bytes();
        QVERIFY(WmfPicture().loadFromData(good));
        for (int n = 0; n < good.size(); ++n)
            QVERIFY2(!WmfPicture().loadFromData(good.left(n)), qPrintable(QString::number(n)));

        QRandomGenerator rng(12345);
        for (int i = 0; i < 3000; ++i) {
            QByteArray bad = good;
            const int changes = 1 + int(rng.bounded(6));
            for (int k = 0; k < changes; ++k)
                bad[int(rng.bounded(bad.size()))] = char(rng.bounded(256));
            WmfPicture pic;
            if (pic.loadFromData(bad))
                pic.render(QSize(16, 16));
        }
    }

    // Text is drawn in the text colour with the selected font, where the record puts it.
    void textInCreatedFont_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("charset");
        QTest::newRow("latin") << QByteArray("HH") << 0;
        QTest::newRow("shift-jis") << QByteArray("\x8e\x52") << 128;  // 山
    }
    void textInCreatedFont()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, charset);
        Records r;
        r.rec(0x02FB, {-40, 0, 0, 0, 700, 0, charset << 8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
        r.select(0);
        r.rec(0x0209, {int(qRed(Red) | (qGreen(Red) << 8)), int(qBlue(Red))});  // text colour
        QList<int> params{int(text.size())};
        QByteArray padded = text;
        if (padded.size() % 2)
            padded.append('\0');
        for (int i = 0; i < padded.size(); i += 2)
            params << int(uchar(padded[i]) | (uchar(padded[i + 1]) << 8));
        params << 10 << 10;  // y, x
        r.rec(0x0521, params);
        r.end();
        WmfPicture pic;
        QVERIFY(pic.loadFromData(r.placeable(0, 0, 100, 100)));
        const QImage img = pic.render(QSize(100, 100));
        int red = 0, elsewhere = 0;
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 100; ++x) {
                const QColor c = img.pixelColor(x, y);
                const bool reddish = c.red() > 200 && c.green() < 120 && c.blue() < 120;
                if (reddish && x >= 8 && x < 100 && y >= 8 && y < 55)
                    ++red;
                else if (c != Qt::white && (y >= 60 || x < 6))
                    ++elsewhere;
            }
        QVERIFY2(red > 60, qPrintable(QString::number(red)));
        QCOMPARE(elsewhere, 0);
    }

    // A bitmap record is stretched into its destination rectangle.
    void stretchedBitmap()
    {
        Records r;
        QList<int> params{0x0020, 0x00CC, 0, 2, 2, 0, 0, 100, 100, 0, 0};  // SRCCOPY, source 2x2, dest 100x100
        // BITMAPINFOHEADER: 40 bytes, 2 x 2, one plane, 24 bits, no compression.
        const QList<int> header{40, 0, 2, 0, 2, 0, 1, 24, 0, 0, 16, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        params += header;
        // Rows bottom-up, 3 bytes a pixel in blue-green-red order, each row padded to 8 bytes.
        const QByteArray pixels("\xff\x00\x00\x00\xa0\x00\x00\x00"   // bottom: blue, green
                                "\x00\x00\xff\xff\xff\xff\x00\x00",  // top: red, white
                                16);
        for (int i = 0; i < pixels.size(); i += 2)
            params << int(uchar(pixels[i]) | (uchar(pixels[i + 1]) << 8));
        r.rec(0x0F43, params);
        r.end();
        WmfPicture pic;
        QVERIFY(pic.loadFromData(r.placeable(0, 0, 100, 100)));
        const QImage img = pic.render(QSize(100, 100));
        QCOMPARE(at(img, 25, 25), Red);
        QCOMPARE(at(img, 25, 75), Blue);
        QCOMPARE(at(img, 75, 75), Green);
        QCOMPARE(at(img, 75, 25), White);
    }

    // A bitmap record whose bitmap is damaged draws nothing and the rest of the picture stays.
    void damagedBitmapIsSkipped()
    {
        Records r = redShape();
        r.rectangle(0, 0, 50, 100);
        r.rec(0x0F43, {0x0020, 0x00CC, 0, 2, 2, 0, 0, 100, 100, 0, 0, 40, 0, 30000, 0, 30000, 0, 1, 24, 0, 0});
        r.end();
        WmfPicture pic;
        QVERIFY(pic.loadFromData(r.placeable(0, 0, 100, 100)));
        const QImage img = pic.render(QSize(100, 100));
        QCOMPARE(at(img, 25, 50), Red);
        QCOMPARE(at(img, 75, 50), White);
    }

    // Random damage to text and bitmap records never crashes the loader or drawing.
    void mutationsOfTextAndBitmaps()
    {
        Records r;
        r.rec(0x02FB, {-30, 0, 450, 0, 400, 0, 128 << 8, 0, 0, 0x8e82, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
        r.select(0);
        r.rec(0x012E, {24});
        r.rec(0x0A32, {50, 10, 4, 6, 0, 0, 90, 90, 0x528e, 0x528e});
        QList<int> dib{0x0020, 0x00CC, 0, 2, 2, 0, 0, 100, 100, 0, 0, 40, 0, 2, 0, 2, 0, 1, 8, 0, 0, 16, 0, 0, 0, 0, 0, 2, 0, 0, 0};
        dib << 0x00FF << 0 << 0xFF00 << 0 << 0x0001 << 0 << 0x0100 << 0;  // two colours, then 2x2 pixels
        r.rec(0x0F43, dib);
        r.end();
        const QByteArray good = r.placeable(0, 0, 100, 100);
        QVERIFY(WmfPicture().loadFromData(good));
        QRandomGenerator rng(4242);
        for (int i = 0; i < 3000; ++i) {
            QByteArray bad = good;
            const int changes = 1 + int(rng.bounded(4));
            for (int k = 0; k < changes; ++k)
                bad[22 + 18 + int(rng.bounded(bad.size() - 40))] = char(rng.bounded(256));
            WmfPicture pic;
            if (pic.loadFromData(bad))
                pic.render(QSize(24, 24));
        }
    }

    // Shapes reaching far beyond the picture are cut down before drawing and still show right.
    void farReachingShapes()
    {
        Records fills = redShape();
        fills.rec(0x020C, {1, 1});  // a window of one unit
        for (int i = 0; i < 40; ++i)
            fills.rec(0x0418, {32767, 32767, -32767, -32767});
        fills.end();
        WmfPicture big;
        QVERIFY(big.loadFromData(fills.plain()));
        QImage img = big.render(QSize(48, 48));
        QCOMPARE(at(img, 1, 1), Red);
        QCOMPARE(at(img, 46, 46), Red);

        Records thick;
        thick.rec(0x020C, {1, 1});
        thick.rec(0x02FC, {1, 0, 0, 0});  // null brush
        thick.select(0);
        thick.pen(Blue, 32767);
        thick.select(1);
        for (int i = 0; i < 20; ++i)
            thick.rec(0x0418, {1, 1, 0, 0});
        thick.end();
        WmfPicture wide;
        QVERIFY(wide.loadFromData(thick.plain()));
        img = wide.render(QSize(48, 48));
        // A pen far wider than its shape covers all around it.
        QCOMPARE(at(img, 0, 0), Blue);
        QCOMPARE(at(img, 24, 24), Blue);
        QCOMPARE(at(img, 2, 45), Blue);
        QCOMPARE(at(img, 47, 24), Blue);
    }

    // A bitmap stretched far beyond the picture shows the part that falls inside it.
    void farStretchedBitmap()
    {
        Records r;
        QList<int> params{0x0020, 0x00CC, 0, 2, 2, 0, 0, 20000, 20000, -10000, -10000};
        params += QList<int>{40, 0, 2, 0, 2, 0, 1, 24, 0, 0, 16, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        const QByteArray pixels("\xff\x00\x00\x00\xa0\x00\x00\x00"
                                "\x00\x00\xff\xff\xff\xff\x00\x00",
                                16);
        for (int i = 0; i < pixels.size(); i += 2)
            params << int(uchar(pixels[i]) | (uchar(pixels[i + 1]) << 8));
        r.rec(0x0F43, params);
        r.end();
        WmfPicture pic;
        QVERIFY(pic.loadFromData(r.placeable(0, 0, 100, 100)));
        const QImage img = pic.render(QSize(50, 50));
        QCOMPARE(at(img, 25, 25), Green);  // the frame lies in the bitmap's lower right quarter
    }

    // Bitmaps claiming more pixels than a picture may hold are left out, not decoded.
    void bitmapPixelBudget()
    {
        Records r;
        for (int i = 0; i < 4; ++i) {
            // 4096 x 4096, 8 bits, run-length coded: a few bytes that would unpack to 16 M pixels.
            QList<int> params{0x0020, 0x00CC, 0, 16, 16, 0, 0, 100, 100, 0, 0};
            params += QList<int>{40, 0, 4096, 0, 4096, 0, 1, 8, 1, 0, 4, 0, 0, 0, 0, 0, 2, 0, 0, 0};
            params << 0x00FF << 0 << 0xFF00 << 0 << 0x0100 << 0x0001;  // two colours, end of bitmap
            r.rec(0x0F43, params);
        }
        r.end();
        WmfPicture pic;
        QVERIFY(pic.loadFromData(r.placeable(0, 0, 100, 100)));
        QCOMPARE(pic.shapeCount(), 0);
    }

    // A missing file fails to load.
    void missingFile() { QVERIFY(!WmfPicture().load(QStringLiteral("/nonexistent/Pop1.wmf"))); }
};

QTEST_MAIN(TestWmfPicture)
#include "test_wmf_picture.moc"
