#include "platform/ProgramWindow.h"

#include <QColor>
#include <QPalette>
#include <QWidget>

void PrepareProgramWindow(QWidget* window, const QColor& background)
{
    window->setWindowFlag(Qt::FramelessWindowHint, true);
    QPalette pal = window->palette();
    pal.setColor(QPalette::Window, background);
    window->setPalette(pal);
    window->setAutoFillBackground(true);
}

void ShowProgramWindow(QWidget* window)
{
    window->showMaximized();
}
