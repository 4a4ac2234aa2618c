// SPDX-License-Identifier: GPL-3.0-or-later
// KanjiVG's files as the npm package @madcat/kanjivg lays them out: dist/main/<5-digit lower
// hex code point>.svg, one <path id="kvg:<code>-s<N>" d="..."> per stroke in stroke order.
#pragma once

#include "writing/strokes/CharStrokes.h"

#include <QString>

// Spacing of the points taken from the paths, in the 109 box.
constexpr double KanjiVgSpacing = 1.5;

QString KanjiVgFile(const QString& packageDir, char32_t ch);
// False, with the reason, for a missing file, a stroke out of sequence or a path not understood.
bool ReadKanjiVgStrokes(const QString& packageDir, char32_t ch, CharStrokes* out, QString* error);
