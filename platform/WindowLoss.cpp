// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WindowLoss.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QWidget>
#include <cstdint>

namespace {
// The X protocol's DestroyNotify event as xcb delivers it (its layout is fixed by the protocol).
constexpr std::uint8_t DestroyNotify = 17;
struct DestroyNotifyEvent {
    std::uint8_t responseType;
    std::uint8_t pad0;
    std::uint16_t sequence;
    std::uint32_t event;
    std::uint32_t window;
};

class LossFilter : public QAbstractNativeEventFilter {
  public:
    std::function<void()> lost;

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (!lost || type != "xcb_generic_event_t")
            return false;
        const auto* e = static_cast<const DestroyNotifyEvent*>(message);
        if ((e->responseType & 0x7f) != DestroyNotify || e->event != e->window)
            return false;
        // A window we destroy ourselves is gone from the widgets (or has a new one) by the time
        // its notice arrives: only a window still in use was taken from us.
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->internalWinId() == WId(e->window)) {
                const std::function<void()> end = lost;
                end();
                break;
            }
        return false;
    }
};

LossFilter& filter() {
    static LossFilter f;
    return f;
}
} // namespace

void WatchWindowLoss(std::function<void()> lost) {
    static bool installed = false;
    filter().lost = std::move(lost);
    if (!installed && filter().lost && QCoreApplication::instance()) {
        QCoreApplication::instance()->installNativeEventFilter(&filter());
        installed = true;
    }
}
