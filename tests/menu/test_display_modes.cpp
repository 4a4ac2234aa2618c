// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeModeSource.h"
#include "platform/DisplayModes.h"

#include <QtTest>

Q_DECLARE_METATYPE(std::vector<DisplayMode>)

namespace {
DisplayMode M(int w, int h, int bpp = 32, int hz = 60) {
    return {w, h, bpp, hz};
}
} // namespace

class TestDisplayModes : public QObject {
    Q_OBJECT
  private slots:
    // The indexes after a refresh: current by size and refresh, the last 640 / 800 wide wins.
    void refreshIndexes_data() {
        QTest::addColumn<std::vector<DisplayMode>>("modes");
        QTest::addColumn<DisplayMode>("now");
        QTest::addColumn<bool>("allDepths");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("i640");
        QTest::addColumn<int>("i800");

        const std::vector<DisplayMode> usual{M(640, 400), M(640, 480), M(800, 600), M(1024, 768)};
        QTest::newRow("usual") << usual << M(1024, 768) << false << 4 << 3 << 1 << 2;
        QTest::newRow("no 640") << std::vector<DisplayMode>{M(800, 600), M(1024, 768)}
                                << M(1024, 768) << false << 2 << 1 << -1 << 0;
        QTest::newRow("none at all")
            << std::vector<DisplayMode>{} << M(1024, 768) << false << 0 << -1 << -1 << -1;
        QTest::newRow("640 only at other depth")
            << std::vector<DisplayMode>{M(640, 480, 16), M(1024, 768)} << M(1024, 768) << false << 1
            << 0 << -1 << -1;
        QTest::newRow("all depths lists it")
            << std::vector<DisplayMode>{M(640, 480, 16), M(1024, 768)} << M(1024, 768) << true << 2
            << 1 << 0 << -1;
        QTest::newRow("last 640 wins whatever its height")
            << std::vector<DisplayMode>{M(640, 480), M(640, 350), M(1280, 1024)} << M(1280, 1024)
            << false << 3 << 2 << 1 << -1;
        QTest::newRow("refresh rate decides current")
            << std::vector<DisplayMode>{M(1024, 768, 32, 60), M(1024, 768, 32, 75)}
            << M(1024, 768, 32, 75) << false << 2 << 1 << -1 << -1;
        QTest::newRow("current not listed") << std::vector<DisplayMode>{M(640, 480)}
                                            << M(1920, 1080) << false << 1 << -1 << 0 << -1;
    }
    void refreshIndexes() {
        QFETCH(std::vector<DisplayMode>, modes);
        QFETCH(DisplayMode, now);
        QFETCH(bool, allDepths);
        FakeModeSource source(modes, now);
        TChangeDisplay sw;
        sw.AllDepths = allDepths;
        sw.Attach(&source);
        QTEST(sw.Count(), "count");
        QTEST(sw.CurrentIndex(), "current");
        QTEST(sw.Index640(), "i640");
        QTEST(sw.Index800(), "i800");
        QCOMPARE(Display_Width, now.width);
        QCOMPARE(Display_Height, now.height);
        QCOMPARE(Display_Refresh, now.refreshRate);
    }

    // The display line of each colour depth.
    void lines_data() {
        QTest::addColumn<DisplayMode>("mode");
        QTest::addColumn<QString>("line");
        QTest::newRow("4") << M(640, 480, 4) << QStringLiteral("640 x 480 [16色]");
        QTest::newRow("8") << M(640, 480, 8) << QStringLiteral("640 x 480 [256色]");
        QTest::newRow("16") << M(800, 600, 16) << QStringLiteral("800 x 600 [High Color (16ﾋﾞｯﾄ)]");
        QTest::newRow("32") << M(1024, 768, 32)
                            << QStringLiteral("1024 x 768 [True Color (32ﾋﾞｯﾄ)]");
        QTest::newRow("24") << M(1024, 768, 24) << QStringLiteral("1024 x 768 [(Unknown)]");
    }
    void lines() {
        QFETCH(DisplayMode, mode);
        QTEST(DisplayModeLine(mode), "line");
        FakeModeSource source({mode}, mode);
        TChangeDisplay sw;
        sw.Attach(&source);
        QTEST(sw.Line(0), "line");
    }

    // Changes go to the listed mode; an index of -1 or past the list changes nothing.
    void changes() {
        FakeModeSource source({M(640, 480), M(800, 600), M(1280, 1024)}, M(1280, 1024));
        TChangeDisplay sw;
        sw.Attach(&source);
        QCOMPARE(sw.ChangeTo640(), DispChangeSuccessful);
        QCOMPARE(sw.ChangeTo800(), DispChangeSuccessful);
        QCOMPARE(sw.RestoreCurrent(), DispChangeSuccessful);
        QCOMPARE(source.changes,
                 (std::vector<DisplayMode>{M(640, 480), M(800, 600), M(1280, 1024)}));
        QCOMPARE(sw.ChangeTo(3), -1);
        QCOMPARE(sw.ChangeTo(-1), -1);
        QCOMPARE(source.changes.size(), size_t(3));
    }

