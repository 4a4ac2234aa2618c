// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the action games: the 20 character sprites of the player's level and the bitmaps
// read from the program directory.
#pragma once

#include <QImage>
#include <QString>
#include <array>

using CharacterSprites = std::array<QImage, 21>;  // [1..20]

// The kanji numbers shown by the 20 sprites start after `base`.
int SpriteBase(int level);
// Sprite k: kanji base + k in aqua, font size 18, at the top-left of a navy 32 x 32 cell; drawn
// with `scale` device pixels per pixel for the screen.
CharacterSprites BuildCharacterSprites(int base, qreal scale = 1);
// A bitmap of the program directory as a 32-bit image; false when it cannot be read.
bool LoadGamePicture(const QString& name, QImage& out);
