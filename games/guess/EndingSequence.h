// SPDX-License-Identifier: GPL-3.0-or-later
// The ending of a picture game, one step per timer tick: the message (after a bomb or the time
// running out, first nine flashes), a cleared board, the kanji growing from the centre, the end.
#pragma once

struct EndingStep {
    enum Kind { Flash, Message, Clear, Reveal, Finish };
    Kind kind = Finish;
    int flashPicture = 0;  // Flash: 1 for Img_Bang1, 2 for Img_Bang2
    int half = 0;          // Reveal: half the side of the square shown, around (180, 180)
    int interval = 0;      // the timer's next interval in ms (0: unchanged)
};

class EndingSequence {
public:
    // Outcome: 1 right answer, 2 wrong answer with no attempt left, 3 bomb or time up.
    void begin(int kekka);
    EndingStep tick();

    int Kekka = 0;
    int Step_No = 0;
    int Bang_Tick = 0;

    static constexpr int FlashCount = 10;  // the tenth flash tick shows "Bang!"
    static constexpr int LastRevealStep = 60;
};
