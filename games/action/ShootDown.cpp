// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/action/ShootDown.h"

#include "games/action/FrameOpening.h"
#include "platform/Random.h"

void ShootDown::setUp(int width, int height, int playerLevel, ActionEvents* events)
{
    W = width;
    H = height;
    level = playerLevel;
    events_ = events;
    p = ShootDownLevelFor(level);
}

void ShootDown::start(int speed, qint64 nowMs)
{
    speedPosition = speed;
    possiblePoints = 0;
    for (CharacterSlot& c : characters) {
        c = CharacterSlot{};
        c.wait = static_cast<std::uint8_t>(1 + Random(50));
    }
    bullets.fill(BulletSlot{});
    bombs.fill(BombSlot{});
    ticker.start(speedPosition);
    bombsFalling = 0;
    question.start();
    // The first frame step replaces the opening question at once.
    question.newQuestion = true;
    clock.start(nowMs);
    score = 0;
    bulletsInFlight = 0;
    fireCounter = 0;
    launcherX = (W - LauncherWidth) / 2;
    launcherWidth = LauncherWidth;
    laneFree.fill(true);
    laneFreeNext.fill(true);
}

ShootDown::TickResult ShootDown::tick(qint64 nowMs)
{
    if (ticker.frameDue()) {
        TickResult ended = TickResult::Running;
        if (!frameStep(nowMs, ended))
            return ended;
    }
    for (BombSlot& b : bombs)
        if (b.active && moveBomb(b))
            return TickResult::Destroyed;
    for (BulletSlot& b : bullets)
        if (b.active)
            moveBullet(b);
    bulletsInFlight = 0;
    for (const BulletSlot& b : bullets)
        bulletsInFlight += b.active ? 1 : 0;
    moveLauncher();
    if (events_)
        events_->drawTick();
    ticker.endTick();
    laneFree = laneFreeNext;
    return TickResult::Running;
}

bool ShootDown::frameStep(qint64 nowMs, TickResult& ended)
{
    if (!OpenFrameStep(*this, events_, nowMs, ended))
        return false;
    laneFreeNext.fill(true);
    for (int i = 0; i < p.characterSlots && i < CharacterCount; ++i) {
        CharacterSlot& c = characters[i];
        if (c.wait != 255)
            ++c.wait;
        if (!c.active)
            trySpawn(c);
        else
            moveCharacter(c);
    }
    if (events_)
        events_->drawFrame();
    ++fireCounter;
    if (held == HeldControl::Fire && fireCounter > 10 / p.bulletSlots &&
        bulletsInFlight < p.bulletSlots)
        fire();
    return true;
}

void ShootDown::trySpawn(CharacterSlot& c)
{
    if (!(c.wait > 50 && Random(50) < 5))
        return;
    c.lane = 1 + Random(p.lanes);
    c.speed = static_cast<std::uint8_t>(3 * c.lane);
    // Upper lanes are slower and worth more.
    c.points = (p.lanes - c.lane) + level + speedPosition / 3;
    if (!laneFree[c.lane])
        return;
    c.active = true;
    laneFree[c.lane] = false;
    laneFreeNext[c.lane] = false;
    c.size = CharacterSize;
    c.x = W;
    c.y = 50 * c.lane;
    if (RandomReal() < 0.4 && !question.newQuestion) {
        c.sprite = static_cast<std::uint8_t>(question.current);
        c.correct = true;
        question.releaseCorrect();
    } else {
        int s;
        do
            s = 1 + Random(20);
        while (s == question.current);
        c.sprite = static_cast<std::uint8_t>(s);
        c.correct = false;
    }
}

void ShootDown::moveCharacter(CharacterSlot& c)
{
    if (c.speed < c.x) {
        c.x -= c.speed;
        // A lane takes no new character while one is still near the right edge.
        if (c.x >= W - c.size - 32)
            laneFreeNext[c.lane] = false;
        if (RandomReal() < 0.3 && bombsFalling < p.bombLimit && W - c.x > c.size) {
            for (int i = 0; i < p.bombLimit && i < BombCount; ++i) {
                BombSlot& b = bombs[i];
                if (b.active)
                    continue;
                b.active = true;
                b.speed = static_cast<std::uint8_t>(p.bombSpeed);
                b.size = BombSize;
                if (p.bombDrift < 5) {
                    b.drift = 0;
                    b.driftStep = 0;
                } else {
                    b.drift = RandomReal() < 0.5 ? 1 : 2;
                    b.driftStep = Random(p.bombDrift);
                }
                b.x = c.x + b.size / 2;
                b.y = c.y + b.size;
                ++bombsFalling;
                break;
            }
        }
        return;
    }
    // Escaped at the left edge: a right one still counts towards the points at stake.
    c.active = false;
    if (c.correct) {
        possiblePoints += level;
        question.correctGone();
    }
}

