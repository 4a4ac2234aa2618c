// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/action/MoleBoard.h"

#include "platform/Random.h"

#include <algorithm>

int MoleBoard::VisibleRows(int state)
{
    static constexpr int Rows[] = {64, 21, 42, 64, 42, 21};
    return state >= 0 && state <= 5 ? Rows[state] : 64;
}

void MoleBoard::setUp(int playerLevel, int base, int count, ActionEvents* events)
{
    level = playerLevel;
    setBase = base;
    setCount = std::clamp(count, 0, SetLimit);
    events_ = events;
}

void MoleBoard::clearHoles()
{
    for (auto& column : holes)
        column.fill(Hole{});
}

void MoleBoard::start(int speed)
{
    speedPosition = speed;
    questionNo = 0;
    clearHoles();
    // Five different kanji: pick from the remaining list and close the gap.
    std::array<int, SetLimit> remaining{};
    for (int b = 0; b < setCount; ++b)
        remaining[b] = setBase + 1 + b;
    int left = setCount;
    for (int i = 1; i <= 5; ++i) {
        const int pos = left > 0 ? Random(left) : 0;
        questionKanji[i] = left > 0 ? remaining[pos] : setBase + 1;
        for (int j = pos; j + 1 < left; ++j)
            remaining[j] = remaining[j + 1];
        if (left > 0)
            --left;
    }
    questionNo = 1;
    rightForQuestion = 0;
    rightInGame = 0;
    score = 0;
    changeFlag = false;
    changeCount = 0;
}

MoleBoard::TickResult MoleBoard::tick()
{
    if (rightInGame >= RightPerGame)
        return TickResult::Ended;
    if (changeFlag && ++changeCount > 5) {
        rightForQuestion = 0;
        questionNo = questionNo % 5 + 1;
        if (events_ && !events_->showQuestion(currentKanji()))
            return TickResult::Stopped;
        if (events_)
            events_->playSound(ActionSound::Mondai);
        clearHoles();
        changeFlag = false;
        changeCount = 0;
    }
    for (int c = 1; c <= Size; ++c)
        for (int r = 1; r <= Size; ++r) {
            Hole& h = holes[c][r];
            if (h.state == 0) {
                if (RandomReal() < 0.1)
                    raise(h);
            } else if (h.state < 5) {
                ++h.state;
            } else {
                h = Hole{};
            }
        }
    if (events_)
        events_->drawTick();
    return TickResult::Running;
}

void MoleBoard::raise(Hole& h)
{
    h.state = 1;
    if (RandomReal() < 0.3 && rightInGame < RightPerGame && !changeFlag) {
        h.kanji = currentKanji();
        ++rightForQuestion;
        ++rightInGame;
        if (rightForQuestion >= RightPerQuestion)
            changeFlag = true;
        return;
    }
    // A decoy from the game's set, never the question kanji; a set of one kanji has none.
    h.kanji = 0;
    for (int tries = 0; tries < 1000 && setCount > 1; ++tries) {
        const int k = setBase + 1 + Random(setCount);
        if (k != currentKanji()) {
            h.kanji = k;
            break;
        }
    }
}

int MoleBoard::pointsFor(int state) const
{
    // (2.0 - 0.2 (state - 1)) (speed + 1) / 6 in whole tenths, so no rounding slips in.
    return (20 - 2 * (state - 1)) * (speedPosition + 1) / 60 + level;
}

MoleBoard::ClickResult MoleBoard::click(int x, int y, int& column, int& row)
{
    if (x < 0 || y < 0)
        return ClickResult::Ignored;
    const int c = x / Pitch + 1;
    const int r = y / Pitch + 1;
    if (c > Size || r > Size)
        return ClickResult::Ignored;
    const int dx = x - Pitch * (c - 1);
    const int dy = y - Pitch * (r - 1);
    Hole& h = holes[c][r];
    const int top = Pitch - VisibleRows(h.state);  // the character shows below this line
    const bool visible = h.state == 3 ? dy < Pitch : (top < dy && dy < Pitch);
    if (dx > 8 && dy > 8 && h.state != 0 && h.kanji == currentKanji() && visible) {
        score = static_cast<std::int16_t>(score + pointsFor(h.state));
        h = Hole{};
        column = c;
        row = r;
        if (events_) {
            events_->characterHit(currentKanji(), true);
            events_->playSound(ActionSound::Atari);
        }
        return ClickResult::Hit;
    }
    if (events_ && dx > 8 && dy > 8 && h.state != 0 && h.kanji != 0 && visible)
        events_->characterHit(currentKanji(), false);  // another character was hit
    if (events_)
        events_->playSound(ActionSound::Hazure);
    return ClickResult::Miss;
}
