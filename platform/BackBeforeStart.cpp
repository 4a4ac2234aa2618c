// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/BackBeforeStart.h"

#include "platform/Fonts.h"
#include "platform/HandCursor.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPushButton>

BackBeforeStart::BackBeforeStart(QWidget* window, const QRect& r, QAbstractButton* start,
                                 std::function<bool()> started, std::function<void()> leave)
    : QObject(window), started_(std::move(started)), leave_(std::move(leave)) {
    button_ = new QPushButton(QStringLiteral("もどる"), window);
    button_->setObjectName(QStringLiteral("Btn_Modoru"));
    button_->setGeometry(r);
    button_->setFont(PixelFont(16, true));
    button_->setToolTip(QStringLiteral("メニューにもどります"));
    button_->setAutoDefault(false);
    GiveHandCursor(button_);
    connect(button_, &QPushButton::clicked, this, [this] {
        if (!started_())
            leave_();
    });
    // After the start button's own handler, which begins the game.
    connect(start, &QAbstractButton::clicked, this, &BackBeforeStart::follow);
    window->installEventFilter(this);
}

void BackBeforeStart::follow() { button_->setVisible(!started_()); }

bool BackBeforeStart::eventFilter(QObject*, QEvent* event) {
    // Esc reaches the window when no control on it took the key for itself.
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && !started_()) {
        leave_();
        return true;
    }
    return false;
}
