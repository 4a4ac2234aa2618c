// SPDX-License-Identifier: GPL-3.0-or-later
// A full-screen window that other windows nearly always cover (the program's backdrop) need not
// keep a screen-sized drawing buffer: after each paint the buffer is given back, and it is taken
// again whenever the window has to be drawn (X exposes it, or it is updated). What the window
// shows on screen stays as drawn.
#pragma once

class QWidget;

void ReleaseBufferBetweenPaints(QWidget* window);

// Both apply to top-level windows only: a window inside another draws into that one's buffer.

// A window that hides while another one is in front (the main menu during a game) gives its
// buffer back as it hides; showing it again draws it whole.
void ReleaseBufferWhileHidden(QWidget* window);
