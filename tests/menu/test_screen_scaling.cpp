// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DisplayModes.h"

#include <QGuiApplication>
#include <QScreen>
#include <QtTest>

class TestScreenScaling : public QObject {
    Q_OBJECT
  private slots:
    // The real source scales the whole program so the logical 640x480 screen fills the monitor,
    // and restoring gives the monitor's own size back.
    void primaryScreen() {
        QScreen* screen = QGuiApplication::primaryScreen();
        QVERIFY(screen);
        const QSize native = screen->geometry().size();
        auto source = ScreenModeSource::forPrimaryScreen();
        TChangeDisplay sw;
        sw.Attach(source.get());
        QCOMPARE(sw.CurrentIndex(), sw.Count() - 1);
        QCOMPARE(sw.Mode(sw.CurrentIndex()).width, native.width());
        if (native.width() < 640 || native.height() < 480)
            QSKIP("this screen cannot hold 640 x 480");
        QCOMPARE(sw.ChangeTo640(), DispChangeSuccessful);
        const double f = ScaleFactorFor(native, QSize(640, 480));
        QCOMPARE(screen->devicePixelRatio(), f);
        const QSize logical = screen->geometry().size();
        QVERIFY(logical.width() >= 640 && logical.height() >= 480);
        QVERIFY(logical.width() == 640 || logical.height() == 480);
        QCOMPARE(sw.RestoreCurrent(), DispChangeSuccessful);
        QCOMPARE(screen->geometry().size(), native);
        QCOMPARE(screen->devicePixelRatio(), 1.0);
    }
};

QTEST_MAIN(TestScreenScaling)
#include "test_screen_scaling.moc"
