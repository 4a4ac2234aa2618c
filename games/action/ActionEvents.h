// SPDX-License-Identifier: GPL-3.0-or-later
// What the rules of the action games ask of their window: sounds, the question sentence, the
// status labels and the drawing at the right moments of a tick. Tests record these calls.
#pragma once

#include <QtGlobal>

enum class ActionSound { Atari, Hazure, Bang, Hassha, Mondai };

class ActionEvents {
public:
    virtual ~ActionEvents() = default;
    virtual void playSound(ActionSound sound) = 0;
    // The question for kanji sprite or number k; false when the sentence file cannot be read
    // (the game stops).
    virtual bool showQuestion(int k) = 0;
    virtual void showStatus(qint64 remainingMs, int score) { Q_UNUSED(remainingMs) Q_UNUSED(score) }
    virtual void extended(int extensions) { Q_UNUSED(extensions) }
    virtual void drawFrame() {}  // once per frame step, after the characters moved
    virtual void drawTick() {}   // every tick, after everything moved
    // The child hit or caught a character while the question asked for k (numbered as for
    // showQuestion): the right one, or a wrong one.
    virtual void characterHit(int k, bool right) { Q_UNUSED(k) Q_UNUSED(right) }
};
