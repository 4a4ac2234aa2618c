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

// $XDG_DATA_HOME/mojimaru (~/.local/share/mojimaru when unset or not absolute), not created.
QString UserRecordsDir();
