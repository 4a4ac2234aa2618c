// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/StartEndGuard.h"

#include "platform/Clock.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QStyleHints>

namespace {
int testInterval = -1;
}

StartEndGuard::StartEndGuard(QAbstractButton* start, QAbstractButton* end,
                             std::function<bool()> running)
    : QObject(start), start_(start), end_(end), running_(std::move(running)) {
    start->installEventFilter(this);
    if (end != start)
        end->installEventFilter(this);
}

int StartEndGuard::interval() {
    if (testInterval >= 0)
        return testInterval;
    return QGuiApplication::styleHints()->mouseDoubleClickInterval();
}

void StartEndGuard::setIntervalForTests(int ms) {
    testInterval = ms;
}

bool StartEndGuard::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick &&
        type != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const qint64 now = Clock::elapsedMs();
    if (watched == end_ && running_()) {
        if (type == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->isAutoRepeat())
            return true;
        if (pressed_ && now - startPress_ < interval())
            return true;
    } else if (watched == start_ && !running_()) {
        startPress_ = now;
        pressed_ = true;
    }
    return QObject::eventFilter(watched, event);
}
