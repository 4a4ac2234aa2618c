// SPDX-License-Identifier: GPL-3.0-or-later
// A window that gives back its drawing buffer between paints still paints on a whole buffer
// whenever it is exposed or updated, and holds only a token buffer in between.
#include "platform/BufferBetweenPaints.h"

#include <QBackingStore>
#include <QExposeEvent>
#include <QPainter>
#include <QWindow>
#include <QtTest>

namespace {

class Backdrop : public QWidget {
public:
    QList<QSize> buffersAtPaint;

protected:
    void paintEvent(QPaintEvent*) override
    {
        buffersAtPaint << backingStore()->size();
        QPainter(this).fillRect(rect(), QColor(0, 0, 128));
    }
};

}  // namespace

class TestBufferBetweenPaints : public QObject {
    Q_OBJECT
private slots:
    void paintsWholeThenGivesBack()
    {
        Backdrop w;
        w.setGeometry(0, 0, 320, 200);
        ReleaseBufferBetweenPaints(&w);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTRY_VERIFY(!w.buffersAtPaint.isEmpty());
        QTRY_COMPARE(w.backingStore()->size(), QSize(1, 1));

        // Exposed again (another window went away): the buffer comes back for one whole paint.
        const int paints = int(w.buffersAtPaint.size());
        QExposeEvent expose(QRegion(QRect(0, 0, 320, 200)));
        QCoreApplication::sendEvent(w.windowHandle(), &expose);
        QTRY_VERIFY(w.buffersAtPaint.size() > paints);
        QTRY_COMPARE(w.backingStore()->size(), QSize(1, 1));

        // An update while the buffer is away paints on a whole buffer too.
        w.update();
        QTRY_VERIFY(w.buffersAtPaint.size() > paints + 1);
        QTRY_COMPARE(w.backingStore()->size(), QSize(1, 1));
        for (const QSize& size : w.buffersAtPaint)
            QCOMPARE(size, QSize(320, 200));

        // Hidden, it is left alone; shown again, it paints whole.
        w.hide();
        QCoreApplication::processEvents();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTRY_COMPARE(w.buffersAtPaint.last(), QSize(320, 200));
    }
};

QTEST_MAIN(TestBufferBetweenPaints)
#include "test_buffer_between_paints.moc"
