// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of game 5, kanji shoot-down, without a window: characters fly in lanes from right to
// left, the launcher fires bullets upwards, characters drop bombs on the launcher. Everything is
// held in fixed arrays so a tick never allocates; the window draws and sounds through the
// events interface.
#pragma once

#include "games/action/ActionEvents.h"
#include "games/action/ExtensionClock.h"
#include "games/action/FrameTicker.h"
#include "games/action/QuestionRotation.h"
#include "games/action/ShootDownLevel.h"

#include <array>
#include <cstdint>

enum class HeldControl { None, Left, Right, Fire };

struct CharacterSlot {
    bool active = false;
    std::uint8_t wait = 0;  // frame steps since last shot down, stops at 255
    std::uint8_t speed = 0;
    std::uint8_t sprite = 0;
    bool correct = false;
    int size = 0;
    int x = 0;
    int y = 0;
    int lane = 0;
    int points = 0;
};

struct BulletSlot {
    bool active = false;
    std::uint8_t speed = 0;
    int height = 0;
    int x = 0;
    int y = 0;
};

struct BombSlot {
    bool active = false;
    std::uint8_t speed = 0;
    int size = 0;
    int drift = 0;  // 0 none, 1 right, 2 left
    int driftStep = 0;
    int x = 0;
    int y = 0;
};

class ShootDown {
public:
    static constexpr int CharacterCount = 30;
    static constexpr int BulletCount = 10;
    static constexpr int BombCount = 20;
    static constexpr int LaneCount = 4;
    static constexpr int CharacterSize = 32;
    static constexpr int BulletWidth = 16;
    static constexpr int BulletHeight = 32;
    static constexpr int BombSize = 8;
    static constexpr int StripHeight = 24;
    static constexpr int LauncherWidth = 72;

    enum class TickResult { Running, TimeOut, Destroyed, Stopped };

    // Set-up: the playfield size and the player's level, which picks the level parameters.
    void setUp(int width, int height, int level, ActionEvents* events);
    // Start of a game at speed position 1..5; reseeding is the caller's.
    void start(int speedPosition, qint64 nowMs);
    // One 30 ms tick. Anything but Running ends the game: the caller stops the timer.
    TickResult tick(qint64 nowMs);

    void setHeld(HeldControl c) { held = c; }
    bool passed() const;

    // Width and height of the playfield.
    int W = 360;
    int H = 320;
    int level = 1;
    int speedPosition = 3;
    ShootDownLevel p;

    std::array<CharacterSlot, CharacterCount> characters{};
    std::array<BulletSlot, BulletCount> bullets{};
    std::array<BombSlot, BombCount> bombs{};

    std::int16_t score = 0;
    int possiblePoints = 0;
    ExtensionClock clock;
    FrameTicker ticker;
    QuestionRotation question;
    int fireCounter = 0;
    int bulletsInFlight = 0;
    int bombsFalling = 0;
    std::array<bool, LaneCount + 1> laneFree{};      // [1..4]
    std::array<bool, LaneCount + 1> laneFreeNext{};  // [1..4]
    int launcherX = 0;
    int launcherWidth = LauncherWidth;
    HeldControl held = HeldControl::None;

    // Single steps, public so tests can drive them one by one.
    void trySpawn(CharacterSlot& c);
    void moveCharacter(CharacterSlot& c);
    void moveBullet(BulletSlot& b);
    // True when the bomb destroyed a launcher with its last bullet slot.
    bool moveBomb(BombSlot& b);
    void fire();
    void extend(qint64 nowMs);
    void moveLauncher();

private:
    bool frameStep(qint64 nowMs, TickResult& ended);
    ActionEvents* events_ = nullptr;
};
