// SPDX-License-Identifier: GPL-3.0-or-later
// The window system may destroy our windows without asking (`xdotool windowclose`, a crashed
// window manager, a session torn down): no close event comes, and a program left without its
// windows would run on unseen, holding the records lock. Such a loss ends the program.
#pragma once

#include <functional>

// Calls `lost` when the X server destroys one of our visible top-level windows that we did
// not destroy ourselves; an empty function stops watching. Other window systems: nothing.
void WatchWindowLoss(std::function<void()> lost);
