// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/BufferBetweenPaints.h"

#include <QBackingStore>
#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace {

class BufferReleaser : public QObject {
public:
    explicit BufferReleaser(QWidget* window) : QObject(window), window_(window)
    {
        window->installEventFilter(this);
        watchHandle();
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::WinIdChange:
            watchHandle();
            break;
        case QEvent::Expose:
            if (watched == handle_ && handle_->isExposed())
                take();
            break;
        case QEvent::UpdateRequest:
            if (watched == window_)
                take();
            break;
        case QEvent::Paint:
            // Given back once this paint has been flushed to the screen.
            if (watched == window_ && !releasePending_) {
                releasePending_ = true;
                QMetaObject::invokeMethod(this, &BufferReleaser::release, Qt::QueuedConnection);
            }
            break;
        default:
            break;
        }
        return false;
    }

private:
    void watchHandle()
    {
        QWindow* handle = window_->windowHandle();
        if (!handle || handle == handle_)
            return;
        handle_ = handle;
        handle->installEventFilter(this);
    }

    void take()
    {
        if (!window_->isWindow())
            return;  // inside another window: the buffer is that window's
        QBackingStore* store = window_->backingStore();
        if (!store || store->size() == window_->size())
            return;
        store->resize(window_->size());
        window_->repaint();  // the new buffer is blank: draw all of it now
    }

    void release()
    {
        releasePending_ = false;
        if (!window_->isWindow())
            return;
        if (QBackingStore* store = window_->backingStore(); store && window_->isVisible())
            store->resize(QSize(1, 1));
    }

    QWidget* window_;
    QPointer<QWindow> handle_;
    bool releasePending_ = false;
};

class HiddenReleaser : public QObject {
public:
    explicit HiddenReleaser(QWidget* window) : QObject(window), window_(window)
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Inside another window the buffer is that window's, still in use.
        if (watched == window_ && event->type() == QEvent::Hide && window_->isWindow())
            if (QBackingStore* store = window_->backingStore())
                store->resize(QSize(1, 1));
        if (watched == window_ && event->type() == QEvent::Show)
            window_->update();  // the whole window, into a buffer of its size again
        return false;
    }

private:
    QWidget* window_;
};

}  // namespace

void ReleaseBufferBetweenPaints(QWidget* window)
{
    new BufferReleaser(window);
}

void ReleaseBufferWhileHidden(QWidget* window)
{
    new HiddenReleaser(window);
}
