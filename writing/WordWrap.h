// SPDX-License-Identifier: GPL-3.0-or-later
// Our kana messages are written with a space between words (わかちがき). Qt breaks Japanese
// between any two characters, which splits a word a child reads as one; this breaks lines only
// where a space or a full stop is, and never leaves a single character alone on a line.
#pragma once

#include <QString>

class QFontMetrics;

// `text` with line breaks ("\n") so that every line fits `width` pixels in `metrics`; the space
// at a break goes. A word wider than the whole width stands on a line of its own.
QString WrapBetweenWords(const QString& text, const QFontMetrics& metrics, int width);
