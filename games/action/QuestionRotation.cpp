// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/action/QuestionRotation.h"

#include "platform/Random.h"

void QuestionRotation::start()
{
    quota = 5 + Random(4);
    correctOnScreen = 0;
    previous1 = 0;
    previous2 = 0;
    current = 1 + Random(20);
    newQuestion = false;
}

void QuestionRotation::pickNextAnswer()
{
    previous2 = previous1;
    previous1 = current;
    do
        current = 1 + Random(20);
    while (current == previous1 || current == previous2);
}

void QuestionRotation::newQuota()
{
    quota = 5 + Random(4);
    newQuestion = false;
}

void QuestionRotation::releaseCorrect()
{
    ++correctOnScreen;
    if (--quota == 0)
        newQuestion = true;
}
