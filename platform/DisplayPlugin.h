// SPDX-License-Identifier: GPL-3.0-or-later
// The display plugin the program starts with. A Wayland session on a system without Qt's
// Wayland plugin (Debian 12 installs it only with qt6-wayland) would end at once with Qt's own
// message: the program runs through X11 instead where the session offers it (Xwayland), and
// otherwise says in plain words what to install.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

enum class DisplayPluginChoice {
    AsIs,       // Qt's own choice will work (or the user chose a plugin)
    UseX11,     // start with the X11 plugin
    NoDisplay,  // a Wayland session, no Wayland plugin and no X11 display: say what is missing
};

struct DisplayEnvironment {
    QByteArray qpaPlatform;    // QT_QPA_PLATFORM
    QByteArray waylandDisplay; // WAYLAND_DISPLAY
    QByteArray sessionType;    // XDG_SESSION_TYPE
    QByteArray x11Display;     // DISPLAY
    bool waylandPlugin = false;
};

DisplayPluginChoice ChooseDisplayPlugin(const DisplayEnvironment& env);

// Whether Qt's plugin folder `pluginDir` holds a Wayland platform plugin.
bool HasWaylandPlugin(const QString& pluginDir);

// What the program says when it cannot start (stderr and a desktop notification).
QString MissingWaylandPluginText();

// Call before the application object exists: picks X11 when needed; false when the program
// cannot show a window: the message went to stderr and to `notify` (a desktop notification).
bool PrepareDisplayPlugin(const std::function<void(const QString&)>& notify);
