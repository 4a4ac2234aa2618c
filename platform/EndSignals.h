// SPDX-License-Identifier: GPL-3.0-or-later
// SIGTERM and SIGHUP (the session ends, the system shuts down, `kill`) end the program through
// its event loop. The signal handler only writes the signal's number into a pipe; the user
// interface thread reads it there and runs the ending, which may save files and show windows.
#pragma once

#include <functional>

// Installs the handlers once; later calls only replace the ending. With no ending set, a signal
// leaves the event loop.
void InstallEndSignals(std::function<void(int signal)> ending);
