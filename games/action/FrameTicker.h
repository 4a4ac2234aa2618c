// SPDX-License-Identifier: GPL-3.0-or-later
// The 30 ms tick of the action games and the frame steps it carries: a frame step comes every
// `frameDivider` ticks, the first one early for the faster speed positions.
#pragma once

constexpr int ActionTickMs = 30;

struct FrameTicker {
    int tickCounter = 0;
    int frameDivider = 4;

    // Speed position 1..5: the counter starts at the position, so position 5 steps on the first
    // tick and position 1 on the sixth.
    void start(int speedPosition)
    {
        tickCounter = speedPosition;
        frameDivider = 7 - speedPosition;
    }
    bool frameDue() const { return tickCounter >= frameDivider; }
    void beginFrame() { tickCounter = 0; }
    void endTick() { ++tickCounter; }
    // Each time extension makes the frames come faster, down to every second tick.
    void quicken()
    {
        if (frameDivider > 2)
            --frameDivider;
    }
};
