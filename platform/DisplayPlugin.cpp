// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DisplayPlugin.h"

#include <QDir>
#include <QLibraryInfo>
#include <cstdio>

DisplayPluginChoice ChooseDisplayPlugin(const DisplayEnvironment& env) {
    if (!env.qpaPlatform.isEmpty())
        return DisplayPluginChoice::AsIs;
    const bool wayland = !env.waylandDisplay.isEmpty() || env.sessionType == "wayland";
    if (!wayland || env.waylandPlugin)
        return DisplayPluginChoice::AsIs;
    return env.x11Display.isEmpty() ? DisplayPluginChoice::NoDisplay : DisplayPluginChoice::UseX11;
}

bool HasWaylandPlugin(const QString& pluginDir) {
    const QDir platforms(pluginDir + QStringLiteral("/platforms"));
    return !platforms.entryList({QStringLiteral("libqwayland-*.so")}, QDir::Files).isEmpty();
}

QString MissingWaylandPluginText() {
    return QStringLiteral(
        "mojimaru cannot open a window: this desktop runs Wayland and Qt's Wayland plugin is not "
        "installed. Install the package qt6-wayland (sudo apt install qt6-wayland) and start "
        "mojimaru again.\n"
        "もじまるの画面をひらけません。qt6-wayland をインストールしてください。");
}

bool PrepareDisplayPlugin(const std::function<void(const QString&)>& notify) {
    DisplayEnvironment env;
    env.qpaPlatform = qgetenv("QT_QPA_PLATFORM");
    env.waylandDisplay = qgetenv("WAYLAND_DISPLAY");
    env.sessionType = qgetenv("XDG_SESSION_TYPE");
    env.x11Display = qgetenv("DISPLAY");
    env.waylandPlugin = HasWaylandPlugin(QLibraryInfo::path(QLibraryInfo::PluginsPath));
    switch (ChooseDisplayPlugin(env)) {
    case DisplayPluginChoice::AsIs:
        return true;
    case DisplayPluginChoice::UseX11:
        qputenv("QT_QPA_PLATFORM", "xcb");
        return true;
    case DisplayPluginChoice::NoDisplay:
        break;
    }
    const QString text = MissingWaylandPluginText();
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    if (notify)
        notify(text);
    return false;
}
