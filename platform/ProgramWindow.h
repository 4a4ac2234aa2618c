// SPDX-License-Identifier: GPL-3.0-or-later
// Every window but the splash screen: no caption bar, a thin border, over the whole screen.
// The program runs in one top-level window, the host: every window it shows stands inside it,
// full size, the last one shown on top. A desktop (Wayland above all) then has only one window
// of ours to place, and gives it the whole screen, panels and all. Without a host (a window a
// test shows on its own) each window is its own full-screen top-level window.
#pragma once

#include <QSize>

class QWidget;
class QColor;
class QRect;

void PrepareProgramWindow(QWidget* window, const QColor& background);
// The whole (logical) screen, rounded up so that it covers every device pixel.
QRect ProgramScreenRect();
// The logical size that covers `native` device pixels at `factor` device pixels per pixel.
QSize CoveringSize(QSize native, double factor);
// Full screen (not maximised: a desktop's panels stay over a maximised window), also where no
// window manager sizes it (a bare X server); inside the host when there is one.
void ShowProgramWindow(QWidget* window);
void FitToScreen(QWidget* window);

// The one top-level window the program's windows stand in; null when none was made.
void SetProgramHost(QWidget* host);
QWidget* ProgramHost();
// The program window `w` belongs to: its own top-level window, or the window inside the host.
QWidget* ProgramWindowOf(const QWidget* w);
