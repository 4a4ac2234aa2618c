// SPDX-License-Identifier: GPL-3.0-or-later
// Modal layers: a window the program opens over another (a message box, the quiz, the help, a
// writing pad) stands inside the program's one window, on a layer that covers it and keeps
// clicks and keys from the windows below until the window on it goes. Without a host window (a
// window a test shows on its own) they are ordinary windows, as before.
#pragma once

#include <QPoint>

class QDialog;
class QWidget;

// Runs `dialog` to its end on a layer and returns its result. A dialog marked full screen or
// maximised fills the layer; any other keeps its size and stands where it was placed, or in the
// middle. The dialog returns to its parent afterwards, so its owner frees it as before.
int RunModal(QDialog* dialog);

// Shows `window` on a layer and returns at once; the layer goes when the window hides or goes.
// Full size, or at its own size with its top-left at `at` (the host's coordinates).
void ShowOnLayer(QWidget* window);
void ShowOnLayer(QWidget* window, QPoint at);

// The layer's rectangle `window` stands on (its host's), or null when it is on none.
QWidget* LayerOf(const QWidget* window);
// Whether clicks and keys reach `w` now (no layer above it).
bool ReachableNow(const QWidget* w);
