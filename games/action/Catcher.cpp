// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/action/Catcher.h"

#include "games/action/FrameOpening.h"
#include "platform/Random.h"

CatcherLevel CatcherLevelFor(int level)
{
    struct Row {
        int base, spread, drift;
    };
    // Indexed by level / 2; levels 10 to 15 share the last row.
    static constexpr Row Rows[] = {{7, 3, 1},   {10, 3, 10}, {13, 5, 12},
                                   {15, 5, 16}, {18, 5, 20}, {20, 5, 24}};
    int row = level < 0 ? 0 : level / 2;
    if (row > 5)
        row = 5;
    return {Rows[row].base + Random(Rows[row].spread), Rows[row].drift};
}

void Catcher::setUp(int width, int height, int playerLevel, ActionEvents* events)
{
    W = width;
    H = height;
    level = playerLevel;
    events_ = events;
    p = CatcherLevelFor(level);
}

void Catcher::start(int speedPosition, qint64 nowMs)
{
    possiblePoints = 0;
    for (StarSlot& s : stars) {
        s = StarSlot{};
        s.counter = static_cast<std::uint8_t>(1 + Random(50));
    }
    ticker.start(speedPosition);
    question.start();
    question.newQuestion = true;  // the first frame step replaces the opening question
    clock.start(nowMs);
    score = 0;
    catcherX = (W - CatcherWidth) / 2;
    catcherWidth = CatcherWidth;
}

Catcher::TickResult Catcher::tick(qint64 nowMs)
{
    if (ticker.frameDue()) {
        TickResult ended = TickResult::Running;
        if (!frameStep(nowMs, ended))
            return ended;
    }
    moveCatcher();
    if (events_)
        events_->drawTick();
    ticker.endTick();
    return TickResult::Running;
}

bool Catcher::frameStep(qint64 nowMs, TickResult& ended)
{
    if (!OpenFrameStep(*this, events_, nowMs, ended))
        return false;
    for (int i = 0; i < p.characterSlots && i < SlotCount; ++i) {
        StarSlot& s = stars[i];
        if (s.counter != 255)
            ++s.counter;
        if (s.phase == StarSlot::Inactive)
            trySpawn(s);
        else
            moveCharacter(s);
    }
    if (events_)
        events_->drawFrame();
    return true;
}

void Catcher::trySpawn(StarSlot& s)
{
    if (!(s.counter > 50 && Random(50) < 5))
        return;
    s.phase = StarSlot::Hidden;
    s.twinkle = true;
    s.counter = static_cast<std::uint8_t>(1 + Random(40));
    s.size = CharacterSize;
    s.x = Random(W - 50);
    s.y = Random(H / 3);
    s.drift = 1 + Random(2);
    if (RandomReal() < 0.3 && !question.newQuestion) {
        s.sprite = static_cast<std::uint8_t>(question.current);
        s.correct = true;
        question.releaseCorrect();
    } else {
        int k;
        do
            k = 1 + Random(20);
        while (k == question.current);
        s.sprite = static_cast<std::uint8_t>(k);
        s.correct = false;
    }
}

void Catcher::moveCharacter(StarSlot& s)
{
    switch (s.phase) {
    case StarSlot::Hidden:
        if (s.counter > 16) {
            s.phase = StarSlot::Twinkling;
            s.counter = static_cast<std::uint8_t>(1 + Random(10));
        }
        break;
    case StarSlot::Twinkling:
        s.twinkle = !s.twinkle;
        if (s.counter > 15) {
            s.phase = StarSlot::Sinking;
            s.counter = static_cast<std::uint8_t>(1 + Random(10));
        }
        break;
    case StarSlot::Sinking:
        s.y += 1;
        if (s.counter > 15) {
            s.phase = StarSlot::Falling;
            s.counter = 0;
        }
        break;
    case StarSlot::Falling: {
        // The fall speeds up with every frame step, now and then twice as fast.
        s.y += RandomReal() < 0.3 ? 2 * s.counter : s.counter;
        if (RandomReal() < 0.5) {
            const int d = p.driftLimit;
            if (s.drift == 1) {
                if (s.x < W - 32 - (d - 1))
                    s.x += Random(d);
                else
                    s.drift = 2;
            } else {
                if (s.x > d - 1)
                    s.x -= Random(d);
                else
                    s.drift = 1;
            }
        }
        break;
    }
    default:
        break;
    }
    if (s.y > H - s.size - 19) {
        s.phase = StarSlot::Inactive;
        s.counter = 0;
        if (s.correct) {
            possiblePoints += level;
            question.correctGone();
            if (s.x + 24 > catcherX && s.x < catcherX + catcherWidth) {
                score = static_cast<std::int16_t>(score + level);
                if (events_) {
                    events_->characterHit(s.sprite, true);
                    events_->playSound(ActionSound::Atari);
                }
            }
        }
    }
}

void Catcher::extend(qint64 nowMs)
{
    clock.extend(nowMs);
    ticker.quicken();
    if (p.characterSlots < 26)
        p.characterSlots += 5;
    if (events_)
        events_->extended(clock.extensions());
}

void Catcher::moveCatcher()
{
    if (held == CatcherControl::Left && catcherX >= 11)
        catcherX -= 10;
    else if (held == CatcherControl::Right && catcherX < W - catcherWidth)
        catcherX += 10;
}

bool Catcher::passed() const
{
    return ActionGamePassed(score, possiblePoints, clock.extensions(), 60, 50);
}
