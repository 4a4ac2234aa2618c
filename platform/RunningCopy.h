// SPDX-License-Identifier: GPL-3.0-or-later
// A second start on the same records brings the running copy to the front instead of ending
// unseen: the running copy listens on a local socket in the records folder, and a second copy
// that reaches it only knocks.
#pragma once

#include <QString>
#include <functional>

// The running copy (it holds the records lock): calls `forward` on the user-interface thread at
// each knock. False when no socket can be made there (a second start then says that one runs).
bool ListenForSecondStarts(const QString& recordsDir, std::function<void()> forward);
// A second copy: true when a running copy was reached and told to come forward.
bool KnockOnRunningCopy(const QString& recordsDir);
