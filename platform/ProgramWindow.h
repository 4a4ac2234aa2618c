// Every window but the splash screen: no caption bar, a thin border, maximised.
#pragma once

class QWidget;
class QColor;
class QRect;

void PrepareProgramWindow(QWidget* window, const QColor& background);
// The whole (logical) screen.
QRect ProgramScreenRect();
// Maximised also where no window manager maximises (a bare X server): the window takes the
// screen's rectangle itself.
void ShowProgramWindow(QWidget* window);
void FitToScreen(QWidget* window);
