// Ending the program after a fatal file error: the running event loop is left with code 1; during
// start-up, before the loop runs, the entry sees requested() and returns. Tests replace the ending
// with a recorder, so the caller must return from its handler right after calling EndProgram().
#pragma once

#include <functional>

void EndProgram();
namespace ProgramEnd {
void setHandler(std::function<void()> handler);  // empty: the real end (quit the event loop)
bool requested();                                // whether EndProgram() was called
void reset();
}  // namespace ProgramEnd
