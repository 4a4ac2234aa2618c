// SPDX-License-Identifier: GPL-3.0-or-later
// Game 5's per-level set-up: how many characters fly, how the launcher shoots and how the
// characters bomb back.
#pragma once

struct ShootDownLevel {
    int characterSlots = 0;
    int bulletSlots = 0;
    int bulletSpeed = 0;  // pixels per tick
    int lanes = 0;
    int bombLimit = 0;
    int bombSpeed = 0;  // pixels per tick
    int bombDrift = 0;  // below 5: bombs fall straight
};

// The parameters for a player's level; draws once from the random generator for the number
// of character slots. Levels outside 0..15 do not occur; they take the nearest row.
ShootDownLevel ShootDownLevelFor(int level);
