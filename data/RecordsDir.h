// SPDX-License-Identifier: GPL-3.0-or-later
// Where the children's records live. A program directory (the build tree's build/program, or a
// copy of it) keeps them beside the program, as it always has; an installed program keeps them
// in the user's own data folder, since its share folder is read-only for a child's account and
// `make clean` must never delete them.
#pragma once

#include <QString>

// The folder of "Player.dat" and "Game.dat": the program directory when run from the build tree,
// else the user's data folder ($XDG_DATA_HOME/mojimaru), created when first needed.
QString RecordsDir();
QString RecordsFile(const QString& name);

// Tests point the records at a folder of their own; an empty folder returns to the rule above.
void SetRecordsDir(const QString& dir);

// $XDG_DATA_HOME/mojimaru (~/.local/share/mojimaru when unset or not absolute), not created;
// empty when neither names a folder (no XDG_DATA_HOME and no HOME).
QString UserRecordsDir();
// Whether the user's records folder could be made (tried once per run).
bool UserRecordsDirReady();

// Makes the records folder, the owner's alone, or tightens one made before (the folder 0700,
// the records in it 0600); false when it cannot be made.
bool PrepareRecordsFolder(const QString& dir);

// A run that may not write the records (chosen when the records folder cannot be locked).
void SetRecordsReadOnly(bool readOnly);
bool RecordsReadOnly();
