// SPDX-License-Identifier: GPL-3.0-or-later
// Ending the program after a fatal file error: the running event loop is left with code 1; during
// start-up, before the loop runs, the entry sees requested() and returns. Tests replace the ending
// with a recorder, so the caller must return from its handler right after calling EndProgram().
#pragma once

#include <functional>

void EndProgram();
// The ending by a signal or by losing the windows, once the records are saved: every running
// event loop is left, nested ones (a modal box, the quiz) included, and none runs again, so
// whatever the user interface was doing the entry returns.
void EndProgramNow();
namespace ProgramEnd {
void setHandler(std::function<void()> handler);  // empty: the real end (quit the event loop)
bool requested();                                // whether EndProgram() was called
void reset();
// Whether EndProgramNow() ran; tests: event loops may run again after it.
bool loopsLeft();
void allowLoopsAgain();
}  // namespace ProgramEnd
