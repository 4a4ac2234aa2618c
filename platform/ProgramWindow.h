// Every window but the splash screen: no caption bar, a thin border, maximised.
#pragma once

class QWidget;
class QColor;

void PrepareProgramWindow(QWidget* window, const QColor& background);
void ShowProgramWindow(QWidget* window);  // maximised
