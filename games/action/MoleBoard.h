// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of game 6, kanji whack-a-mole, without a window: characters come up out of a 5 x 5
// board of holes, stay five ticks and sink again; five question kanji are asked in turn until 50
// right characters have come up. A click on a right character scores more the earlier it is hit
// and the faster the game was set.
#pragma once

#include <algorithm>

#include "games/action/ActionEvents.h"

#include <array>
#include <cstdint>

struct Hole {
    int state = 0;  // 0 empty, 1..5 the stages of a character's appearance
    int kanji = 0;  // kanji number, 0 when empty
};

class MoleBoard {
public:
    static constexpr int Size = 5;
    static constexpr int Pitch = 72;       // holes are 72 wide and start every 72 pixels
    static constexpr int RightPerQuestion = 5;
    static constexpr int RightPerGame = 50;
    // The progress bar's width on a track `track` wide after `right` right characters came up.
    static int ProgressWidth(int right, int track)
    {
        return track * std::clamp(right, 0, RightPerGame) / RightPerGame;
    }
    static constexpr int PassScore = 35;   // more than this passes
    static constexpr int SetLimit = 20;

    enum class TickResult { Running, Ended, Stopped };
    enum class ClickResult { Hit, Miss, Ignored };

    static int TickIntervalMs(int speedPosition) { return 2000 - 100 * speedPosition; }
    // Rows of the character shown in each state, rising and sinking (state 0: a whole one).
    static int VisibleRows(int state);

    // The kanji set: `count` kanji numbers after `base` (count at most 20).
    void setUp(int playerLevel, int base, int count, ActionEvents* events);
    // Draws the five question kanji without repetition and clears the board.
    void start(int speedPosition);
    TickResult tick();
    // A click at playfield pixel (x, y); on a hit, `column` and `row` name the hole.
    ClickResult click(int x, int y, int& column, int& row);
    int pointsFor(int state) const;
    bool passed() const { return score > PassScore; }
    int currentKanji() const { return questionKanji[questionNo]; }

    int level = 1;
    int speedPosition = 7;
    int setBase = 0;
    int setCount = 0;
    std::array<std::array<Hole, Size + 1>, Size + 1> holes{};  // [column][row], 1..5
    std::array<int, 6> questionKanji{};                        // [1..5]
    int questionNo = 0;
    int rightForQuestion = 0;
    int rightInGame = 0;
    bool changeFlag = false;
    int changeCount = 0;
    std::int16_t score = 0;

private:
    void clearHoles();
    void raise(Hole& h);
    ActionEvents* events_ = nullptr;
};
