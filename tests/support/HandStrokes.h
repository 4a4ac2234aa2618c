// SPDX-License-Identifier: GPL-3.0-or-later
// A few characters written by hand (coordinates entered by us, in the recogniser's 1024 box, in
// school stroke order), and a way to write ink onto a pad through real mouse or touch events.
#pragma once

#include "writing/handwriting/Ink.h"

#include <QString>

class QWidget;

// The ink of one of: 十 山 口 川 木 日 い く し こ つ り カ ト.
Ink HandStrokes(const QString& character);
Ink ReversedInk(const Ink& ink);                         // every stroke backwards
Ink ReorderedInk(const Ink& ink);                        // last stroke first, then the others
Ink ShrunkInk(const Ink& ink, double scale, QPointF to); // scaled about the origin, moved

// Writes the ink on a writing surface of any size with QTest mouse presses, moves and releases.
void WriteWithMouse(QWidget* surface, const Ink& ink);
// The same through QTest::touchEvent with a touch screen device.
void WriteWithTouch(QWidget* surface, const Ink& ink);

class TestEnv;
// Puts the built glyph templates into a test's program directory.
void CopyTemplates(const TestEnv& env);
