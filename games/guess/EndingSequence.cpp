// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/guess/EndingSequence.h"

void EndingSequence::begin(int kekka)
{
    Kekka = kekka;
    Step_No = 0;
    Bang_Tick = 0;
}

EndingStep EndingSequence::tick()
{
    EndingStep s;
    if (Step_No == 0) {
        if (Kekka == 3) {
            ++Bang_Tick;
            if (Bang_Tick < FlashCount) {
                s.kind = EndingStep::Flash;
                s.flashPicture = Bang_Tick % 2 == 0 ? 1 : 2;
                s.interval = 100;
                return s;
            }
        }
        s.kind = EndingStep::Message;
        s.interval = 1500;
        Step_No = 1;
        return s;
    }
    if (Step_No == 1) {
        s.kind = EndingStep::Clear;
        s.interval = 50;
        Step_No = 2;
        return s;
    }
    if (Step_No >= 2 && Step_No <= 998) {
        s.kind = EndingStep::Reveal;
        s.half = 3 * Step_No;
        if (Step_No >= LastRevealStep) {
            Step_No = 998;
            s.interval = 500;
        }
        ++Step_No;
        return s;
    }
    s.kind = EndingStep::Finish;
    return s;
}
