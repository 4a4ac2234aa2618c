// SPDX-License-Identifier: GPL-3.0-or-later
// Which of the 20 game kanji the question asks for, and when it changes: each question releases
// 5 to 8 right characters; once they are all out and none is left on screen a new question,
// different from the last two, takes its place.
#pragma once

struct QuestionRotation {
    int current = 0;  // sprite number 1..20
    int previous1 = 0;
    int previous2 = 0;
    int quota = 0;  // right characters still to release for this question
    int correctOnScreen = 0;
    bool newQuestion = false;

    // Start of a game: a first answer and quota (the first frame step replaces it at once).
    void start();
    bool changeDue() const { return newQuestion && correctOnScreen == 0; }
    // The change happens in two halves because the sentence is read between them and reading
    // it draws from the same random generator.
    void pickNextAnswer();
    void newQuota();
    // A right character enters play.
    void releaseCorrect();
    // A right character leaves play (shot, caught, landed or escaped).
    void correctGone() { --correctOnScreen; }
};