    // Without a 640-wide mode, changing to it reports -1 and touches nothing.
    void no640ChangesNothing() {
        FakeModeSource source({M(1024, 768)}, M(1024, 768));
        TChangeDisplay sw;
        sw.Attach(&source);
        QCOMPARE(sw.ChangeTo640(), -1);
        QVERIFY(source.changes.empty());
    }

    // Deleting and clearing drop the mode records with their lines and keep the indexes true.
    void deleteAndClear() {
        FakeModeSource source({M(640, 480), M(800, 600), M(1024, 768)}, M(1024, 768));
        TChangeDisplay sw;
        sw.Attach(&source);
        sw.Delete(0);
        QCOMPARE(sw.Count(), 2);
        QCOMPARE(sw.Index640(), -1);
        QCOMPARE(sw.Index800(), 0);
        QCOMPARE(sw.CurrentIndex(), 1);
        QCOMPARE(sw.Mode(1), M(1024, 768));
        sw.Clear();
        QCOMPARE(sw.Count(), 0);
        QCOMPARE(sw.CurrentIndex(), -1);
        QCOMPARE(sw.RestoreCurrent(), -1);
    }

    // The real source offers the logical screens the monitor can hold, and scales to them.
    void screenSource_data() {
        QTest::addColumn<QSize>("native");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<double>("factor640");
        QTest::newRow("1280x1024")
            << QSize(1280, 1024)
            << QStringList{"640 x 480 [True Color (32ﾋﾞｯﾄ)]", "800 x 600 [True Color (32ﾋﾞｯﾄ)]",
                           "1280 x 1024 [True Color (32ﾋﾞｯﾄ)]"}
            << 2.0;
        QTest::newRow("1920x1080")
            << QSize(1920, 1080)
            << QStringList{"640 x 480 [True Color (32ﾋﾞｯﾄ)]", "800 x 600 [True Color (32ﾋﾞｯﾄ)]",
                           "1920 x 1080 [True Color (32ﾋﾞｯﾄ)]"}
            << 2.25;
        QTest::newRow("640x480 itself")
            << QSize(640, 480) << QStringList{"640 x 480 [True Color (32ﾋﾞｯﾄ)]"} << 1.0;
        QTest::newRow("too small")
            << QSize(600, 400) << QStringList{"600 x 400 [True Color (32ﾋﾞｯﾄ)]"} << 0.0;
    }
    void screenSource() {
        QFETCH(QSize, native);
        QFETCH(double, factor640);
        QList<double> applied;
        ScreenModeSource source(native, 32, 60, 96, 1.0, [&](double f) { applied << f; });
        TChangeDisplay sw;
        sw.Attach(&source);
        QTEST(sw.Lines(), "lines");
        QCOMPARE(sw.CurrentIndex(), sw.Count() - 1);
        if (factor640 == 0) {
            QCOMPARE(sw.ChangeTo640(), -1);
            QVERIFY(applied.isEmpty());
            return;
        }
        QCOMPARE(sw.ChangeTo640(), DispChangeSuccessful);
        QCOMPARE(source.factor(), factor640);
        QCOMPARE(source.current().width, 640);
        QCOMPARE(sw.RestoreCurrent(), DispChangeSuccessful);
        QCOMPARE(source.factor(), 1.0);
        QCOMPARE(source.current().width, native.width());
        if (factor640 != 1.0)
            QCOMPARE(applied, (QList<double>{factor640, 1.0}));
    }

    // Restoring on a system that scales by itself gives back the system's own factor.
    void screenSourceKeepsSystemFactor() {
        QList<double> applied;
        ScreenModeSource source(QSize(2560, 1440), 32, 60, 192, 2.0,
                                [&](double f) { applied << f; });
        TChangeDisplay sw;
        sw.Attach(&source);
        sw.ChangeTo800();
        sw.RestoreCurrent();
        QCOMPARE(applied, (QList<double>{2.4, 2.0}));
    }

    // Large fonts start at 120 pixels per inch.
    void dispMode() {
        QCOMPARE(DispModeForPixelsPerInch(96), 2);
        QCOMPARE(DispModeForPixelsPerInch(119), 2);
        QCOMPARE(DispModeForPixelsPerInch(120), 1);
        QCOMPARE(DispModeForPixelsPerInch(144), 1);
    }
};

QTEST_GUILESS_MAIN(TestDisplayModes)
#include "test_display_modes.moc"
