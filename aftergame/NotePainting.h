// SPDX-License-Identifier: GPL-3.0-or-later
// How the kanji notebook draws a kanji's cell, on the screen and on paper alike: the colour of
// each mark, its name in the legend, and the cell itself.
#pragma once

#include "data/KanjiNoteRules.h"

#include <QColor>
#include <QString>

class QPainter;
class QRect;

// On paper the kanji not met yet stay light, so a printed notebook costs little ink.
QColor NoteMarkColour(NoteMark mark, bool paper = false);     // the cell's background
QColor NoteMarkTextColour(NoteMark mark, bool paper = false); // the kanji's colour on it
QString NoteMarkName(NoteMark mark);                          // the legend's word

// One cell: the background of its mark, a thin frame, the kanji as large as the cell allows.
void PaintNoteCell(QPainter& p, const QRect& cell, int kanji, NoteMark mark, bool selected = false,
                   bool paper = false);
// The four marks side by side from (x, y), each a swatch of side `swatch` and its name.
void PaintNoteLegend(QPainter& p, int x, int y, int swatch, const QColor& textColour,
                     bool paper = false);
