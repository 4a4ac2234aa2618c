// SPDX-License-Identifier: GPL-3.0-or-later
// A developer's hook for trying day-to-day features in the running program: when the program
// runs from its build folder (never when installed), MOJIMARU_TEST_CLOCK="2026-04-06T09:00:00"
// makes its clock run on from that local time. The variable is taken out of the environment at
// once, so nothing the program starts inherits it.
#pragma once

inline constexpr char TestClockVariable[] = "MOJIMARU_TEST_CLOCK";

// True when the clock was moved.
bool TestClockFromEnvironment(bool installed);
