// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own hand cursor ("custom cursor 1"), drawn by the program at start-up.
#pragma once

#include <QCursor>

class QWidget;

void InstallHandCursor();  // draws the cursor once; call after the QApplication exists
QCursor HandCursor();
void GiveHandCursor(QWidget* widget);
