// SPDX-License-Identifier: GPL-3.0-or-later
// The stroke data the writing practice judges with, read from the program directory's
// "Kakijun.dat" the first time it is needed and kept.
#pragma once

class StrokeStore;
class QWidget;

// Null when "Kakijun.dat" is missing or damaged; that is then reported over host with the file
// error message (each time it is asked for, so every window that needs it says why it cannot
// open). A null host reports nothing.
const StrokeStore* SharedStrokeStore(QWidget* host);
// Forgets the kept data (tests that swap the program directory).
void ForgetSharedStrokeStore();
