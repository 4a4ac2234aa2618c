// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of game 7, kanji catcher, without a window: characters appear as stars in the upper
// third, twinkle, sink and then fall faster and faster with some drift; the catcher along the
// bottom edge catches them. Only right characters that land count, caught or not.
#pragma once

#include "games/action/ActionEvents.h"
#include "games/action/ExtensionClock.h"
#include "games/action/FrameTicker.h"
#include "games/action/QuestionRotation.h"

#include <array>
#include <cstdint>

enum class CatcherControl { None, Left, Right };

struct CatcherLevel {
    int characterSlots = 0;
    int driftLimit = 1;  // 1: no drift
};

// The parameters for a player's level; draws once for the number of character slots.
CatcherLevel CatcherLevelFor(int level);

struct StarSlot {
    enum Phase { Inactive = 0, Hidden = 1, Twinkling = 2, Sinking = 3, Falling = 4 };
    int phase = Inactive;
    bool twinkle = false;     // the star is drawn only while this is clear
    std::uint8_t counter = 0;  // frame steps in this phase, stops at 255
    std::uint8_t sprite = 0;
    bool correct = false;
    int size = 0;
    int x = 0;
    int y = 0;
    int drift = 1;  // 1 right, 2 left
};

class Catcher {
public:
    static constexpr int SlotCount = 30;
    static constexpr int CharacterSize = 32;
    static constexpr int StripHeight = 24;
    static constexpr int CatcherWidth = 72;

    enum class TickResult { Running, TimeOut, Stopped };

    void setUp(int width, int height, int level, ActionEvents* events);
    void start(int speedPosition, qint64 nowMs);
    TickResult tick(qint64 nowMs);
    bool passed() const;

    void trySpawn(StarSlot& s);
    void moveCharacter(StarSlot& s);
    void extend(qint64 nowMs);
    void moveCatcher();

    int W = 360;
    int H = 320;
    int level = 1;
    CatcherLevel p;
    std::array<StarSlot, SlotCount> stars{};
    std::int16_t score = 0;
    int possiblePoints = 0;
    ExtensionClock clock;
    FrameTicker ticker;
    QuestionRotation question;
    int catcherX = 0;
    int catcherWidth = CatcherWidth;
    CatcherControl held = CatcherControl::None;

private:
    bool frameStep(qint64 nowMs, TickResult& ended);
    ActionEvents* events_ = nullptr;
};
