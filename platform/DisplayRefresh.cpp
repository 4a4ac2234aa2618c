// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DisplayRefresh.h"

#include <QScreen>
#include <algorithm>

int DisplayFrameMs(const QScreen* screen) {
    const qreal hz = screen ? screen->refreshRate() : 0;
    // Truncated: a timer a little early gives every refresh a frame; one late would skip some.
    return std::max(1, static_cast<int>(1000 / (hz >= 20 ? hz : 60)));
}
