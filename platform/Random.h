// SPDX-License-Identifier: GPL-3.0-or-later
// The one random number generator of the whole program. Tests seed it for repeatable draws.
#pragma once

#include <cstdint>

int Random(int n);        // a whole number 0..n-1, each equally likely; 0 when n <= 0
double RandomReal();      // a real number in [0, 1)
void Randomize();         // seeds from the clock
void RandomSeed(std::uint64_t seed);
