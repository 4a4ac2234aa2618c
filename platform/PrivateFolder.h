// SPDX-License-Identifier: GPL-3.0-or-later
// Folders that hold a child's records are the owner's alone: made 0700 whatever the umask,
// with every missing folder above them.
#pragma once

#include <QString>

// True when path is a folder afterwards (made now, or there before).
bool MakePrivateFolder(const QString& path);
