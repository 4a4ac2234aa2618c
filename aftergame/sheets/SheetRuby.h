// SPDX-License-Identifier: GPL-3.0-or-later
// One of the kanji's sentences on a sheet: the kanji written in, left as an empty box, or
// answered in red in the box, always with its reading above it in small kana.
#pragma once

#include "aftergame/NoteDetail.h"

#include <QRectF>

class QPainter;

enum class SentenceKanji { Written, Box, Answer };

// Paints the sentence in one line from (x, y) millimetres, its furigana included, at text size
// `sizeMm` or smaller so that it fits `width`. Returns the kanji's box (device units).
QRectF PaintSheetSentence(QPainter& p, double x, double y, double width, double sizeMm,
                          const NoteSentence& sentence, const QString& kanji, SentenceKanji how);
// The height the line takes at `sizeMm`, furigana included, in millimetres.
double SheetSentenceHeight(double sizeMm);
