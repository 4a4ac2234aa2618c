// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Random.h"

#include "platform/Clock.h"

#include <random>

namespace {
std::mt19937_64& generator()
{
    static std::mt19937_64 gen(1);
    return gen;
}
}  // namespace

int Random(int n)
{
    if (n <= 0)
        return 0;
    // Rejection keeps every value equally likely; the result depends only on the seed.
    const std::uint64_t range = static_cast<std::uint64_t>(n);
    const std::uint64_t limit = UINT64_MAX - UINT64_MAX % range;
    std::uint64_t x;
    do {
        x = generator()();
    } while (x >= limit);
    return static_cast<int>(x % range);
}

double RandomReal()
{
    return static_cast<double>(generator()() >> 11) * (1.0 / 9007199254740992.0);
}

void Randomize()
{
    generator().seed(static_cast<std::uint64_t>(Clock::now().toMSecsSinceEpoch()));
}

void RandomSeed(std::uint64_t seed)
{
    generator().seed(seed);
}