void ShootDown::moveBullet(BulletSlot& b)
{
    if (b.speed < b.y)
        b.y -= b.speed;
    for (int i = 0; i < p.characterSlots && i < CharacterCount; ++i) {
        CharacterSlot& c = characters[i];
        if (!c.active)
            continue;
        if (c.x <= b.x + BulletWidth && b.x <= c.x + c.size && c.y <= b.y + b.height &&
            b.y <= c.y + c.size) {
            // One bullet takes out every character it touches in this tick.
            c.active = false;
            c.wait = 0;
            b.active = false;
            if (c.correct) {
                possiblePoints += c.points;
                question.correctGone();
                score = static_cast<std::int16_t>(score + c.points);
                if (events_) {
                    events_->characterHit(c.sprite, true);
                    events_->playSound(ActionSound::Atari);
                }
            } else if (events_) {
                events_->characterHit(question.current, false);
                events_->playSound(ActionSound::Hazure);
            }
        }
    }
    if (b.y <= b.speed)
        b.active = false;
}

bool ShootDown::moveBomb(BombSlot& b)
{
    if (b.speed < b.y)
        b.y += b.speed;
    if (b.drift == 1) {
        if (b.x < W - 31 - b.driftStep)
            b.x += b.driftStep;
        else
            b.drift = 2;
    } else if (b.drift == 2) {
        if (b.x >= b.driftStep)
            b.x -= b.driftStep;
        else
            b.drift = 1;
    }
    for (BulletSlot& t : bullets) {
        if (!t.active)
            continue;
        if (t.x <= b.x + 7 && b.x <= t.x + BulletWidth && t.y <= b.y + 7 && b.y <= t.y + t.height) {
            t.active = false;
            if (events_)
                events_->playSound(ActionSound::Hazure);
            b.active = false;
            --bombsFalling;
            return false;
        }
    }
    if (b.y > H - StripHeight) {
        b.active = false;
        --bombsFalling;
        if (b.x + 8 > launcherX && b.x < launcherX + launcherWidth) {
            if (p.bulletSlots > 1) {
                --p.bulletSlots;
                if (events_)
                    events_->playSound(ActionSound::Hazure);
            } else {
                if (events_)
                    events_->playSound(ActionSound::Bang);
                return true;
            }
        }
    }
    return false;
}

void ShootDown::fire()
{
    for (int i = 0; i < p.bulletSlots && i < BulletCount; ++i) {
        BulletSlot& b = bullets[i];
        if (b.active)
            continue;
        b.active = true;
        b.speed = static_cast<std::uint8_t>(p.bulletSpeed);
        b.height = BulletHeight;
        b.x = launcherX + launcherWidth / 2;
        b.y = H - StripHeight;
        ++bulletsInFlight;
        fireCounter = 0;
        if (events_)
            events_->playSound(ActionSound::Hassha);
        return;
    }
}

void ShootDown::extend(qint64 nowMs)
{
    if (p.bombLimit < 19)
        p.bombLimit += 2;
    clock.extend(nowMs);
    if (p.bombDrift > 5 && p.bulletSlots < 5) {
        ++p.bulletSlots;
        ++p.bulletSpeed;
    }
    if (p.lanes < LaneCount)
        ++p.lanes;
    ticker.quicken();
    if (p.characterSlots < 26)
        p.characterSlots += 5;
    if (events_)
        events_->extended(clock.extensions());
}

void ShootDown::moveLauncher()
{
    if (held == HeldControl::Left && launcherX >= 11)
        launcherX -= 10;
    else if (held == HeldControl::Right && launcherX < W - LauncherWidth)
        launcherX += 10;
}

bool ShootDown::passed() const
{
    return ActionGamePassed(score, possiblePoints, clock.extensions(), 50, 40);
}
