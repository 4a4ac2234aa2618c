// SPDX-License-Identifier: GPL-3.0-or-later
// A Wayland session without Qt's Wayland plugin: X11 where the session has it, else a plain
// message saying what to install, never Qt's abort.
#include "platform/DisplayPlugin.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(DisplayPluginChoice)

class TestDisplayPlugin : public QObject {
    Q_OBJECT
  private slots:
    void choice_data() {
        QTest::addColumn<QByteArray>("qpa");
        QTest::addColumn<QByteArray>("wayland");
        QTest::addColumn<QByteArray>("session");
        QTest::addColumn<QByteArray>("x11");
        QTest::addColumn<bool>("plugin");
        QTest::addColumn<DisplayPluginChoice>("choice");
        using C = DisplayPluginChoice;
        QTest::newRow("X11 session") << QByteArray() << QByteArray() << QByteArray("x11")
                                     << QByteArray(":0") << false << C::AsIs;
        QTest::newRow("Wayland with its plugin")
            << QByteArray() << QByteArray("wayland-0") << QByteArray("wayland")
            << QByteArray(":0") << true << C::AsIs;
        QTest::newRow("Wayland without plugin, Xwayland there")
            << QByteArray() << QByteArray("wayland-0") << QByteArray("wayland")
            << QByteArray(":0") << false << C::UseX11;
        QTest::newRow("Wayland display only, no session type")
            << QByteArray() << QByteArray("wayland-0") << QByteArray() << QByteArray(":1")
            << false << C::UseX11;
        QTest::newRow("Wayland session type only")
            << QByteArray() << QByteArray() << QByteArray("wayland") << QByteArray(":1") << false
            << C::UseX11;
        QTest::newRow("Wayland without plugin or X11")
            << QByteArray() << QByteArray("wayland-0") << QByteArray("wayland") << QByteArray()
            << false << C::NoDisplay;
        QTest::newRow("plugin chosen by the user")
            << QByteArray("wayland") << QByteArray("wayland-0") << QByteArray("wayland")
            << QByteArray() << false << C::AsIs;
    }
    void choice() {
        QFETCH(QByteArray, qpa);
        QFETCH(QByteArray, wayland);
        QFETCH(QByteArray, session);
        QFETCH(QByteArray, x11);
        QFETCH(bool, plugin);
        QFETCH(DisplayPluginChoice, choice);
        QCOMPARE(ChooseDisplayPlugin({qpa, wayland, session, x11, plugin}), choice);
    }

    void pluginFound() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("platforms")));
        QFile xcb(dir.filePath(QStringLiteral("platforms/libqxcb.so")));
        QVERIFY(xcb.open(QIODevice::WriteOnly));
        xcb.close();
        QVERIFY(!HasWaylandPlugin(dir.path()));
        QFile wl(dir.filePath(QStringLiteral("platforms/libqwayland-generic.so")));
        QVERIFY(wl.open(QIODevice::WriteOnly));
        wl.close();
        QVERIFY(HasWaylandPlugin(dir.path()));
    }

    // The message names the package to install, in words a parent can act on.
    void messageNamesThePackage() {
        QVERIFY(MissingWaylandPluginText().contains(QStringLiteral("apt install qt6-wayland")));
    }
};

QTEST_MAIN(TestDisplayPlugin)
#include "test_display_plugin.moc"
