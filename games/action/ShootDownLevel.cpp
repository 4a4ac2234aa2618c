// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/action/ShootDownLevel.h"

#include "platform/Random.h"

namespace {
struct Row {
    int slotBase, slotSpread, bulletSlots, bulletSpeed, lanes, bombLimit, bombSpeed, bombDrift;
};
// Indexed by level / 2; levels 10 to 15 share the last row.
constexpr Row Rows[] = {
    {7, 3, 1, 4, 1, 1, 1, 1},   {10, 3, 2, 5, 2, 1, 1, 5},  {13, 5, 2, 5, 2, 2, 2, 6},
    {15, 5, 3, 6, 3, 2, 2, 8},  {18, 5, 3, 6, 3, 3, 3, 10}, {20, 5, 3, 6, 3, 3, 3, 15},
};
}  // namespace

ShootDownLevel ShootDownLevelFor(int level)
{
    int row = level < 0 ? 0 : level / 2;
    if (row > 5)
        row = 5;
    const Row& r = Rows[row];
    ShootDownLevel p;
    p.characterSlots = r.slotBase + Random(r.slotSpread);
    p.bulletSlots = r.bulletSlots;
    p.bulletSpeed = r.bulletSpeed;
    p.lanes = r.lanes;
    p.bombLimit = r.bombLimit;
    p.bombSpeed = r.bombSpeed;
    p.bombDrift = r.bombDrift;
    return p;
}
