#include "data/MainMenu.h"

#include "platform/ProgramWindow.h"

#include <QPointer>
#include <QWidget>

namespace {
QPointer<QWidget> menu;
}

void SetMainMenu(QWidget* m) { menu = m; }

QWidget* MainMenuWindow() { return menu; }

void ShowMainMenu()
{
    if (menu)
        ShowProgramWindow(menu);
}

void CloseMainMenu()
{
    if (menu)
        menu->close();
}
