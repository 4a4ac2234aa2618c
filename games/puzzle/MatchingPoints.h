// SPDX-License-Identifier: GPL-3.0-or-later
// Points for a pair in the matching game: memory, time, strength and level factors multiplied and
// the fraction dropped. The factors are single-precision, as the game keeps them.
#pragma once

#include <QtGlobal>

// 2.0 for つよい (index 0), 1.5 for ふつう (1), 1.0 for よわい (2).
float TsuyosaFactorFor(int strengthIndex);
// L x 0.2 + 1 for the child's level L.
float LevelFactorFor(int level);
// From d, the turns since each card of the pair was last turned, added up.
float MemoryFactorFor(int d);
// From the seconds field (0..59) of the time the child's turn took.
float TimeFactorFor(int seconds);
// The computer never hurries: its time factor is fixed.
constexpr float ComTimeFactor = 1.5f;
// The seconds field of an elapsed time: whole minutes are not counted.
int SecondsField(qint64 elapsedMs);
// Distance d for cards a and b last turned in turns seenA and seenB (0 = never), counted at turn.
int MemoryDistance(int turnNo, int seenA, int seenB);

int PairPoints(float tsuyosa, float time, float memory, float level);
