// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/puzzle/MatchingPoints.h"

#include <cmath>

float TsuyosaFactorFor(int strengthIndex) { return static_cast<float>(4 - strengthIndex) / 2.0f; }

float LevelFactorFor(int level) { return static_cast<float>(level * 0.2 + 1); }

float MemoryFactorFor(int d)
{
    if (d > 12)
        return 2.0f;
    if (d < 0)
        return 1.0f;
    return static_cast<float>((d - 2) * 0.1 + 1);
}

float TimeFactorFor(int t)
{
    if (t <= 4)
        return 2.0f;
    if (t <= 6)
        return 1.8f;
    if (t <= 8)
        return 1.6f;
    if (t <= 10)
        return 1.4f;
    if (t <= 15)
        return 1.2f;
    return 1.0f;
}

int SecondsField(qint64 elapsedMs)
{
    if (elapsedMs < 0)
        return 0;
    return static_cast<int>((elapsedMs / 1000) % 60);
}

int MemoryDistance(int turnNo, int seenA, int seenB) { return (turnNo - seenA) + (turnNo - seenB); }

int PairPoints(float tsuyosa, float time, float memory, float level)
{
    // The product of the stored single-precision factors, taken at full precision and truncated.
    const double p = static_cast<double>(tsuyosa) * time * memory * level;
    return static_cast<int>(std::trunc(p));
}
