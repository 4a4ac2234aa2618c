// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProgramWindow.h"

#include <QColor>
#include <QGuiApplication>
#include <QPalette>
#include <QPointer>
#include <QRect>
#include <QScreen>
#include <QWidget>
#include <QtGui/qpa/qplatformscreen.h>
#include <cmath>

namespace {
QPointer<QWidget> host;

// The screen in device pixels, as the windowing system knows it.
QSize nativeSize(QScreen* screen) {
    if (QPlatformScreen* platform = screen->handle())
        return platform->geometry().size();
    return (QSizeF(screen->geometry().size()) * screen->devicePixelRatio()).toSize();
}
} // namespace

void PrepareProgramWindow(QWidget* window, const QColor& background)
{
    window->setWindowFlag(Qt::FramelessWindowHint, true);
    QPalette pal = window->palette();
    pal.setColor(QPalette::Window, background);
    window->setPalette(pal);
    window->setAutoFillBackground(true);
}

QSize CoveringSize(QSize native, double factor)
{
    if (factor <= 0)
        return native;
    // A little below a whole pixel counts as whole: 1080 / 2.25 is 480, not 481.
    auto cover = [factor](int n) { return static_cast<int>(std::ceil(n / factor - 1e-6)); };
    return {cover(native.width()), cover(native.height())};
}

QRect ProgramScreenRect()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return QRect(0, 0, 640, 480);
    // The logical screen drops the fraction: at 1920 wide and 2.25 device pixels per pixel it is
    // 853 wide, 1919 device pixels, and the last column would stay uncovered.
    return QRect(screen->geometry().topLeft(),
                 CoveringSize(nativeSize(screen), screen->devicePixelRatio()));
}

void SetProgramHost(QWidget* h) { host = h; }

QWidget* ProgramHost() { return host; }

QWidget* ProgramWindowOf(const QWidget* w)
{
    // A window on a modal layer is a program window too: the layer stands between it and the host.
    auto stands = [](const QWidget* parent) {
        return parent == host || parent->objectName() == QLatin1String("ModalLayer");
    };
    QWidget* at = const_cast<QWidget*>(w);
    while (at && !at->isWindow() && !stands(at->parentWidget()))
        at = at->parentWidget();
    return at;
}

void FitToScreen(QWidget* window)
{
    if (host && window != host && !window->isWindow()) {
        window->setGeometry(host->rect());
        return;
    }
    window->setGeometry(ProgramScreenRect());
    window->setWindowState((window->windowState() & ~Qt::WindowMaximized) | Qt::WindowFullScreen);
}

void ShowProgramWindow(QWidget* window)
{
    if (host && window != host) {
        if (window->parentWidget() != host || window->isWindow()) {
            window->setWindowState(Qt::WindowNoState);
            window->setParent(host, Qt::Widget);
        }
        window->setGeometry(host->rect());
        window->raise();
        window->show();
        // The keyboard goes to the window now in front, to the control it chose, if any.
        QWidget* focus = window->focusWidget();
        (focus ? focus : window)->setFocus(Qt::ActiveWindowFocusReason);
        return;
    }
    FitToScreen(window);
    window->show();
}
