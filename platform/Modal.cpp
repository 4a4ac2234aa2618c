// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Modal.h"

#include "platform/ModalLayer.h"
#include "platform/ProgramWindow.h"

#include <QDialog>

namespace {
std::function<int(QDialog*)> hook;
}

int ExecModal(QDialog* dialog)
{
    if (hook)
        return hook(dialog);
    if (!ProgramHost() && (dialog->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        FitToScreen(dialog);
    return RunModal(dialog);
}

namespace Modal {
void setHook(std::function<int(QDialog*)> h) { hook = std::move(h); }
}  // namespace Modal
