// SPDX-License-Identifier: GPL-3.0-or-later
// Arranges a theme in a style: an intro, then the tune several times round with a harmony or a
// second voice, chords, bass and drums, humanised a little, ending on a bar line so it loops.
#pragma once

#include "SmfWriter.h"
#include "TuneStyles.h"
#include "TuneThemes.h"

#include <vector>

namespace Tunes {

SmfWriter arrange(const Theme& theme, const Style& style, const Variant& variant, const std::vector<MNote>& melody,
                  const std::vector<Chord>& chords, int bars);

}  // namespace Tunes
