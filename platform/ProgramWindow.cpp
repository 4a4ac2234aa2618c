#include "platform/ProgramWindow.h"

#include <QColor>
#include <QGuiApplication>
#include <QPalette>
#include <QRect>
#include <QScreen>
#include <QWidget>

void PrepareProgramWindow(QWidget* window, const QColor& background)
{
    window->setWindowFlag(Qt::FramelessWindowHint, true);
    QPalette pal = window->palette();
    pal.setColor(QPalette::Window, background);
    window->setPalette(pal);
    window->setAutoFillBackground(true);
}

QRect ProgramScreenRect()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 640, 480);
}

void FitToScreen(QWidget* window)
{
    window->setGeometry(ProgramScreenRect());
    window->setWindowState(window->windowState() | Qt::WindowMaximized);
}

void ShowProgramWindow(QWidget* window)
{
    FitToScreen(window);
    window->show();
}
