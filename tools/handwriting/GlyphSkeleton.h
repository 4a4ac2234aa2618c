// SPDX-License-Identifier: GPL-3.0-or-later
// Glyphs of the Debian fonts as centre lines: a character drawn large, thinned to a one-pixel
// skeleton. The template maker draws the skeleton with the pad's pen (so a font's stroke weight
// does not matter); the test-set maker follows it into strokes.
#pragma once

#include "writing/handwriting/Ink.h"

#include <QString>

#include <vector>

constexpr int GlyphSide = 128;

struct Skeleton {
    int side = GlyphSide;
    std::vector<unsigned char> on; // side * side, row by row
    bool at(int x, int y) const {
        return x >= 0 && y >= 0 && x < side && y < side && on[size_t(y * side + x)];
    }
    bool empty() const;
};

// False when the font has no glyph for the character (the fallback font would draw it).
bool GlyphSkeleton(const QString& character, const QString& family, Skeleton* out);
// Every pair of neighbouring skeleton pixels as a two-point stroke.
Ink SkeletonSegments(const Skeleton& s);
