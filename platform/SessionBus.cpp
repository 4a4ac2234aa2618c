// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SessionBus.h"

#include <QFileInfo>
#include <QtGlobal>

QByteArray SessionBusOverride(const QByteArray& address, const QString& runtimeDir) {
    if (!address.trimmed().isEmpty())
        return {};
    // libdbus looks here itself before it would launch a bus.
    if (!runtimeDir.isEmpty() && QFileInfo::exists(runtimeDir + QStringLiteral("/bus")))
        return {};
    // An address of an unknown kind: every connection attempt fails at once, nothing is forked.
    return QByteArrayLiteral("disabled:");
}

void AvoidBusAutolaunch() {
    const QByteArray value = SessionBusOverride(qgetenv("DBUS_SESSION_BUS_ADDRESS"),
                                                qEnvironmentVariable("XDG_RUNTIME_DIR"));
    if (!value.isEmpty())
        qputenv("DBUS_SESSION_BUS_ADDRESS", value);
}
