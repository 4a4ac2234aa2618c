#include "platform/Modal.h"

#include "platform/ProgramWindow.h"

#include <QDialog>

namespace {
std::function<int(QDialog*)> hook;
}

int ExecModal(QDialog* dialog)
{
    if (hook)
        return hook(dialog);
    if (dialog->windowState() & Qt::WindowMaximized)
        FitToScreen(dialog);
    return dialog->exec();
}

namespace Modal {
void setHook(std::function<int(QDialog*)> h) { hook = std::move(h); }
}  // namespace Modal
