// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's message bus (D-Bus) at start-up. Qt's accessibility bridge and SDL's audio
// start-up each ask for the session bus; where there is none (no address given and no bus socket
// of the user's session, as under a bare X server or a remote display), libdbus forks the whole
// program to run dbus-launch, twice, with the other threads running, and the main thread waits
// for it: a start that now and then stalls for seconds. Without a bus, they are told so at once.
#pragma once

#include <QByteArray>
#include <QString>

// The session bus address to set before anything asks for the bus: "disabled:" when `address`
// (DBUS_SESSION_BUS_ADDRESS) is empty and `runtimeDir` (XDG_RUNTIME_DIR) holds no "bus" socket;
// empty (leave everything as it is) otherwise.
QByteArray SessionBusOverride(const QByteArray& address, const QString& runtimeDir);

// Applies it to this process; call first thing in main().
void AvoidBusAutolaunch();
