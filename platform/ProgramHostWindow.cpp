// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProgramHostWindow.h"

#include "platform/ProgramWindow.h"

#include <QCloseEvent>
#include <QGuiApplication>

ProgramHostWindow::ProgramHostWindow() {
    PrepareProgramWindow(this, QColor(0, 0, 128));
    setWindowTitle(QGuiApplication::applicationDisplayName());
    SetProgramHost(this);
}

ProgramHostWindow::~ProgramHostWindow() {
    if (ProgramHost() == this)
        SetProgramHost(nullptr);
}

void ProgramHostWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // A compositor gives the full-screen size when it is ready: everything inside follows.
    for (QObject* o : children())
        if (auto* w = qobject_cast<QWidget*>(o); w && !w->isWindow())
            w->setGeometry(rect());
}

void ProgramHostWindow::closeEvent(QCloseEvent* event) {
    if (event->spontaneous() && closeHandler_ && !closeHandler_()) {
        event->ignore();
        return;
    }
    event->accept();
}
